#include "view/BoardPainting.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "view/BoardGeometry.h"

void PaintBoard(QPainter& painter, const HoleList& holes, int hexSize, const QColor& background,
                const CellHighlights& highlights) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(BoardCellColor);
    // Row r holds 9 - |r - 5| cells starting at column max(1, r - 4), drawn left to right
    // and top to bottom.
    for (int row = 1; row <= 9; ++row) {
        const int first = std::max(1, row - 4);
        for (int col = first; col < first + 9 - std::abs(row - 5); ++col)
            painter.drawPolygon(CellHexagon(row, col, hexSize));
    }
    // The holes are painted over in the background colour so they read as gaps.
    painter.setBrush(background);
    for (const HoleEntry& hole : holes) {
        if (hole.Row == -1) break;
        painter.drawPolygon(CellHexagon(hole.Row + 1, hole.Col + 1, hexSize));
    }
    for (auto it = highlights.cbegin(); it != highlights.cend(); ++it) {
        painter.setBrush(it.value());
        painter.drawPolygon(CellHexagon(it.key() / 16, it.key() % 16, hexSize));
    }
}
