#include "view/BoardGeometry.h"

#include <algorithm>

namespace {

// Piece boxes are inset by trunc(0.1 x S) from the anchor.
int Inset(int hexSize) {
    return hexSize / 10;
}

} // namespace

int HexSizeFor(int outerWidth, int outerHeight) {
    // 1.3 x H >= W, compared exactly as 13 H >= 10 W. C++ integer division truncates
    // toward zero, as the game's formulas do for a negative quotient too.
    const int size = 13 * outerHeight >= 10 * outerWidth ? (outerWidth - 30) / 27 : (outerHeight - 115) / 17;
    // A window too small for the formula still draws a (tiny) board.
    return size < 1 ? 1 : size;
}

int LargestHexSizeInside(int surfaceWidth, int surfaceHeight) {
    // The right edge X0 + 27 S and the bottom edge Y0 + 18 S fall on the last pixel at
    // most. Up to S = 20 the origin is 20; beyond it X0 = S, so the board spans 28 S.
    const int wide = (surfaceWidth - 1) / 28;
    const int byWidth = wide > 20 ? wide : std::min(20, (surfaceWidth - 1 - 20) / 27);
    const int byHeight = (surfaceHeight - 1 - BoardTop) / 18;
    return std::max(1, std::min(byWidth, byHeight));
}

int BoardShift(int surfaceWidth, int hexSize) {
    if (hexSize <= 20) return 0;
    return std::max(0, (surfaceWidth - 1 - 28 * hexSize) / 2);
}

QSize MinimumSurfaceSize() {
    return {BoardLeft(MinimumHexSize) + 27 * MinimumHexSize + 1, BoardTop + 18 * MinimumHexSize + 1};
}

QPoint CellAnchor(int row, int col, int hexSize) {
    return {BoardLeft(hexSize) + 3 * hexSize * (row - 1),
            BoardTop + 2 * hexSize * (col - 1) - (row - 5) * hexSize};
}

QPolygon CellHexagon(int row, int col, int hexSize) {
    const QPoint a = CellAnchor(row, col, hexSize);
    const int s = hexSize;
    return QPolygon({a, a + QPoint(2 * s, 0), a + QPoint(3 * s, s), a + QPoint(2 * s, 2 * s),
                     a + QPoint(0, 2 * s), a + QPoint(-s, s)});
}

int PieceSide(int hexSize) {
    return 18 * hexSize / 10;
}

QRect PieceBox(int row, int col, int hexSize) {
    const QPoint a = CellAnchor(row, col, hexSize);
    const int side = PieceSide(hexSize);
    return {a.x() + Inset(hexSize), a.y() + Inset(hexSize), side, side};
}

CellPos HitTest(int x, int y, int hexSize) {
    const int row = (x - BoardLeft(hexSize)) / (3 * hexSize) + 1;
    const int col = (y - BoardTop - (5 - row) * hexSize) / (2 * hexSize) + 1;
    return {row, col};
}

QRect GrowFrameBox(int fromRow, int fromCol, int row, int col, int hexSize, int frame) {
    // With a = fromRow + 1/2, b = fromCol + 1/2 and t = frame / 10, in twentieths:
    //   (a - 1) + (row - a) t = [10 (2 fromRow - 1) + (2 row - 2 fromRow - 1) frame] / 20
    //   (b - 1) + (col - b) t = [10 (2 fromCol - 1) + (2 col - 2 fromCol - 1) frame] / 20
    //   (a - 5) + (row - a) t = [10 (2 fromRow - 9) + (2 row - 2 fromRow - 1) frame] / 20
    const int s = hexSize;
    const int across = 10 * (2 * fromRow - 1) + (2 * row - 2 * fromRow - 1) * frame;
    const int down = 10 * (2 * fromCol - 1) + (2 * col - 2 * fromCol - 1) * frame;
    const int lift = 10 * (2 * fromRow - 9) + (2 * row - 2 * fromRow - 1) * frame;
    const int x = across * 3 * s / 20 + BoardLeft(s);
    const int y = (down * 2 * s - lift * s) / 20 + BoardTop;
    const int side = 18 * s * frame / 100;
    return {x + Inset(s), y + Inset(s), side, side};
}

QRect SlideFrameBox(int fromRow, int fromCol, int toRow, int toCol, int side, int hexSize, int frame) {
    // With t = frame / 10, in tenths:
    //   (fromRow - 1) + (toRow - fromRow) t = [10 (fromRow - 1) + (toRow - fromRow) frame] / 10
    const int s = hexSize;
    const int across = 10 * (fromRow - 1) + (toRow - fromRow) * frame;
    const int down = 10 * (fromCol - 1) + (toCol - fromCol) * frame;
    const int lift = 10 * (fromRow - 5) + (toRow - fromRow) * frame;
    const int x = across * 3 * s / 10 + BoardLeft(s);
    const int y = (down * 2 * s - lift * s) / 10 + BoardTop;
    return {x + Inset(s), y + Inset(s), side, side};
}

ScoreAreaLayout ScoreArea(int hexSize) {
    const int d = PieceSide(hexSize);
    return {d, 10, 20, d + 50, d + 30, 2 * d + 60, hexSize};
}
