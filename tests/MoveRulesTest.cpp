#include <gtest/gtest.h>

#include "rules/Layouts.h"
#include "rules/LegalMoves.h"
#include "rules/Move.h"
#include "tools/RandomPositions.h"

namespace {

// An empty board: the hexagon empty, everything else (holes included) blocked.
ValueGrid EmptyGrid() {
    return StartingGrid(0);
}

int Count(const ValueGrid& grid, int value) {
    int n = 0;
    for (int32_t v : grid.Cells)
        n += v == value;
    return n;
}

} // namespace

TEST(MoveRules, LegalityChecksSourceDistanceTargetAndKind) {
    ValueGrid grid = EmptyGrid();
    grid(4, 4) = 1;
    grid(4, 5) = 2;
    struct Case {
        const char* name;
        Move move;
        int player;
        bool legal;
    };
    const Case cases[] = {
        {"clone to an empty neighbour", {4, 4, 5, 4, true}, 1, true},
        {"jump to an empty cell two away", {4, 4, 5, 6, false}, 1, true},
        {"clone flag on a jump", {4, 4, 5, 6, true}, 1, false},
        {"jump flag on a clone", {4, 4, 5, 4, false}, 1, false},
        {"occupied target", {4, 4, 4, 5, true}, 1, false},
        {"hole as target", {4, 4, 3, 4, true}, 1, false},
        {"another player's piece", {4, 4, 5, 4, true}, 2, false},
        {"three cells away", {4, 4, 4, 7, false}, 1, false},
        {"off the board", {4, 4, 4, 9, false}, 1, false},
        {"empty source", {6, 6, 6, 7, true}, 1, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsLegalMove(grid, c.move, c.player), c.legal) << c.name;
}

TEST(MoveRules, CaptureCountsOfCloneAndJump) {
    // Destination (6,6) with opponents on three of its neighbours.
    ValueGrid grid = EmptyGrid();
    grid(6, 5) = 1; // the mover's piece, adjacent to (6,6)
    grid(4, 6) = 1; // the mover's piece, two away from (6,6)
    grid(6, 7) = 2;
    grid(7, 7) = 2;
    grid(5, 6) = 2;
    grid(3, 5) = 2; // beside the jump's origin (4,6): must stay
    ValueGrid after;
    ApplyMoveToGrid(grid, after, {6, 5, 6, 6, true}, 1, 2);
    EXPECT_EQ(Count(after, 1) - Count(grid, 1), 4);
    EXPECT_EQ(Count(grid, 2) - Count(after, 2), 3);
    EXPECT_EQ(after(6, 5), 1);

    ApplyMoveToGrid(grid, after, {4, 6, 6, 6, false}, 1, 2);
    EXPECT_EQ(Count(after, 1) - Count(grid, 1), 3);
    EXPECT_EQ(Count(grid, 2) - Count(after, 2), 3);
    EXPECT_EQ(after(4, 6), Empty);
    EXPECT_EQ(after(3, 5), 2);
}

TEST(MoveRules, CapturesAtTheEdgeSeeOnlyBoardCellsAndInOffsetOrder) {
    ValueGrid grid = EmptyGrid();
    grid(1, 2) = 2;
    grid(2, 2) = 2;
    grid(2, 1) = 2;
    const Captures captures = CapturedCells(grid, {1, 1}, 2);
    ASSERT_EQ(captures.Count, 3);
    EXPECT_EQ(captures.Cells[0], (CellPos{1, 2}));
    EXPECT_EQ(captures.Cells[1], (CellPos{2, 1}));
    EXPECT_EQ(captures.Cells[2], (CellPos{2, 2}));
    // A hole beside the destination stays blocked.
    ValueGrid nearHole = EmptyGrid();
    nearHole(4, 3) = 1;
    ValueGrid after;
    ApplyMoveToGrid(nearHole, after, {4, 3, 4, 4, true}, 1, 2);
    EXPECT_EQ(after(3, 4), Blocked);
}

TEST(MoveRules, WhoCanMove) {
    ValueGrid grid = EmptyGrid();
    EXPECT_FALSE(HasLegalMove(grid, 1)) << "no pieces, no move";
    grid(1, 1) = 1;
    EXPECT_TRUE(HasLegalMove(grid, 1));

    // Fill every cell within distance 2 of (1,1): blocked in a corner.
    for (int row = 1; row <= 3; ++row)
        for (int col = 1; col <= 3; ++col)
            if (CellValid(row, col) && grid(row, col) == Empty) grid(row, col) = 2;
    EXPECT_FALSE(HasLegalMove(grid, 1));
    EXPECT_TRUE(HasLegalMove(grid, 2));

    ValueGrid full = EmptyGrid();
    for (int32_t& v : full.Cells)
        if (v == Empty) v = 1;
    EXPECT_FALSE(HasLegalMove(full, 1));
    EXPECT_FALSE(HasLegalMove(full, 2));
}

TEST(MoveRules, EveryGeneratedMoveIsLegalAndKeepsCellsConsistent) {
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        int side = 1;
        const ValueGrid grid = RandomPlayout(1 + seed % 3, static_cast<int>(seed % 30), seed, &side);
        for (const Move& move : LegalMoves(grid, side)) {
            ASSERT_TRUE(IsLegalMove(grid, move, side));
            ValueGrid after;
            ApplyMoveToGrid(grid, after, move, side, OtherPlayer(side));
            const int gained = Count(after, side) - Count(grid, side);
            const int lost = Count(grid, OtherPlayer(side)) - Count(after, OtherPlayer(side));
            EXPECT_EQ(gained, lost + (move.Clone ? 1 : 0));
            EXPECT_EQ(Count(after, Blocked), Count(grid, Blocked));
        }
    }
}
