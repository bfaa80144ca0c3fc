#pragma once

#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QSize>

#include "rules/ValueGrid.h"

// The pixel geometry of the board. One length, the hex size S, scales everything, the
// board's origin included. Every function is pure and works in integers: the real-valued
// formulas of the game are rewritten over a common denominator so that each conversion
// truncates toward zero exactly, with no floating-point rounding at the boundaries.

inline constexpr int BoardTop = 20; // Y0
inline constexpr int AnimFrames = 10;

// X0: 20, as long as the left points of row 1 (at X0 - S) stay inside the surface; for a
// larger hex size the origin moves right with it, so those points stay at x = 0.
constexpr int BoardLeft(int hexSize) {
    return hexSize > 20 ? hexSize : 20;
}

// How far right the whole board moves to stand in the middle of a surface of the given
// width: nothing up to S = 20 (the board stays at its origin), then half the room left
// beside the board, which spans x from 0 to 28 S.
int BoardShift(int surfaceWidth, int hexSize);

// The smallest hex size the main window allows: pieces still large enough to click.
inline constexpr int MinimumHexSize = 8;
// The smallest surface that holds the board at MinimumHexSize, and the smallest outer window
// width whose width rule (HexSizeFor) gives it.
QSize MinimumSurfaceSize();
inline constexpr int MinimumOuterWidth = 30 + 27 * MinimumHexSize;

// The hex size for a window of the given outer size (frame, caption and menu included):
// limited by the width when 1.3 x H >= W, else by the height; never below 1.
int HexSizeFor(int outerWidth, int outerHeight);

// The largest hex size whose whole board (x from X0 - S to X0 + 27 S, y from Y0 to
// Y0 + 18 S) lies inside a surface of the given size; never below 1.
int LargestHexSizeInside(int surfaceWidth, int surfaceHeight);

// The anchor of cell (row, col): the left end of the hexagon's flat top edge.
QPoint CellAnchor(int row, int col, int hexSize);

// The six vertices of a cell's hexagon in drawing order, starting at the anchor.
QPolygon CellHexagon(int row, int col, int hexSize);

// The side of a piece's square box: trunc(1.8 x S).
int PieceSide(int hexSize);

// The box of the piece standing on (row, col), centred in its hexagon.
QRect PieceBox(int row, int col, int hexSize);

// The (row, col) under a pixel by the game's truncating formula. The result is not
// range-checked: it names a cell only when CellValid holds for it.
CellPos HitTest(int x, int y, int hexSize);

// Frame 1..10 of a new piece growing from near (fromRow, fromCol) into (row, col): the
// box slides from the anchor of the fractional place (fromRow + 0.5, fromCol + 0.5) while
// its side grows from a tenth to the full size. Frame 10 equals PieceBox(row, col).
QRect GrowFrameBox(int fromRow, int fromCol, int row, int col, int hexSize, int frame);

// Frame 1..10 of a piece of the given side sliding from one cell to another without
// changing size. Frame 10 stands on the destination's piece box.
QRect SlideFrameBox(int fromRow, int fromCol, int toRow, int toCol, int side, int hexSize, int frame);

// Where the two player markers and the score labels sit for a hex size.
struct ScoreAreaLayout {
    int MarkerSide;
    int MarkerTop;
    int Player1MarkerLeft;
    int Player2MarkerLeft;
    int Score1Left;
    int Score2Left;
    int ScoreTop;
};
ScoreAreaLayout ScoreArea(int hexSize);
