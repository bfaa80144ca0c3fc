#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "app/SearchJob.h"
#include "rules/Layouts.h"
#include "tools/RandomPositions.h"

namespace {

bool FinishesWithin(const SearchJob& job, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!job.Finished() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return job.Finished();
}

// The computer's turn as the window runs it: a job on its worker, watched from another
// thread, stopped, abandoned, and several at once.
TEST(SearchJob, GivesTheEnginesAnswerAndStopsOrIsAbandonedCleanly) {
    const ValueGrid grid = RandomPlayout(Standard, 20, 4);
    const SearchSettings quick = MakeSearchSettings(AlphaBeta, 3, 5);
    {
        SearchJob job(grid, 1, quick);
        ASSERT_TRUE(FinishesWithin(job, std::chrono::seconds(60)));
        const SearchOutcome alone = SearchTopLevel(EngineKind::Fast, grid, 1, quick, nullptr);
        EXPECT_EQ(job.Outcome().BestMove, alone.BestMove);
        EXPECT_EQ(job.Outcome().Score, alone.Score);
        EXPECT_GE(job.Steps(), 1);
    }
    {
        SearchJob job(StartingGrid(Standard), 1, MakeSearchSettings(Complete, MaxLevel, 30));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        job.RequestStop();
        ASSERT_TRUE(FinishesWithin(job, std::chrono::seconds(30)));
        EXPECT_TRUE(job.Outcome().Stopped);
    }
    {
        // Two turns at once take turns on the engine; one is abandoned while it searches.
        SearchJob first(grid, 1, MakeSearchSettings(Complete, 6, 5));
        SearchJob second(grid, 2, quick);
        first.Abandon();
        ASSERT_TRUE(FinishesWithin(second, std::chrono::seconds(60)));
        EXPECT_FALSE(second.Outcome().Stopped);
    }
    // The abandoned worker ends on its own; the next search waits for it.
    EXPECT_FALSE(SearchTopLevel(EngineKind::Fast, grid, 1, quick, nullptr).NoMove);
}

} // namespace
