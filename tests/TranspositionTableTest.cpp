#include <gtest/gtest.h>

#include "ai/TranspositionTable.h"

namespace {

constexpr Bitboard Mine = 0b1011;
constexpr Bitboard Theirs = Bitboard{1} << 40;

} // namespace

TEST(TranspositionTable, KeepsEntriesApartByPositionKindAndDepth) {
    TranspositionTable table(4);
    table.Store(Mine, Theirs, 0, 3, -5, 7, NoCell, 12);
    const TranspositionTable::Probe hit = table.Find(Mine, Theirs, 0, 3);
    ASSERT_TRUE(hit.Found);
    EXPECT_EQ(hit.Lower, -5);
    EXPECT_EQ(hit.Upper, 7);
    EXPECT_EQ(hit.HintTo, 12);

    EXPECT_FALSE(table.Find(Theirs, Mine, 0, 3).Found) << "the sides swapped are another position";
    EXPECT_FALSE(table.Find(Mine, Theirs, 1, 3).Found) << "another kind of node";
    const TranspositionTable::Probe otherDepth = table.Find(Mine, Theirs, 0, 4);
    EXPECT_FALSE(otherDepth.Found);
    EXPECT_EQ(otherDepth.HintTo, 12) << "another depth still hints the move";
}

TEST(TranspositionTable, NarrowsBoundsOfOneValue) {
    TranspositionTable table(4);
    table.Store(Mine, Theirs, 2, 5, -10001, 20, 3, 17);
    table.Store(Mine, Theirs, 2, 5, 4, 10001, NoCell, NoCell);
    const TranspositionTable::Probe probe = table.Find(Mine, Theirs, 2, 5);
    ASSERT_TRUE(probe.Found);
    EXPECT_EQ(probe.Lower, 4);
    EXPECT_EQ(probe.Upper, 20);
    EXPECT_EQ(probe.HintFrom, 3) << "a store without a move keeps the known one";
    EXPECT_EQ(probe.HintTo, 17);
}

TEST(TranspositionTable, ClearForgetsEverythingEveryTime) {
    TranspositionTable table(2);
    // Past the epoch counter's wrap, where the memory itself is rewritten.
    for (int round = 0; round < 70; ++round) {
        table.Store(Mine, Theirs, 0, 2, round, round, NoCell, 5);
        ASSERT_TRUE(table.Find(Mine, Theirs, 0, 2).Found) << round;
        table.Clear();
        const TranspositionTable::Probe probe = table.Find(Mine, Theirs, 0, 2);
        ASSERT_FALSE(probe.Found) << round;
        ASSERT_EQ(probe.HintTo, NoCell) << round;
    }
}

TEST(TranspositionTable, AFullBucketGivesWayToNewEntries) {
    TranspositionTable table(0); // one bucket: every position competes for it
    for (int depth = 1; depth <= 6; ++depth)
        table.Store(Mine, Theirs, 0, depth, depth, depth, NoCell, NoCell);
    int kept = 0;
    for (int depth = 1; depth <= 6; ++depth)
        kept += table.Find(Mine, Theirs, 0, depth).Found;
    EXPECT_EQ(kept, TranspositionTable::BucketSize);
    EXPECT_TRUE(table.Find(Mine, Theirs, 0, 6).Found) << "the newest entry is stored";
}
