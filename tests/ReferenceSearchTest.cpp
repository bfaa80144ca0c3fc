#include <gtest/gtest.h>

#include <algorithm>

#include "ai/CandidateList.h"
#include "ai/Engine.h"
#include "ai/ReferenceSearch.h"
#include "rules/LegalMoves.h"
#include "tests/SearchTestSupport.h"
#include "tools/RandomPositions.h"

namespace {

SearchOutcome Search(const ValueGrid& grid, int side, int algo, int level, int branch = 5,
                     SearchProgress* progress = nullptr) {
    return SearchTopLevel(EngineKind::Reference, grid, side, MakeSearchSettings(algo, level, branch),
                          progress);
}

int Count(const ValueGrid& grid, int value) {
    return static_cast<int>(std::count(grid.Cells.begin(), grid.Cells.end(), value));
}

// Plain negamax written independently of the searches: every legal move, full depth,
// first of the equal best moves in generation order.
int Negamax(const ValueGrid& grid, int side, int depth, Move* bestMove) {
    const std::vector<Move> moves = LegalMoves(grid, side);
    if (moves.empty()) return 10 * (Count(grid, side) - Count(grid, OtherPlayer(side)));
    int best = -1000;
    for (const Move& move : moves) {
        ValueGrid child;
        ApplyMoveToGrid(grid, child, move, side, OtherPlayer(side));
        const int value = depth == 0 ? Count(child, side) - Count(child, OtherPlayer(side))
                                     : -Negamax(child, OtherPlayer(side), depth - 1, nullptr);
        if (value > best) {
            best = value;
            if (bestMove) *bestMove = move;
        }
    }
    return best;
}

ValueGrid Rotated(const ValueGrid& grid) {
    ValueGrid rotated;
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col)
            rotated(10 - row, 10 - col) = grid(row, col);
    return rotated;
}

// Player 1 on (1,1), walled in by eight yellow pieces on every cell within reach.
ValueGrid BlockedCorner() {
    ValueGrid grid = EmptyGrid();
    grid(1, 1) = 1;
    for (auto [row, col] : {std::pair{1, 2}, {1, 3}, {2, 1}, {2, 2}, {2, 3}, {3, 1}, {3, 2}, {3, 3}})
        grid(row, col) = 2;
    return grid;
}

} // namespace

TEST(ReferenceSearch, TieBreaksAtLevelZero) {
    // A clone capturing two (+5) beats an earlier-generated jump capturing two (+4).
    ValueGrid cloneBeatsJump = EmptyGrid();
    cloneBeatsJump(1, 1) = 1;
    cloneBeatsJump(7, 7) = 1;
    for (auto [row, col] : {std::pair{4, 3}, {4, 4}, {8, 8}, {8, 9}})
        cloneBeatsJump(row, col) = 2;
    // Two pieces can clone to (2,3), which takes two: the source first in row-major order wins.
    ValueGrid sharedTarget = EmptyGrid();
    sharedTarget(2, 2) = 1;
    sharedTarget(2, 4) = 1;
    sharedTarget(1, 3) = 2;
    sharedTarget(3, 3) = 2;

    struct Case {
        const char* name;
        ValueGrid grid;
        Move expected;
        int score;
    };
    const Case cases[] = {
        {"clone capturing two beats jump capturing two", cloneBeatsJump, {7, 7, 7, 8, true}, 2 - 4 + 5},
        {"shared clone target keeps the first source", sharedTarget, {2, 2, 2, 3, true}, 2 - 2 + 5},
    };
    for (const Case& c : cases)
        for (int algo : {Complete, BranchAndBound, AlphaBeta, HomeMade}) {
            const SearchOutcome outcome = Search(c.grid, 1, algo, 0, 30);
            EXPECT_FALSE(outcome.NoMove) << c.name << " algo " << algo;
            EXPECT_EQ(outcome.BestMove, c.expected) << c.name << " algo " << algo;
            EXPECT_EQ(outcome.Score, c.score) << c.name << " algo " << algo;
        }
}

TEST(ReferenceSearch, PositionsWithoutMoves) {
    ValueGrid noPieces = EmptyGrid();
    for (auto [row, col] : {std::pair{1, 1}, {5, 1}, {9, 5}})
        noPieces(row, col) = 2;
    for (int algo : {Complete, BranchAndBound, AlphaBeta, HomeMade}) {
        for (int level : {0, 2}) {
            const SearchOutcome blocked = Search(BlockedCorner(), 1, algo, level);
            EXPECT_TRUE(blocked.NoMove) << algo;
            EXPECT_EQ(blocked.Score, 10 * (1 - 8)) << algo;
            const SearchOutcome empty = Search(noPieces, 1, algo, level);
            EXPECT_TRUE(empty.NoMove) << algo;
            EXPECT_EQ(empty.Score, -30) << algo;
        }
    }
    ValueGrid full = EmptyGrid();
    for (int32_t& v : full.Cells)
        if (v == Empty) v = 1;
    full(9, 9) = 2;
    EXPECT_TRUE(Search(full, 2, Complete, 3).NoMove);
    EXPECT_EQ(Search(full, 2, Complete, 3).Score, 10 * (1 - 57));
}

TEST(ReferenceSearch, TerminalRuleInsideTheTree) {
    // Cloning to (2,2) takes the last yellow piece: the reply node has no piece, and its
    // score 10 x (0 - 3) makes that move worth +30.
    ValueGrid grid = EmptyGrid();
    grid(1, 1) = 1;
    grid(1, 2) = 2;
    for (int algo : {Complete, BranchAndBound, AlphaBeta, HomeMade}) {
        const SearchOutcome outcome = Search(grid, 1, algo, 1, 30);
        EXPECT_EQ(outcome.BestMove, (Move{1, 1, 2, 2, true})) << algo;
        EXPECT_EQ(outcome.Score, 30) << algo;
    }
}

TEST(ReferenceSearch, AlphaBetaNodeWithoutMovesReturnsAlpha) {
    const reference::SearchRequest alphaBeta{MakeSearchSettings(AlphaBeta, 3, 5), nullptr};
    const reference::SearchRequest complete{MakeSearchSettings(Complete, 3, 5), nullptr};
    Move move{9, 9, 9, 9, true};
    bool noMove = true;
    EXPECT_EQ(reference::FullWidthSearch(BlockedCorner(), 1, 0, 1000, 5, 1000, move, noMove, alphaBeta), 5);
    EXPECT_FALSE(noMove);
    EXPECT_EQ(move, (Move{9, 9, 9, 9, true})) << "no move found, out-parameters untouched";
    EXPECT_EQ(reference::FullWidthSearch(BlockedCorner(), 1, 0, 1000, 5, 1000, move, noMove, complete), -70);
    EXPECT_TRUE(noMove);
}

TEST(ReferenceSearch, CompleteMatchesPlainNegamaxAndBranchAndBoundAgrees) {
    for (uint32_t seed = 1; seed <= 24; ++seed) {
        int side = 1;
        const int level = static_cast<int>(seed % 3);
        const ValueGrid grid = RandomPlayout(1 + seed % 3, static_cast<int>(seed * 7 % 60), seed, &side);
        Move expectedMove;
        const int expectedScore = Negamax(grid, side, level, &expectedMove);
        const SearchOutcome complete = Search(grid, side, Complete, level);
        const SearchOutcome bound = Search(grid, side, BranchAndBound, level);
        EXPECT_EQ(complete.Score, expectedScore) << "seed " << seed;
        EXPECT_EQ(bound.Score, expectedScore) << "seed " << seed;
        EXPECT_EQ(complete.NoMove, bound.NoMove) << "seed " << seed;
        if (!complete.NoMove) {
            EXPECT_EQ(complete.BestMove, expectedMove) << "seed " << seed;
            EXPECT_EQ(bound.BestMove, expectedMove) << "seed " << seed;
        }
        // The board is symmetric under a half turn: so is the value of a position.
        EXPECT_EQ(Search(Rotated(grid), side, Complete, level).Score, complete.Score) << "seed " << seed;
    }
}

TEST(ReferenceSearch, HomeMadeWithRoomForEveryMoveIsAFullSearch) {
    for (int variant : {American, Swedish}) {
        const ValueGrid grid = StartingGrid(variant);
        ASSERT_LE(LegalMoves(grid, 1).size(), 30u);
        const SearchOutcome homeMade = Search(grid, 1, HomeMade, 1, 30);
        const SearchOutcome complete = Search(grid, 1, Complete, 1);
        EXPECT_EQ(homeMade.Score, complete.Score);
        EXPECT_EQ(homeMade.BestMove, complete.BestMove);
    }
}

TEST(ReferenceSearch, InsertCandidateKeepsTheBestAndPrefersEarlierEntries) {
    CandidateList list{};
    for (int i = 0; i < 6; ++i) {
        const int scores[] = {3, 1, 2, 5, 5, 5};
        InsertCandidate(list, {i + 1, 0, 0, 0, scores[i], false}, 3);
    }
    EXPECT_EQ(list[0].Value, 5);
    EXPECT_EQ(list[0].FromRow, 6) << "the sixth move replaced the first-found worst slot";
    EXPECT_EQ(list[1].FromRow, 4);
    EXPECT_EQ(list[2].FromRow, 5);
    EXPECT_EQ(list[3].Value, -1000) << "nothing beyond N";

    // A candidate equal to the worst kept score does not enter a full list.
    InsertCandidate(list, {9, 0, 0, 0, 5, false}, 3);
    EXPECT_EQ(list[0].FromRow, 6);
    // With N = 0 every candidate is dropped.
    CandidateList none{};
    InsertCandidate(none, {1, 1, 1, 1, 7, true}, 0);
    EXPECT_EQ(none[0].Value, -1000);
}

TEST(ReferenceSearch, HomeMadeWithFewerMovesThanSlots) {
    // One legal move only: (1,1) can clone to (2,2) and nothing else.
    ValueGrid grid = BlockedCorner();
    grid(2, 2) = Empty;
    RecordingProgress progress;
    const SearchOutcome outcome = Search(grid, 1, HomeMade, 0, 7, &progress);
    EXPECT_FALSE(outcome.NoMove);
    EXPECT_EQ(outcome.BestMove, (Move{1, 1, 2, 2, true}));
    EXPECT_EQ(outcome.Score, 1 - 7 + 1 + 2 * 5);
    EXPECT_EQ(progress.maxima, std::vector<int>{7});
    EXPECT_EQ(progress.steps, 7) << "every slot is a step, empty ones too";
}

TEST(ReferenceSearch, ProgressAndStop) {
    const ValueGrid start = StartingGrid(Standard);
    RecordingProgress full;
    Search(start, 1, Complete, 1, 5, &full);
    EXPECT_EQ(full.maxima, std::vector<int>{9});
    EXPECT_EQ(full.steps, 9);

    for (int algo : {Complete, AlphaBeta, HomeMade}) {
        // Stop at the first step, before any move of the root is examined.
        RecordingProgress stopping(1);
        Move untouched{7, 7, 7, 7, false};
        bool noMove = true;
        const reference::SearchRequest request{MakeSearchSettings(algo, 1, 5), &stopping};
        if (algo == HomeMade)
            reference::HomeMadeSearch(start, 1, 1, untouched, noMove, request);
        else
            reference::FullWidthSearch(start, 1, 1, 1000, -1000, 1000, untouched, noMove, request);
        EXPECT_EQ(stopping.steps, 1) << algo;
        EXPECT_EQ(untouched, (Move{7, 7, 7, 7, false})) << "a stopped call writes no move";
        EXPECT_TRUE(noMove) << "a stopped call leaves NoMove unwritten";

        RecordingProgress again(2);
        EXPECT_TRUE(Search(start, 1, algo, 1, 5, &again).Stopped);
    }
}

TEST(ReferenceSearch, EndTestReportsProgressOnlyAtLevelZero) {
    RecordingProgress levelZero;
    const SearchOutcome blocked = EndTest(BlockedCorner(), 1, MakeSearchSettings(HomeMade, 0, 5), &levelZero);
    EXPECT_TRUE(blocked.NoMove);
    EXPECT_EQ(levelZero.maxima, std::vector<int>{5});
    EXPECT_EQ(levelZero.steps, 5);

    RecordingProgress levelTwo;
    EXPECT_FALSE(EndTest(BlockedCorner(), 2, MakeSearchSettings(Complete, 2, 5), &levelTwo).NoMove);
    EXPECT_TRUE(levelTwo.maxima.empty());
    EXPECT_EQ(levelTwo.steps, 0);
}

TEST(ReferenceSearch, OutOfRangeSettingsAreClamped) {
    const ValueGrid grid = RandomPlayout(Standard, 20, 7);
    EXPECT_EQ(Search(grid, 1, HomeMade, 1, 500).BestMove, Search(grid, 1, HomeMade, 1, 30).BestMove);
    EXPECT_EQ(Search(grid, 1, HomeMade, 0, -4).Score, Search(grid, 1, HomeMade, 0, 3).Score);
    EXPECT_EQ(Search(grid, 1, Complete, -3).BestMove, Search(grid, 1, Complete, 0).BestMove);
}
