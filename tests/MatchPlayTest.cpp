// The match tool's games: reproducible, both colours, ended by the rules, read back from their
// lines; its rating of a match; and the settings it accepts.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "rules/Layouts.h"
#include "rules/LegalMoves.h"
#include "tools/MatchPlay.h"

namespace {

SearchSettings Player(const char* text) {
    return std::get<SearchSettings>(ParseMatchPlayer(text));
}

} // namespace

TEST(MatchPlay, ReadsSettingsAndRefusesAnythingOutOfRange) {
    const SearchSettings homeMade = Player("3:5:30");
    EXPECT_EQ(homeMade.Algo, HomeMade);
    EXPECT_EQ(homeMade.Level, 5);
    EXPECT_EQ(homeMade.Branch, 30);
    EXPECT_EQ(Player("3:2").Branch, 5);
    EXPECT_EQ(MatchPlayerName(Player("2:5")), "2:5");
    EXPECT_EQ(MatchPlayerName(Player("2:5:9")), "2:5"); // the branch is Home Made's only
    EXPECT_EQ(MatchPlayerName(homeMade), "3:5:30");
    for (const char* bad :
         {"", "2", "4:1", "-1:1", "2:9", "2:-1", "3:1:2", "3:1:31", "2:1:5:5", "a:1", "2:1x", "2::5", " 2:1"})
        EXPECT_TRUE(std::holds_alternative<std::string>(ParseMatchPlayer(bad))) << "'" << bad << "'";
}

TEST(MatchPlay, OpeningsAreLegalDistinctAndShuffledBySeed) {
    const std::vector<Opening> openings = ShuffledOpenings(1);
    std::set<std::string> seen;
    std::set<int> layouts;
    for (const Opening& opening : openings) {
        const ValueGrid start = StartingGrid(opening.Layout);
        ASSERT_TRUE(IsLegalMove(start, opening.First, 1));
        ValueGrid after;
        ApplyMoveToGrid(start, after, opening.First, 1, 2);
        ASSERT_TRUE(IsLegalMove(after, opening.Second, 2));
        layouts.insert(opening.Layout);
        seen.insert(std::to_string(opening.Layout) + MatchGameLine({}, {}, 0, {0, opening}));
    }
    EXPECT_EQ(seen.size(), openings.size());
    EXPECT_EQ(layouts, (std::set<int>{Standard, American, Swedish}));
    const std::vector<Opening> again = ShuffledOpenings(1), other = ShuffledOpenings(2);
    ASSERT_EQ(again.size(), openings.size());
    int same = 0, moved = 0;
    for (std::size_t i = 0; i < openings.size(); ++i) {
        same += again[i].First == openings[i].First && again[i].Second == openings[i].Second;
        moved += !(other[i].First == openings[i].First && other[i].Second == openings[i].Second);
    }
    EXPECT_EQ(same, static_cast<int>(openings.size()));
    EXPECT_GT(moved, static_cast<int>(openings.size()) / 2);
}

// Each opening twice, the colours swapped; the games of a seed are the same games every time,
// and each ends where the player to move has no move, or where a position came back.
TEST(MatchPlay, SameSeedSameGamesColoursAlternateAndEveryGameEndsByTheRules) {
    const SearchSettings a = Player("2:1"), b = Player("3:1:5");
    const std::vector<Opening> openings = ShuffledOpenings(11);
    FastEngine engine(12, 1);
    for (int index = 0; index < 12; ++index) {
        const MatchGame planned = PlannedGame(openings, index);
        EXPECT_EQ(planned.FirstPlayer, index % 2 == 0 ? 1 : 2);
        const MatchGame sibling = PlannedGame(openings, index ^ 1);
        EXPECT_EQ(planned.Start.First, sibling.Start.First);
        EXPECT_EQ(planned.Start.Second, sibling.Start.Second);

        MoveTimes times;
        const MatchGame game = PlayMatchGame(planned, a, b, engine, &times);
        const MatchGame again = PlayMatchGame(planned, a, b, engine, nullptr);
        EXPECT_EQ(MatchGameLine(a, b, 11, game), MatchGameLine(a, b, 11, again));
        EXPECT_EQ(game.Final, again.Final);
        // Two plies of the opening, then the two players in turn.
        EXPECT_EQ(static_cast<int>(times.A.size() + times.B.size()), game.Plies - 2);
        EXPECT_LE(static_cast<int>(times.A.size()) - static_cast<int>(times.B.size()), 1);
        if (game.End == GameEnd::NoMove) {
            EXPECT_FALSE(HasLegalMove(game.Final, game.FinalToMove));
            EXPECT_TRUE(HasLegalMove(game.Final, OtherPlayer(game.FinalToMove)) ||
                        game.Pieces1 + game.Pieces2 == 58 || game.Pieces1 == 0 || game.Pieces2 == 0);
        }
        EXPECT_EQ(game.FinalToMove, game.Plies % 2 == 0 ? 1 : 2);
        int pieces1 = 0, pieces2 = 0;
        for (int32_t cell : game.Final.Cells)
            (cell == Player1 ? pieces1 : cell == Player2 ? pieces2 : cell) += 1;
        EXPECT_EQ(game.Pieces1, pieces1);
        EXPECT_EQ(game.Pieces2, pieces2);
        const int winner = pieces1 > pieces2 ? 1 : pieces2 > pieces1 ? 2 : 0;
        const int expected = game.End == GameEnd::Repeats || winner == 0 ? 0
                             : (winner == game.FirstPlayer)              ? 1
                                                                         : -1;
        EXPECT_EQ(game.ResultForA(), expected);
    }
}

TEST(MatchPlay, AStrongerSettingBeatsAMuchWeakerOne) {
    const SearchSettings strong = Player("2:3"), weak = Player("2:0");
    const std::vector<Opening> openings = ShuffledOpenings(3);
    FastEngine engine(14, 1);
    MatchScore score;
    for (int index = 0; index < 20; ++index)
        score.Add(PlayMatchGame(PlannedGame(openings, index), strong, weak, engine, nullptr).ResultForA());
    EXPECT_GE(score.Wins, 17);
    EXPECT_GT(score.Elo(), 200);
}

TEST(MatchPlay, LinesAreReadBackForTheirOwnMatchOnly) {
    const SearchSettings a = Player("2:0"), b = Player("3:0:30");
    FastEngine engine(12, 1);
    const MatchGame game = PlayMatchGame(PlannedGame(ShuffledOpenings(5), 7), a, b, engine, nullptr);
    const std::string line = MatchGameLine(a, b, 5, game);
    const std::optional<MatchGame> read = ParseMatchGameLine(line, a, b, 5);
    ASSERT_TRUE(read) << line;
    EXPECT_EQ(MatchGameLine(a, b, 5, *read), line);
    EXPECT_FALSE(ParseMatchGameLine(line, b, a, 5));
    EXPECT_FALSE(ParseMatchGameLine(line, a, b, 6));
    EXPECT_FALSE(ParseMatchGameLine(line.substr(0, line.size() - 3), a, b, 5)); // cut short
    std::string altered = line;
    altered.replace(altered.rfind(' ') + 1, std::string::npos, game.ResultForA() > 0 ? "B" : "A");
    EXPECT_FALSE(ParseMatchGameLine(altered, a, b, 5)) << "a result that the pieces contradict";
}

TEST(MatchPlay, ScoresAndRatesAMatch) {
    MatchScore score;
    for (int result : {1, 1, 1, 0, 0, -1, 1, 1})
        score.Add(result);
    EXPECT_EQ(score.Wins, 5);
    EXPECT_EQ(score.Draws, 2);
    EXPECT_EQ(score.Losses, 1);
    EXPECT_DOUBLE_EQ(score.Share(), 0.75);
    EXPECT_NEAR(score.Elo(), 190.8, 0.1);
    EXPECT_GT(score.EloMargin(), 100);
    EXPECT_TRUE(std::isfinite(score.EloMargin()) || score.Games() < 10);
    EXPECT_EQ(MatchSummaryLine(Player("2:1"), Player("2:0"), score),
              "2:1 vs 2:0: 5-2-1 score 75.0% elo 191 \u00b1 " +
                  std::to_string(std::lround(score.EloMargin())));
    MatchScore even;
    even.Add(1);
    even.Add(-1);
    EXPECT_EQ(even.Elo(), 0);
    MatchScore sweep;
    sweep.Add(1);
    EXPECT_TRUE(std::isinf(sweep.Elo()));
    EXPECT_TRUE(std::isinf(sweep.EloMargin())); // not a number that prints as "nan"
    EXPECT_NE(MatchSummaryLine(Player("2:1"), Player("2:0"), sweep).find("elo inf \u00b1 inf"),
              std::string::npos);
}

// Level 0 against itself from this opening goes round the same positions: both players choose
// from the position alone, so the game would never end. It is stopped where a position comes
// back, while the player to move still has a move, and counted as a draw whatever the pieces.
TEST(MatchPlay, AGameThatGoesRoundForEverIsStoppedAsADraw) {
    const SearchSettings level0 = Player("2:0");
    FastEngine engine(12, 1);
    const MatchGame game =
        PlayMatchGame(PlannedGame(ShuffledOpenings(1), 154), level0, level0, engine, nullptr);
    ASSERT_EQ(game.End, GameEnd::Repeats);
    EXPECT_TRUE(HasLegalMove(game.Final, game.FinalToMove));
    EXPECT_NE(game.Pieces1, game.Pieces2);
    EXPECT_EQ(game.ResultForA(), 0);
    EXPECT_NE(MatchGameLine(level0, level0, 1, game).find(" end repeats result draw"), std::string::npos);
}
