#pragma once

#include <cstdint>

#include "rules/ValueGrid.h"

// One move: the piece on (FromRow, FromCol) goes to (ToRow, ToCol). Clone is true for a
// distance-1 move (the piece is copied), false for a distance-2 jump (the piece moves).
struct Move {
    int32_t FromRow = 0;
    int32_t FromCol = 0;
    int32_t ToRow = 0;
    int32_t ToCol = 0;
    bool Clone = false;
    friend constexpr bool operator==(const Move&, const Move&) = default;
};

// The opponent pieces that a move to `to` converts: the neighbours of `to` that hold
// `opponent`, in the order of the neighbour offsets.
struct Captures {
    CellPos Cells[6]{};
    int Count = 0;
};
Captures CapturedCells(const ValueGrid& grid, CellPos to, int opponent);

// A move is legal for `player` when the source holds the player, the difference is one of
// the 18 offsets, the destination is on the board and empty, and Clone matches the distance.
bool IsLegalMove(const ValueGrid& grid, const Move& move, int player);

// Whether some piece of `player` has a legal destination. A player without pieces has none.
bool HasLegalMove(const ValueGrid& grid, int player);

// The position after `move` by `mover`: the destination gets the mover, a jump empties the
// origin, and every neighbour of the destination holding `opponent` (in `source`'s copy)
// becomes the mover's. Draws nothing and touches no score. The result is the converted cells.
Captures ApplyMoveToGrid(const ValueGrid& source, ValueGrid& target, const Move& move, int mover,
                         int opponent);
