#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/GameFile.h"
#include "rules/Layouts.h"
#include "tests/MoveTestSupport.h"

namespace {

PlayerConfig SomePlayers() {
    PlayerConfig players;
    players.PlayerIsComputer[1] = false;
    players.PlayerIsComputer[2] = true;
    players.Level[2] = 6;
    players.Algo[1] = BranchAndBound;
    players.Algo[2] = HomeMade;
    players.Branch[2] = 17;
    return players;
}

TEST(GameFile, RoundTripsAtEveryMoveOfRandomGames) {
    for (int variant = 1; variant <= 3; ++variant)
        for (unsigned seed = 1; seed <= 6; ++seed) {
            std::mt19937 random(seed + 100 * variant);
            const GamePosition start{StartingGrid(variant), 1};
            const std::vector<Move> moves = RandomGame(start, random, 80);
            GameRecord record(start);
            for (std::size_t ply = 0; ply <= moves.size(); ++ply) {
                if (ply > 0) record.Play(moves[ply - 1]);
                auto read = ReadGameText(GameText(variant, SomePlayers(), record));
                ASSERT_TRUE(std::holds_alternative<SavedGame>(read)) << std::get<GameFileError>(read).Text();
                const SavedGame& game = std::get<SavedGame>(read);
                EXPECT_EQ(game.Variant, variant);
                EXPECT_EQ(game.Record.Moves(), std::vector<Move>(moves.begin(), moves.begin() + ply));
                EXPECT_EQ(game.Record.Current(), record.Current());
                for (int p = 1; p <= 2; ++p) {
                    EXPECT_EQ(game.Players.PlayerIsComputer[p], SomePlayers().PlayerIsComputer[p]);
                    EXPECT_EQ(game.Players.Level[p], SomePlayers().Level[p]);
                    EXPECT_EQ(game.Players.Algo[p], SomePlayers().Algo[p]);
                    EXPECT_EQ(game.Players.Branch[p], SomePlayers().Branch[p]);
                }
            }
        }
}

TEST(GameFile, SavesOnlyTheMovesUpToTheShownPosition) {
    GameRecord record(GamePosition{StartingGrid(Standard), 1});
    record.Play({3, 7, 3, 6, true});
    record.Play({3, 1, 3, 2, true});
    record.GoTo(1);
    EXPECT_EQ(GameText(Standard, PlayerConfig{}, record),
              "Tessaron game 1\n"
              "layout Standard\n"
              "player 1 Human level 0 branch 5 algorithm Home Made\n"
              "player 2 Computer level 0 branch 5 algorithm Alpha-Beta\n"
              "moves\n"
              "3-7-3-6-1\n"
              "end\n");
}

const std::string Good = "Tessaron game 1\n"
                         "layout Standard\n"
                         "player 1 Human level 0 branch 5 algorithm Home Made\n"
                         "player 2 Computer level 3 branch 5 algorithm Alpha-Beta\n"
                         "moves\n"
                         "3-7-3-6-1\n"
                         "3-1-3-2-1\n"
                         "end\n";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

TEST(GameFile, RefusesEachKindOfBadFileNamingItsLine) {
    struct Case {
        const char* Name;
        std::string Text;
        int Line;
        const char* Reason; // a part of the reason
    };
    for (const Case& c : {
             Case{"empty", "", 1, "empty"},
             Case{"not a game", "[HKEY_CURRENT_USER\\Software\\Tessaron]\n", 1, "not a Tessaron game"},
             Case{"binary", std::string("\x89PNG\r\n\x1a\n\0\0", 10), 1, "not a Tessaron game"},
             Case{"unknown version", Replace(Good, "game 1", "game 2"), 1, "version 2"},
             Case{"version not a number", Replace(Good, "game 1", "game one"), 1, "number"},
             Case{"unknown layout", Replace(Good, "Standard", "Hexagonal"), 2, "layout"},
             Case{"network player", Replace(Good, "1 Human", "1 Network"), 3, "KIND"},
             Case{"level out of range", Replace(Good, "level 3", "level 9"), 4, "0 to 8"},
             Case{"unknown algorithm", Replace(Good, "Alpha-Beta", "Minimax"), 4, "NAME"},
             Case{"no moves line", Replace(Good, "moves\n", "move\n"), 5, "\"moves\""},
             Case{"malformed move", Replace(Good, "3-1-3-2-1", "3-1-3-2"), 7, "\"3-1-3-2\" is not a move"},
             Case{"illegal move", Replace(Good, "3-1-3-2-1", "3-7-2-7-1"), 7, "not legal for player 2"},
             Case{"wrong kind", Replace(Good, "3-1-3-2-1", "3-1-3-2-0"), 7, "not legal"},
             Case{"cut in the moves", Good.substr(0, Good.find("end")), 8, "cut short"},
             Case{"cut in the players", Good.substr(0, Good.find("player 2")), 4, "cut short"},
             Case{"text after the end", Good + "3-1-3-2-1\n", 9, "nothing may follow"},
         }) {
        auto read = ReadGameText(c.Text);
        ASSERT_TRUE(std::holds_alternative<GameFileError>(read)) << c.Name;
        const GameFileError& error = std::get<GameFileError>(read);
        EXPECT_EQ(error.Line, c.Line) << c.Name << ": " << error.Text();
        EXPECT_NE(error.Reason.find(c.Reason), std::string::npos) << c.Name << ": " << error.Text();
    }
    // Windows line ends and a trailing empty line are fine.
    EXPECT_TRUE(
        std::holds_alternative<SavedGame>(ReadGameText(Replace(Good, "moves\n", "moves\r\n") + "\n")));
    EXPECT_TRUE(std::holds_alternative<SavedGame>(ReadGameText(std::string(GameFileMaxBytes + 1, 'x'))) ==
                false);
}

TEST(GameFile, WritesWholeFilesAndKeepsTheOldOneWhenItCannot) {
    QTemporaryDir dir;
    const QString path = dir.filePath("game.tgame");
    ASSERT_TRUE(WriteGameFile(path, Good).isEmpty());
    auto read = ReadGameFile(path);
    ASSERT_TRUE(std::holds_alternative<SavedGame>(read));
    EXPECT_EQ(std::get<SavedGame>(read).Record.Size(), 2u);
    EXPECT_FALSE(WriteGameFile(dir.filePath("missing/game.tgame"), Good).isEmpty());
    EXPECT_EQ(std::get<GameFileError>(ReadGameFile(dir.filePath("none.tgame"))).Line, 1);
}

} // namespace
