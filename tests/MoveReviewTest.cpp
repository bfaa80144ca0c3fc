#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <vector>

#include "ai/MoveReview.h"
#include "rules/Layouts.h"
#include "tests/MoveTestSupport.h"

namespace {

// On random games, the fast engine's review is the reference engine's, move by move; and the
// values hold what they promise: no move is better than the best, and the best is worth what
// the search said.
TEST(MoveReview, AgreesWithTheReferenceSearchAndItsValuesAreConsistent) {
    for (int level = 1; level <= 3; ++level)
        for (int variant = 1; variant <= 3; ++variant) {
            std::mt19937 random(level * 10 + variant);
            const GamePosition start{StartingGrid(variant), 1};
            GameRecord record(start);
            for (const Move& move : RandomGame(start, random, level == 3 ? 6 : 14))
                ASSERT_TRUE(record.Play(move));
            ReviewSearches fast(EngineKind::Fast);
            ReviewSearches reference(EngineKind::Reference);
            const std::vector<MoveReview> byFast = ReviewGame(fast, record, level);
            const std::vector<MoveReview> byReference = ReviewGame(reference, record, level);
            ASSERT_EQ(byFast.size(), record.Size());
            for (std::size_t ply = 0; ply < byFast.size(); ++ply) {
                const MoveReview& review = byFast[ply];
                EXPECT_EQ(review.Best, byReference[ply].Best) << level << "/" << variant << "@" << ply;
                EXPECT_EQ(review.BestValue, byReference[ply].BestValue)
                    << level << "/" << variant << "@" << ply;
                EXPECT_EQ(review.PlayedValue, byReference[ply].PlayedValue)
                    << level << "/" << variant << "@" << ply;
                EXPECT_LE(review.PlayedValue, review.BestValue) << "no move beats the best";
                // The best move reviewed as if played is worth exactly the best value.
                const std::optional<MoveReview> asBest = ReviewMove(fast, record.At(ply), review.Best, level);
                EXPECT_EQ(asBest->PlayedValue, review.BestValue);
                EXPECT_EQ(asBest->Loss(), 0);
                EXPECT_EQ(review.WhiteValue(), review.Side == 1 ? review.PlayedValue : -review.PlayedValue);
            }
        }
}

TEST(MoveReview, MarksFollowTheLossAndSummariesCountThem) {
    const std::pair<int, const char*> marks[] = {{0, ""},  {1, ""},  {2, "?!"}, {3, "?!"},
                                                 {4, "?"}, {7, "?"}, {8, "??"}, {30, "??"}};
    for (const auto& [loss, mark] : marks)
        EXPECT_EQ(MarkText(MarkOf(loss)), mark) << loss;

    const auto review = [](int side, int best, int played) {
        MoveReview r;
        r.Side = side;
        r.BestValue = best;
        r.PlayedValue = played;
        return std::optional<MoveReview>(r);
    };
    const std::vector<std::optional<MoveReview>> reviews{review(1, 3, 3), review(2, 5, -4), review(1, 2, -1),
                                                         std::nullopt,    review(1, 6, 0),  review(2, 1, 0)};
    const ReviewSummary white = Summarize(reviews, 1);
    EXPECT_EQ(white.Moves, 3);
    EXPECT_DOUBLE_EQ(white.AverageLoss, 3.0);
    EXPECT_EQ(white.Inaccuracies, 1);
    EXPECT_EQ(white.Mistakes, 1);
    EXPECT_EQ(white.Blunders, 0);
    const ReviewSummary yellow = Summarize(reviews, 2);
    EXPECT_EQ(yellow.Moves, 2);
    EXPECT_EQ(yellow.Blunders, 1);
    EXPECT_DOUBLE_EQ(yellow.AverageLoss, 5.0);
}

} // namespace
