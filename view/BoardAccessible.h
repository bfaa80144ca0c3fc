#pragma once

#include <QString>
#include <vector>

#include "rules/Move.h"

class BoardSurface;

// The board for a screen reader. The surface's accessible object holds, besides its score
// captions and markers, the board: a list of the 58 cells of the game in rows then columns
// (holes are not listed), each named for what stands on it, the cell under the keyboard's
// cursor the focused one; and a status bar that says the last move. The pieces themselves
// are not listed: the cells say what they show.

// Gives every board surface its accessible object; once for the program, before the first
// surface is made.
void InstallBoardAccessibility();

// "Row R, column C: white piece", "…: yellow piece" or "…: empty".
QString CellSpoken(CellPos cell, int owner);
// "White: 3-7 to 3-6, clone, 1 captured. Yellow to move."
QString MoveSpoken(const Move& move, int mover, int captured);

// What changed, told to assistive technology (nothing happens while none listens): the names
// of some cells or of all of them, the cursor (a focus event for its cell while the surface
// has the focus), and the last move (the status bar's name, and the focused cell's
// description, which a screen reader speaks for the object it is on).
void AnnounceCells(BoardSurface* surface, const std::vector<CellPos>& cells);
void AnnounceAllCells(BoardSurface* surface);
void AnnounceCursor(BoardSurface* surface);
void AnnounceMove(BoardSurface* surface);
