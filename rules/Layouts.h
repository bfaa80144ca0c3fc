#pragma once

#include <span>

#include "rules/Board.h"

// Starting layouts, numbered as the Board menu items' tags.
enum BoardVariant : int { Standard = 1, American = 2, Swedish = 3 };

// The starting cells of one player (1 or 2) in a layout; empty for a variant outside 1..3.
std::span<const CellPos> LayoutCells(int variant, int player);

// Writes the starting pieces of a layout into the board's values (pieces are the view's
// business); a variant outside 1..3 writes nothing.
void WriteLayout(Board& board, int variant);

// The values of a freshly set-up board with the layout's pieces: a game's first position.
ValueGrid StartingGrid(int variant);
