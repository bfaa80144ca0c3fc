#pragma once

#include <QRect>
#include <QString>

#include "rules/ValueGrid.h"

// What the board surface's accessible objects read of the board on show: the board view
// answers, so that a screen reader hears exactly what the screen shows.
class BoardReading {
  public:
    virtual ~BoardReading() = default;
    // The owner of the piece shown on a cell, 0 when there is none.
    virtual int OwnerShownAt(CellPos cell) const = 0;
    // The keyboard's cursor and the selected piece, if any.
    virtual CellPos CursorCell() const = 0;
    virtual bool SelectedAt(CellPos cell) const = 0;
    // A cell's outline on the surface.
    virtual QRect CellRect(CellPos cell) const = 0;
    // What the last move did, and whether it is news: told once to the cell under the
    // cursor, until the cursor moves on.
    virtual QString MoveText() const = 0;
    virtual bool MoveTextIsNews() const = 0;
};
