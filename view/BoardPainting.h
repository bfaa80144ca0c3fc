#pragma once

#include <QColor>
#include <QMap>

#include "rules/Board.h"

class QPainter;

inline const QColor BoardCellColor(0, 0, 255);
inline const QColor CloneHighlightColor(255, 0, 0);
inline const QColor JumpHighlightColor(255, 255, 0);

// Cells drawn in another colour than blue on top of the board (the lit destination),
// keyed by CellKey(row, col).
using CellHighlights = QMap<int, QColor>;
constexpr int CellKey(int row, int col) {
    return row * 16 + col;
}

// Draws the 61 cells of the board in blue with black outlines, then the holes in the
// window's background colour, then the highlighted cells. Pieces draw themselves.
void PaintBoard(QPainter& painter, const HoleList& holes, int hexSize, const QColor& background,
                const CellHighlights& highlights);
