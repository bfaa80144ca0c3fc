#include <gtest/gtest.h>

#include "rules/Game.h"
#include "rules/Layouts.h"
#include "rules/MoveOffsets.h"
#include "tests/MoveTestSupport.h"

namespace {

// A started game with the layout's pieces, player 1 to move, its record following.
Game Started(int variant) {
    Game game;
    game.WriteLayout(variant);
    game.Running = true;
    game.StartRecord(variant);
    return game;
}

TEST(Game, RefusesWhatTheBoardDoesNotAllowAndChangesNothing) {
    Game game;
    game.Place(4, 4, 1);
    game.Place(6, 6, 2);
    game.StartRecord(Standard);
    struct Case {
        Move Tried;
        const char* Name;
    };
    for (const Case& c : {
             Case{{4, 4, 5, 5, true}, "onto a hole"},
             Case{{4, 4, 6, 6, false}, "onto a piece"},
             Case{{6, 6, 7, 7, true}, "the opponent's piece"},
             Case{{3, 3, 3, 2, true}, "from an empty cell"},
             Case{{4, 4, 4, 6, true}, "a jump played as a clone"},
             Case{{4, 4, 4, 5, false}, "a clone played as a jump"},
             Case{{4, 4, 4, 7, false}, "three cells away"},
             Case{{1, 1, 0, 1, true}, "off the board"},
             Case{{4, 4, 9, 12, false}, "far off the board"},
             Case{{0, 0, 1, 1, true}, "from off the board"},
         }) {
        const GamePosition before = game.Position();
        EXPECT_FALSE(game.Play(c.Tried)) << c.Name;
        EXPECT_EQ(game.Position(), before) << c.Name;
        EXPECT_EQ(game.record().Size(), 0u) << c.Name;
        EXPECT_TRUE(game.RecordFollows()) << c.Name;
    }
}

// Over random games: each move is applied as the rules apply it, the captures named are
// exactly the pieces that changed colour, in the order of the offsets, and the record keeps
// standing where the board stands.
TEST(Game, AppliesEachMoveOnceAndNamesItsCapturesInOffsetOrder) {
    for (int variant = 1; variant <= 3; ++variant)
        for (unsigned seed = 1; seed <= 10; ++seed) {
            std::mt19937 random(seed * 7 + variant);
            const std::vector<Move> moves = RandomGame({StartingGrid(variant), 1}, random, 150);
            Game game = Started(variant);
            for (const Move& move : moves) {
                const GamePosition before = game.Position();
                ValueGrid expected;
                ApplyMoveToGrid(before.Grid, expected, move, before.ToMove, OtherPlayer(before.ToMove));
                const std::optional<Captures> captures = game.Play(move);
                ASSERT_TRUE(captures);
                ASSERT_EQ(game.Grid(), expected);
                EXPECT_EQ(game.ToMove, OtherPlayer(before.ToMove));
                int changed = 0;
                int last = -1;
                for (int i = 0; i < captures->Count; ++i) {
                    const CellPos cell = captures->Cells[i];
                    EXPECT_EQ(before.Grid(cell.Row, cell.Col), OtherPlayer(before.ToMove));
                    const Offset offset{cell.Row - move.ToRow, cell.Col - move.ToCol};
                    int k = 0;
                    while (k < NeighbourCount &&
                           !(MoveOffsets[k].dRow == offset.dRow && MoveOffsets[k].dCol == offset.dCol))
                        ++k;
                    EXPECT_GT(k, last) << "captures come in the order of the offsets";
                    last = k;
                }
                for (int i = 0; i < 81; ++i)
                    changed += before.Grid.Cells[i] == OtherPlayer(before.ToMove) &&
                               expected.Cells[i] == before.ToMove;
                EXPECT_EQ(captures->Count, changed);
                ASSERT_EQ(game.record().Current(), game.Position());
            }
            EXPECT_EQ(game.record().Moves(), moves);
        }
}

TEST(Game, TheRecordFollowsUntilTheBoardPartsAndEndsWithItsGame) {
    Game game = Started(Standard);
    ASSERT_TRUE(game.Play({3, 7, 3, 6, true}));
    game.Clear();
    EXPECT_FALSE(game.RecordLive()) << "an emptied board is no result";
    game.EndRecord();
    EXPECT_TRUE(game.RecordEnded()) << "the game the record followed ended";
    game.ForgetEnded();
    EXPECT_FALSE(game.RecordLive()) << "new players";

    game = Started(Standard);
    game.Place(1, 1, 1); // a piece set by hand
    ASSERT_TRUE(game.Play({3, 7, 3, 6, true}));
    EXPECT_FALSE(game.RecordFollows());
    game.Clear();
    game.EndRecord();
    EXPECT_FALSE(game.RecordEnded()) << "a record that no longer followed is no game's";
}

TEST(Game, UndoAndRedoStopWhereAPersonMovesAndTheEndedGameShowsItsFinalPosition) {
    Game game = Started(Standard);
    const std::vector<Move> moves{
        {3, 7, 3, 6, true}, {3, 1, 3, 2, true}, {4, 7, 4, 6, true}, {5, 3, 5, 4, true}};
    for (const Move& move : moves)
        ASSERT_TRUE(game.Play(move));
    const bool personAgainstComputer[3] = {false, false, true};
    EXPECT_EQ(game.UndoTarget(personAgainstComputer), 2u) << "the reply goes with the move";
    game.ShowRecordAt(2);
    EXPECT_EQ(game.RedoTarget(personAgainstComputer), 4u);
    EXPECT_EQ(game.Position(), game.record().At(2));
    EXPECT_TRUE(game.RecordFollows());

    const bool twoComputers[3] = {false, true, true};
    game.ShowRecordAt(4);
    EXPECT_EQ(game.UndoTarget(twoComputers), std::nullopt);
    game.Clear();
    game.EndRecord();
    EXPECT_EQ(game.UndoTarget(twoComputers), 4u) << "Undo after the result shows how it ended";
    game.ShowFinalPosition();
    EXPECT_FALSE(game.Running);
    EXPECT_TRUE(game.FinalPositionShown());
    EXPECT_EQ(game.Grid(), game.record().At(4).Grid);
    EXPECT_EQ(game.UndoTarget(twoComputers), std::nullopt);
    EXPECT_EQ(game.RedoTarget(twoComputers), std::nullopt);
}

} // namespace
