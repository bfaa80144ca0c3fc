#include "view/BoardCursor.h"

#include <algorithm>
#include <cstdlib>

#include "rules/Board.h"

bool CursorMayRest(CellPos cell) {
    return CellValid(cell.Row, cell.Col) && std::find(Holes.begin(), Holes.end(), cell) == Holes.end();
}

CellPos StepCursor(CellPos from, CursorKey key, std::optional<int>& runHeight) {
    if (key == CursorKey::Up || key == CursorKey::Down) {
        runHeight.reset();
        const int step = key == CursorKey::Up ? -1 : 1;
        // A hole is passed over; the edge of the board stops the cursor where it is.
        for (CellPos next{from.Row, from.Col + step}; CellValid(next.Row, next.Col); next.Col += step)
            if (CursorMayRest(next)) return next;
        return from;
    }
    if (!runHeight) runHeight = CellHeight(from);
    // The two neighbours in the next on-screen column: the upper one first.
    const int row = from.Row + (key == CursorKey::Left ? -1 : 1);
    const CellPos upper = key == CursorKey::Left ? CellPos{row, from.Col - 1} : CellPos{row, from.Col};
    const CellPos lower{upper.Row, upper.Col + 1};
    const bool upperFree = CursorMayRest(upper);
    const bool lowerFree = CursorMayRest(lower);
    if (upperFree && lowerFree)
        return std::abs(CellHeight(lower) - *runHeight) < std::abs(CellHeight(upper) - *runHeight) ? lower
                                                                                                   : upper;
    if (upperFree) return upper;
    if (lowerFree) return lower;
    return from;
}
