#include <gtest/gtest.h>

#include "rules/Layouts.h"
#include "rules/MoveNotation.h"
#include "tests/MoveTestSupport.h"

namespace {

// The position after the first `count` moves, replayed from scratch.
GamePosition Replay(const GamePosition& start, const std::vector<Move>& moves, std::size_t count) {
    GamePosition position = start;
    for (std::size_t i = 0; i < count; ++i) {
        GamePosition next;
        ApplyMoveToGrid(position.Grid, next.Grid, moves[i], position.ToMove, OtherPlayer(position.ToMove));
        next.ToMove = OtherPlayer(position.ToMove);
        position = next;
    }
    return position;
}

TEST(GameRecord, UndoAllRestoresTheStartAndRedoAllTheEnd) {
    for (int variant = 1; variant <= 3; ++variant)
        for (unsigned seed = 1; seed <= 20; ++seed) {
            std::mt19937 random(seed * 31 + variant);
            const GamePosition start{StartingGrid(variant), 1};
            const std::vector<Move> moves = RandomGame(start, random, 120);
            GameRecord record(start);
            for (const Move& move : moves)
                ASSERT_TRUE(record.Play(move));
            const GamePosition end = record.Current();
            while (record.CanUndo())
                record.GoTo(record.Cursor() - 1);
            EXPECT_EQ(record.Current(), start) << variant << "/" << seed;
            while (record.CanRedo())
                record.GoTo(record.Cursor() + 1);
            EXPECT_EQ(record.Current(), end) << variant << "/" << seed;
            EXPECT_EQ(record.Size(), moves.size());
        }
}

TEST(GameRecord, RandomUndoRedoAndNewMovesMatchAReplayOfTheKeptMoves) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        std::mt19937 random(seed);
        const GamePosition start{StartingGrid(1 + seed % 3), 1};
        GameRecord record(start);
        for (int step = 0; step < 300; ++step) {
            const int action = std::uniform_int_distribution<int>(0, 3)(random);
            if (action == 0 && record.CanUndo()) {
                record.GoTo(record.Cursor() - 1);
            } else if (action == 1 && record.CanRedo()) {
                record.GoTo(record.Cursor() + 1);
            } else {
                const std::vector<Move> legal = LegalMoves(record.Current().Grid, record.Current().ToMove);
                if (legal.empty()) continue;
                const std::size_t kept = record.Size();
                const bool redoing = record.CanRedo();
                const Move move =
                    legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(random)];
                const bool same = redoing && record.Moves()[record.Cursor()] == move;
                ASSERT_TRUE(record.Play(move));
                // A new move drops the steps Redo had; the same move keeps them.
                if (same)
                    EXPECT_EQ(record.Size(), kept);
                else
                    EXPECT_EQ(record.Size(), record.Cursor());
            }
            ASSERT_EQ(record.Current(), Replay(start, record.Moves(), record.Cursor()))
                << seed << "@" << step;
        }
    }
}

// The notation itself is tested with the text library; here, the moves it carries.
TEST(MoveNotation, CarriesAMoveThereAndBack) {
    for (const Move& move : {Move{5, 3, 6, 4, true}, Move{9, 9, 7, 9, false}})
        EXPECT_EQ(ParseMoveText(MoveText(move)), move);
    EXPECT_EQ(MoveText({5, 3, 6, 4, true}), "5-3-6-4-1");
}

} // namespace
