#pragma once

#include <optional>

#include "rules/ValueGrid.h"

// The keyboard's cursor on the board. On screen a row of the game is a column of cells
// (x grows with the row) and the cells of a row stand one above the other (y grows with the
// column), each row half a cell lower than the one on its left.
enum class CursorKey { Up, Down, Left, Right };

// The cursor rests only on the cells of the game: on the board and not a hole.
bool CursorMayRest(CellPos cell);

// How high a cell stands, in half cells from the top: the y of its anchor over the hex size.
constexpr int CellHeight(CellPos cell) {
    return 2 * (cell.Col - 1) - (cell.Row - 5);
}

// Where one key takes the cursor. Up and Down go to the cell above or below in the same
// on-screen column (column - 1 or + 1), over a hole; Left and Right go to the neighbouring
// on-screen column (row - 1 or + 1), to whichever of its two neighbours there stands nearest
// the height at which the run of Left and Right began (the upper one when both are as near),
// so that holding Right crosses the board level. `runHeight` keeps that height: a Left or
// Right starts it when it has none, Up and Down end it. At an edge the cursor stays.
CellPos StepCursor(CellPos from, CursorKey key, std::optional<int>& runHeight);
