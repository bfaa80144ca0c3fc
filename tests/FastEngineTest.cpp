#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <thread>
#include <vector>

#include "ai/Bitboard.h"
#include "ai/Engine.h"
#include "ai/FastSearch.h"
#include "rules/LegalMoves.h"
#include "tests/SearchTestSupport.h"
#include "tools/RandomPositions.h"
#include "tools/SearchQuery.h"

// Every allocation of this test program is counted, so a test can show that a search
// allocates nothing once its engine exists.
namespace {
std::atomic<long> allocations{0};
}
void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
// The replaced operator new takes its memory from malloc, so free is the matching release.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
#pragma GCC diagnostic pop

namespace {

// A small table keeps the sanitizer build light; exactness does not depend on its size.
constexpr int TestTableLog2 = 12;

// The sanitizer build runs unoptimised: its deep searches stop two levels sooner, and it
// checks every second position only.
#if defined(__SANITIZE_ADDRESS__)
constexpr int SanitizerLevels = 2;
constexpr uint32_t PositionStride = 2;
#else
constexpr int SanitizerLevels = 0;
constexpr uint32_t PositionStride = 1;
#endif

std::string Answer(EngineKind engine, const ValueGrid& grid, int side, int algo, int level, int branch) {
    return FormatSearchAnswer(
        SearchTopLevel(engine, grid, side, MakeSearchSettings(algo, level, branch), nullptr));
}

// Asks the search to stop from inside a top-level step, after a number of polls.
class StopAfterPolls final : public SearchProgress {
  public:
    explicit StopAfterPolls(int polls) : m_polls(polls) {}
    void SetMaximum(int) override {}
    bool Step() override { return false; }
    bool ShouldStop() const override { return ++m_seen >= m_polls; }
    int seen() const { return m_seen; }

  private:
    int m_polls;
    mutable std::atomic<int> m_seen{0}; // polled from every thread of the search
};

} // namespace

TEST(Bitboard, TablesFollowTheBoard) {
    EXPECT_EQ(PopCount(Hexagon.All), 61);
    EXPECT_EQ(Hexagon.Index[1][1], 0);
    EXPECT_EQ(Hexagon.Index[9][9], 60);
    for (int cell = 0; cell < CellCount; ++cell) {
        const CellPos pos = Hexagon.Pos[cell];
        int neighbours = 0, ring = 0;
        for (int j = 0; j < 18; ++j) {
            const int row = pos.Row + MoveOffsets[j].dRow, col = pos.Col + MoveOffsets[j].dCol;
            if (!CellValid(row, col)) continue;
            (j < NeighbourCount ? neighbours : ring)++;
            EXPECT_EQ(Hexagon.Targets[cell][j], Hexagon.Index[row][col]);
        }
        EXPECT_EQ(PopCount(Hexagon.Neighbours[cell]), neighbours);
        EXPECT_EQ(PopCount(Hexagon.Ring2[cell]), ring);
        if (cell > 0) {
            EXPECT_LT(Hexagon.Pos[cell - 1].Row * 10 + Hexagon.Pos[cell - 1].Col, pos.Row * 10 + pos.Col)
                << "bit order is row-major order";
        }
    }
    const GridMasks start = MasksOf(StartingGrid(Standard));
    EXPECT_EQ(PopCount(start.Player[1]), 9);
    EXPECT_EQ(PopCount(start.Playable), 58);
    EXPECT_TRUE(start.Regular);
}

// The fast engine against the reference one on a few hundred varied positions, every
// algorithm and branch count, levels 0 to 3 where the reference search is quick (level 3 on
// cramped positions only). tessaron-bench --verify runs a longer comparison. The Alpha-Beta answers must
// include positions where they differ from Complete's, or the test would not exercise that algorithm's rule
// for nodes without moves.
TEST(FastEngine, AgreesWithTheReferenceSearches) {
    int queries = 0, noMove = 0;
    for (uint32_t seed = 1; seed <= 140; ++seed) {
        int side = 1;
        const ValueGrid grid = DifferentialPosition(seed, side);
        const std::size_t moves = LegalMoves(grid, side).size();
        for (int level = 0; level <= 3; ++level) {
            const int branch = 3 + static_cast<int>((seed * 11 + level) % 28);
            for (int algo : {Complete, BranchAndBound, AlphaBeta, HomeMade}) {
                if ((level == 3 && moves > 20) || (level == 2 && algo == Complete && moves > 50)) continue;
                const std::string expected = Answer(EngineKind::Reference, grid, side, algo, level, branch);
                ASSERT_EQ(Answer(EngineKind::Fast, grid, side, algo, level, branch), expected)
                    << GridText(grid) << ' ' << side << ' ' << algo << ' ' << level << ' ' << branch;
                ++queries;
                if (expected.rfind("nomove", 0) == 0) ++noMove;
            }
        }
    }
    EXPECT_GT(queries, 1500);
    EXPECT_GT(noMove, 0);
}

// Late positions, where nodes without moves are common inside the tree: Alpha-Beta's rule for
// them (a node whose alpha is above -1000 returns alpha) makes its answers differ from
// Complete's on some of these, and the fast engine must follow it there too.
TEST(FastEngine, FollowsAlphaBetasRuleForNodesWithoutMoves) {
    int differFromComplete = 0;
    for (uint32_t seed : {5u, 12u, 30u, 47u, 64u, 71u, 102u, 150u, 198u, 216u}) {
        int side = 1;
        const ValueGrid grid = RandomPlayout(1 + seed % 3, 60 + static_cast<int>(seed % 80), seed, &side);
        if (seed % 2) side = OtherPlayer(side);
        for (int level = 2; level <= 4; ++level) {
            const std::string expected = Answer(EngineKind::Reference, grid, side, AlphaBeta, level, 5);
            EXPECT_EQ(Answer(EngineKind::Fast, grid, side, AlphaBeta, level, 5), expected)
                << GridText(grid) << ' ' << side << " level " << level;
            if (expected != Answer(EngineKind::Fast, grid, side, Complete, level, 5)) ++differFromComplete;
        }
    }
    EXPECT_GE(differFromComplete, 5);
}

TEST(FastEngine, CompleteAndBranchAndBoundGiveTheSameAnswerDeep) {
    FastEngine engine(TestTableLog2);
    for (uint32_t seed : {3u, 8u, 21u}) {
        int side = 1;
        const ValueGrid grid = RandomPlayout(Standard, 20 + static_cast<int>(seed), seed, &side);
        for (int level : {4, 5}) {
            const SearchOutcome complete =
                engine.Search(grid, side, MakeSearchSettings(Complete, level, 5), nullptr);
            engine.ClearTable();
            const SearchOutcome bound =
                engine.Search(grid, side, MakeSearchSettings(BranchAndBound, level, 5), nullptr);
            EXPECT_EQ(FormatSearchAnswer(complete), FormatSearchAnswer(bound)) << seed << " level " << level;
        }
    }
}

TEST(FastEngine, AHoleGivenAsEmptyIsAnOrdinaryCell) {
    // Player 1 on (5,4) walled in except for the centre, which the grid gives as empty.
    ValueGrid grid = EmptyGrid();
    grid(5, 5) = Empty;
    grid(5, 4) = 1;
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col)
            if (CellValid(row, col) && grid(row, col) == Empty && !(row == 5 && col == 5)) grid(row, col) = 2;
    for (int algo : {Complete, AlphaBeta, HomeMade})
        for (int level : {0, 2}) {
            const std::string expected = Answer(EngineKind::Reference, grid, 1, algo, level, 5);
            EXPECT_EQ(expected.rfind("move 5 4 5 5 1", 0), 0u) << expected;
            EXPECT_EQ(Answer(EngineKind::Fast, grid, 1, algo, level, 5), expected);
        }
}

TEST(FastEngine, UnusualGridsGetTheReferenceAnswer) {
    ValueGrid piecesOutside = StartingGrid(American);
    piecesOutside(1, 9) = 1; // outside the hexagon: it can still move into it
    ValueGrid oddValue = StartingGrid(Swedish);
    oddValue(5, 3) = 7;
    for (const ValueGrid& grid : {piecesOutside, oddValue})
        for (int algo : {Complete, HomeMade})
            EXPECT_EQ(Answer(EngineKind::Fast, grid, 1, algo, 2, 5),
                      Answer(EngineKind::Reference, grid, 1, algo, 2, 5));
    // A side number that is no player: the reference search defines the answer.
    EXPECT_EQ(Answer(EngineKind::Fast, StartingGrid(Standard), 3, Complete, 1, 5),
              Answer(EngineKind::Reference, StartingGrid(Standard), 3, Complete, 1, 5));
}

TEST(FastEngine, ReportsProgressLikeTheReferenceSearch) {
    const ValueGrid grid = RandomPlayout(Standard, 24, 5);
    const int ownPieces = PopCount(MasksOf(grid).Player[1]);
    for (int threads : {1, 3}) {
        FastEngine engine(TestTableLog2, threads);
        struct Case {
            int algo, level, branch;
            int expectedMaximum;
        };
        for (const Case& c : {Case{Complete, 3, 5, ownPieces}, Case{AlphaBeta, 0, 5, ownPieces},
                              Case{HomeMade, 3, 7, 7}, Case{HomeMade, 0, 30, 30}}) {
            RecordingProgress progress;
            const SearchOutcome outcome =
                engine.Search(grid, 1, MakeSearchSettings(c.algo, c.level, c.branch), &progress);
            EXPECT_FALSE(outcome.Stopped);
            EXPECT_EQ(progress.maxima, std::vector<int>{c.expectedMaximum}) << c.algo;
            EXPECT_EQ(progress.steps, c.expectedMaximum) << c.algo;

            for (int stopAt : {1, 3}) {
                RecordingProgress stopping(stopAt);
                EXPECT_TRUE(
                    engine.Search(grid, 1, MakeSearchSettings(c.algo, c.level, c.branch), &stopping).Stopped);
                EXPECT_EQ(stopping.steps, stopAt);
            }
        }
    }
}

TEST(FastEngine, StopsInsideALongTopLevelStep) {
    FastEngine engine(TestTableLog2);
    for (int algo : {Complete, AlphaBeta, HomeMade}) {
        StopAfterPolls progress(2);
        const SearchOutcome outcome =
            engine.Search(StartingGrid(Standard), 1, MakeSearchSettings(algo, MaxLevel, 30), &progress);
        EXPECT_TRUE(outcome.Stopped) << algo;
        EXPECT_EQ(progress.seen(), 2) << "no more polls once stopped";
    }
    // Every thread gives up, and none asks again once one has seen the request.
    engine.SetThreads(4);
    for (int algo : {Complete, AlphaBeta, HomeMade}) {
        StopAfterPolls progress(3);
        EXPECT_TRUE(
            engine.Search(StartingGrid(Standard), 1, MakeSearchSettings(algo, MaxLevel, 30), &progress)
                .Stopped);
        EXPECT_LE(progress.seen(), 3 + 3) << "at most one more poll per other thread";
    }
    // A stopped search leaves nothing behind that changes the next answer.
    const ValueGrid grid = RandomPlayout(American, 30, 2);
    EXPECT_EQ(FormatSearchAnswer(engine.Search(grid, 1, MakeSearchSettings(Complete, 2, 5), nullptr)),
              Answer(EngineKind::Reference, grid, 1, Complete, 2, 5));
}

TEST(FastEngine, AllocatesNothingWhileSearching) {
    FastEngine engine(TestTableLog2);
    const ValueGrid grid = RandomPlayout(Standard, 26, 9);
    for (int algo : {Complete, AlphaBeta, HomeMade}) {
        RecordingProgress progress;
        progress.maxima.reserve(4);
        const long before = allocations;
        engine.Search(grid, 1, MakeSearchSettings(algo, 4, 30), &progress);
        EXPECT_EQ(allocations - before, 0) << algo;
    }
}

// The answer must not depend on the number of threads nor on how they are scheduled: each
// varied position is searched at one of levels 3 to 6 (the busier the position, the lower),
// with one thread and then with 2, 3 and 8, every algorithm in turn. Each engine keeps its
// table from one search to the next, so the threads also meet entries of earlier searches.
TEST(FastEngine, GivesTheSameAnswersOnAnyNumberOfThreads) {
    FastEngine single(TestTableLog2, 1);
    std::vector<std::unique_ptr<FastEngine>> parallel;
    for (int threads : {2, 3, 8})
        parallel.push_back(std::make_unique<FastEngine>(TestTableLog2, threads));
    int deep = 0, checkedByReference = 0;
    for (uint32_t seed = 1; seed <= 240; seed += PositionStride) {
        int side = 1;
        const ValueGrid grid = DifferentialPosition(seed + 5000, side);
        const std::size_t moves = LegalMoves(grid, side).size();
        const int algo = static_cast<int>(seed % 4);
        const int byMoves = moves <= 15 ? 6 : moves <= 40 ? 5 : moves <= 80 ? 4 : 3;
        const int deepest = std::max(3, byMoves - SanitizerLevels);
        const int level = std::min(deepest, 3 + static_cast<int>(seed / 4 % 4));
        const SearchSettings settings = MakeSearchSettings(algo, level, 3 + static_cast<int>(seed * 7 % 28));
        const std::string expected = FormatSearchAnswer(single.Search(grid, side, settings, nullptr));
        // Deep searches reorder the top-level moves: the reference search checks a few of them.
        if (level == 4 && moves <= 16) {
            ++checkedByReference;
            ASSERT_EQ(expected, Answer(EngineKind::Reference, grid, side, algo, level, settings.Branch))
                << GridText(grid) << ' ' << side << ' ' << algo << ' ' << level << ' ' << settings.Branch;
        }
        for (auto& engine : parallel)
            ASSERT_EQ(FormatSearchAnswer(engine->Search(grid, side, settings, nullptr)), expected)
                << GridText(grid) << ' ' << side << ' ' << algo << ' ' << level << ' ' << settings.Branch
                << " on " << engine->Threads() << " threads";
        deep += level >= 5 - SanitizerLevels / 2;
    }
    EXPECT_GE(deep, 12);
    EXPECT_GE(checkedByReference, 2);
}

TEST(FastEngine, SearchesFromSeveralThreadsTakeTurns) {
    const ValueGrid grid = RandomPlayout(Swedish, 18, 4);
    const std::string expected = Answer(EngineKind::Reference, grid, 1, AlphaBeta, 3, 5);
    std::atomic<int> agreeing{0};
    std::thread other([&] { agreeing += Answer(EngineKind::Fast, grid, 1, AlphaBeta, 3, 5) == expected; });
    agreeing += Answer(EngineKind::Fast, grid, 1, AlphaBeta, 3, 5) == expected;
    other.join();
    EXPECT_EQ(agreeing, 2);
}
