#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include "app/GameFile.h"
#include "app/MoveList.h"
#include "app/MovesMenu.h"
#include "app/settings/Profile.h"
#include "rules/Layouts.h"
#include "tests/MoveTestSupport.h"
#include "tests/WindowTestSupport.h"

namespace {

// What the window shows of a position: the values, both score captions and the mover.
struct Shown {
    ValueGrid Grid;
    QString Score1, Score2;
    int ToMove;
    friend bool operator==(const Shown&, const Shown&) = default;
};

class MovesMenu : public WindowTest {
  protected:
    TMovesMenu& moves() { return *form->Moves; }
    Shown Now() {
        return {CopyToValueGrid(form->board()), form->Score1->text(), form->Score2->text(),
                form->CurrentPlayer};
    }
    void StartGame(int variant, bool computer1, bool computer2) {
        form->Config.PlayerIsComputer[1] = computer1;
        form->Config.PlayerIsComputer[2] = computer2;
        form->StandardClick(variant == 1 ? form->Standard : variant == 2 ? form->American : form->Swedish);
        form->Start1Click();
    }
    // A random legal move of the side to move, played with the mouse.
    bool PlayRandomMove(std::mt19937& random) {
        const std::vector<Move> legal = LegalMoves(CopyToValueGrid(form->board()), form->CurrentPlayer);
        if (legal.empty()) return false;
        PlayByMouse(legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(random)]);
        return true;
    }
};

TEST_F(MovesMenu, UndoAllRestoresTheStartRedoAllTheEndAndRandomStepsMatchThePositions) {
    for (int variant = 1; variant <= 3; ++variant) {
        std::mt19937 random(variant);
        StartGame(variant, false, false);
        std::vector<Shown> shown{Now()};
        for (int i = 0; i < 24 && form->GameRunning && PlayRandomMove(random); ++i)
            shown.push_back(Now());
        ASSERT_TRUE(form->GameRunning);
        while (moves().Undo1->isEnabled())
            moves().Undo1->trigger();
        EXPECT_EQ(Now(), shown.front()) << variant;
        ExpectBoardConsistent();
        while (moves().Redo1->isEnabled())
            moves().Redo1->trigger();
        EXPECT_EQ(Now(), shown.back()) << variant;
        for (int step = 0; step < 60; ++step) {
            (random() % 2 ? moves().Undo1 : moves().Redo1)->trigger();
            ASSERT_EQ(Now(), shown[moves().record().Cursor()]) << variant << "@" << step;
        }
        ExpectBoardConsistent();
        // A new move after Undo drops the moves Redo would have brought back.
        moves().GoToPly(2);
        std::mt19937 other(99);
        ASSERT_TRUE(PlayRandomMove(other));
        EXPECT_EQ(moves().record().Size(), 3u);
        EXPECT_FALSE(moves().Redo1->isEnabled());
    }
}

TEST_F(MovesMenu, AgainstTheComputerUndoTakesBackTheReplyWithTheMove) {
    for (int variant = 1; variant <= 3; ++variant) {
        // A random player can lose a small layout within six moves: take a seed whose game lasts.
        std::vector<Shown> humanTurns;
        for (unsigned seed = 1; seed <= 20 && !(form->GameRunning && humanTurns.size() == 7); ++seed) {
            std::mt19937 random(seed);
            StartGame(variant, false, true);
            humanTurns = {Now()};
            for (int i = 0; i < 6 && form->GameRunning && PlayRandomMove(random); ++i)
                if (form->GameRunning) humanTurns.push_back(Now());
        }
        ASSERT_TRUE(form->GameRunning) << variant;
        ASSERT_EQ(moves().record().Size(), 2 * (humanTurns.size() - 1));
        for (std::size_t back = humanTurns.size() - 1; back-- > 0;) {
            moves().Undo1->trigger();
            EXPECT_EQ(Now(), humanTurns[back]) << variant;
            EXPECT_EQ(form->CurrentPlayer, 1);
        }
        EXPECT_FALSE(moves().Undo1->isEnabled());
        moves().Redo1->trigger();
        EXPECT_EQ(Now(), humanTurns[1]) << "Redo brings back the move and the reply";
        ExpectBoardConsistent();
    }

    // The computer moved first: no earlier position had a person to move.
    StartGame(Standard, true, false);
    EXPECT_EQ(moves().record().Size(), 1u);
    EXPECT_FALSE(moves().Undo1->isEnabled());
}

TEST_F(MovesMenu, UndoDuringTheComputersSearchStopsItAndItsMoveNeverLands) {
    StartGame(Standard, false, true);
    form->Config.Algo[2] = Complete;
    form->Config.Level[2] = 8; // far longer than the test waits
    const Shown start = Now();
    bool undoneWhileBusy = false;
    QTimer::singleShot(100, form.get(), [&] {
        undoneWhileBusy = form->ComputerBusy;
        moves().Undo1->trigger();
    });
    QElapsedTimer clock;
    clock.start();
    PlayByMouse({3, 7, 3, 6, true});
    EXPECT_TRUE(undoneWhileBusy);
    EXPECT_LT(clock.elapsed(), 5000) << "the search stopped at once";
    EXPECT_EQ(Now(), start);
    // Whatever the abandoned worker finds later never reaches this board.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(Now(), start);
    EXPECT_FALSE(form->ComputerBusy);
    EXPECT_TRUE(moves().Redo1->isEnabled());
    ExpectBoardConsistent();
}

TEST_F(MovesMenu, AfterTheResultUndoTakesBackTheLastMoveAndTheGameRunsAgain) {
    std::mt19937 random(3);
    StartGame(American, false, false);
    Shown beforeLast{};
    for (int i = 0; i < 2000 && form->GameRunning; ++i) {
        beforeLast = Now();
        PlayRandomMove(random);
    }
    ASSERT_FALSE(form->GameRunning);
    ASSERT_FALSE(platform.Messages.empty());
    EXPECT_EQ(platform.Messages.back().Caption, "Results:");
    ASSERT_TRUE(moves().Undo1->isEnabled());
    EXPECT_FALSE(moves().Redo1->isEnabled());
    moves().Undo1->trigger();
    EXPECT_TRUE(form->GameRunning);
    EXPECT_EQ(Now(), beforeLast);
    ExpectBoardConsistent();
}

// Two computers: after the result Undo shows the final position, game over, and the board,
// the Move List, Show Last Move and Save all agree on it; Start clears it.
TEST_F(MovesMenu, AfterAComputersGameUndoShowsTheFinalPositionAndEverythingAgrees) {
    form->Config.Level[1] = form->Config.Level[2] = 1;
    StartGame(American, true, true);
    ASSERT_FALSE(form->GameRunning);
    ASSERT_EQ(platform.Messages.size(), 1u);
    const std::size_t moves = this->moves().record().Size();
    ASSERT_GT(moves, 0u);
    ASSERT_TRUE(this->moves().Undo1->isEnabled());
    this->moves().Undo1->trigger();
    EXPECT_EQ(platform.Messages.size(), 1u) << "no second result";
    EXPECT_FALSE(form->GameRunning);
    EXPECT_TRUE(this->moves().FinalPositionShown());
    EXPECT_EQ(CopyToValueGrid(form->board()), this->moves().record().At(moves).Grid);
    ExpectBoardConsistent();
    EXPECT_FALSE(this->moves().Undo1->isEnabled());
    EXPECT_FALSE(this->moves().Redo1->isEnabled());
    EXPECT_TRUE(this->moves().SaveGame1->isEnabled());
    EXPECT_EQ(this->moves().moveList()->Lines->currentRow(), int(moves));
    this->moves().SetShowLastMove(true);
    const Move& last = this->moves().record().Moves().back();
    const QImage shot = form->surface()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(CellAnchor(last.ToRow, last.ToCol, form->HexSize) + QPoint(form->HexSize, 0)),
              LastMoveOutlineColor);
    form->Start1Click();
    EXPECT_FALSE(this->moves().FinalPositionShown());
    ExpectBoardConsistent();
}

// New players take the ended game away: nothing of it is left to Undo or Save.
TEST_F(MovesMenu, NewPlayersEndTheRecordOfAnEndedGame) {
    form->Config.Level[1] = form->Config.Level[2] = 1;
    StartGame(American, true, true);
    moves().Undo1->trigger();
    form->ApplyPlayers(form->Config);
    EXPECT_FALSE(moves().RecordLive());
    EXPECT_FALSE(moves().Undo1->isEnabled());
    EXPECT_FALSE(moves().SaveGame1->isEnabled());
    EXPECT_EQ(CountValue(CopyToValueGrid(form->board()), 1) + CountValue(CopyToValueGrid(form->board()), 2),
              0);
}

TEST_F(MovesMenu, UndoIsOffBeforeAGameAndInANetworkGame) {
    EXPECT_FALSE(moves().Undo1->isEnabled());
    EXPECT_FALSE(moves().Redo1->isEnabled());
    EXPECT_FALSE(moves().SaveGame1->isEnabled());
    EXPECT_FALSE(moves().Hint1->isEnabled());
    StartGame(Standard, false, false);
    PlayByMouse({3, 7, 3, 6, true});
    EXPECT_TRUE(moves().Undo1->isEnabled());
    form->Config.NetworkRole = 1;
    moves().Refresh();
    EXPECT_FALSE(moves().Undo1->isEnabled());
    EXPECT_FALSE(moves().SaveGame1->isEnabled());
    EXPECT_FALSE(moves().OpenGame1->isEnabled());
    moves().Undo1->trigger(); // a stale shortcut does nothing either
    moves().Undo1Click();
    EXPECT_EQ(moves().record().Cursor(), 1u);
    EXPECT_FALSE(moves().Hint1->isEnabled()) << "player 2 to move, the remote player's turn";
}

// The best move by Complete at level 4, as the search tool answers it.
std::optional<Move> ToolAnswer(const ValueGrid& grid, int side) {
    QString line;
    for (int32_t value : grid.Cells)
        line += QChar('0' + value);
    line += QString(" %1 0 4 5\n").arg(side);
    QProcess tool;
    tool.start(TESSARON_SEARCH_TOOL, {});
    tool.write(line.toLatin1());
    tool.closeWriteChannel();
    if (!tool.waitForFinished(60000)) return std::nullopt;
    const QStringList words = QString::fromLatin1(tool.readAllStandardOutput()).split(' ');
    if (words.size() < 6 || words[0] != "move") return std::nullopt;
    return Move{words[1].toInt(), words[2].toInt(), words[3].toInt(), words[4].toInt(), words[5] == "1"};
}

TEST_F(MovesMenu, TheHintIsTheSearchToolsCompleteLevelFourMoveAndGoesAtTheNextClick) {
    std::mt19937 random(11);
    StartGame(Swedish, false, false);
    for (int i = 0; i < 8; ++i) {
        const ValueGrid before = CopyToValueGrid(form->board());
        moves().Hint1->trigger();
        ASSERT_TRUE(moves().shownHint().has_value());
        const Move hint = *moves().shownHint();
        EXPECT_EQ(std::optional<Move>(hint), ToolAnswer(before, form->CurrentPlayer)) << i;
        const QColor colour = hint.Clone ? CloneHighlightColor : JumpHighlightColor;
        EXPECT_EQ(form->highlights().value(CellKey(hint.ToRow, hint.ToCol)), colour);
        EXPECT_EQ(form->pieces().At(hint.FromRow, hint.FromCol)->outlineColor(), colour);
        EXPECT_EQ(CopyToValueGrid(form->board()), before) << "a hint never changes the game";
        PlayRandomMove(random); // its first click puts the hint out
        EXPECT_FALSE(moves().shownHint().has_value());
        EXPECT_FALSE(form->highlights().contains(CellKey(hint.ToRow, hint.ToCol)));
        EXPECT_EQ(form->board()(hint.FromRow, hint.FromCol).Value == 0 ||
                      form->pieces().At(hint.FromRow, hint.FromCol)->outlineColor() == QColor(Qt::black),
                  true);
    }
}

TEST_F(MovesMenu, ShowLastMoveOutlinesBothCellsOfTheLastMove) {
    StartGame(Standard, false, false);
    PlayByMouse({3, 7, 2, 5, false}); // a jump: its source is empty afterwards
    const auto outlinePixel = [&](CellPos cell) {
        const QPoint anchor = CellAnchor(cell.Row, cell.Col, form->HexSize);
        return form->surface()->grab().toImage().pixelColor(anchor +
                                                            QPoint(form->HexSize, 2 * form->HexSize));
    };
    EXPECT_NE(outlinePixel({2, 5}), LastMoveOutlineColor) << "off by default";
    moves().ShowLastMove1->trigger();
    EXPECT_EQ(outlinePixel({2, 5}), LastMoveOutlineColor);
    EXPECT_EQ(outlinePixel({3, 7}), LastMoveOutlineColor);
    EXPECT_NE(outlinePixel({3, 1}), LastMoveOutlineColor);
    EXPECT_TRUE(form->SettingsState().ShowLastMove);
}

TEST_F(MovesMenu, SaveAndOpenRestoreTheGameAndABadFileLeavesItUntouched) {
    QTemporaryDir dir;
    std::mt19937 random(5);
    StartGame(American, false, false);
    for (int i = 0; i < 9; ++i)
        PlayRandomMove(random);
    const Shown saved = Now();
    const std::vector<Move> savedMoves = moves().record().Moves();
    platform.FileAnswers = {dir.filePath("one.tgame")};
    moves().SaveGame1->trigger();
    ASSERT_TRUE(platform.Messages.empty());
    // A name without a suffix gets the one Open Game's filter shows; another is kept.
    platform.FileAnswers = {dir.filePath("two"), dir.filePath("three.txt")};
    moves().SaveGame1->trigger();
    moves().SaveGame1->trigger();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
              QStringList({"one.tgame", "three.txt", "two.tgame"}));

    StartGame(Standard, false, true); // another game with other players
    PlayRandomMove(random);
    platform.FileAnswers = {dir.filePath("one.tgame")};
    moves().OpenGame1->trigger();
    EXPECT_EQ(Now(), saved);
    EXPECT_EQ(moves().record().Moves(), savedMoves);
    EXPECT_FALSE(form->Config.PlayerIsComputer[2]) << "the saved game's players take over";
    ExpectBoardConsistent();

    const Shown before = Now();
    QFile bad(dir.filePath("bad.tgame"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("Tessaron game 1\nlayout Standard\n"
              "player 1 Human level 0 branch 5 algorithm Home Made\n"
              "player 2 Computer level 3 branch 5 algorithm Alpha-Beta\n"
              "moves\n3-7-3-6-1\n3-7-2-7-1\nend\n");
    bad.close();
    platform.FileAnswers = {bad.fileName()};
    moves().OpenGame1->trigger();
    ASSERT_EQ(platform.Messages.size(), 1u);
    EXPECT_TRUE(platform.Messages[0].Text.contains("Line 7: the move 3-7-2-7-1 is not legal for player 2"))
        << platform.Messages[0].Text.toStdString();
    EXPECT_EQ(Now(), before);
    EXPECT_EQ(moves().record().Moves(), savedMoves);
    EXPECT_FALSE(form->Config.PlayerIsComputer[2]);
}

TEST_F(MovesMenu, AnUnfinishedGameIsKeptAtCloseAndResumed) {
    QTemporaryDir dir;
    moves().SetStoreDirectory(dir.path().toStdString());
    EXPECT_FALSE(moves().ResumeLastGame1->isEnabled());
    std::mt19937 random(8);
    StartGame(Standard, false, true);
    for (int i = 0; i < 4; ++i)
        PlayRandomMove(random);
    ASSERT_TRUE(form->GameRunning);
    const Shown kept = Now();
    form->close();
    ASSERT_TRUE(QFile::exists(dir.filePath("lastgame.tgame")));

    // A run that plays no game leaves the kept one for the next.
    {
        RecordingPlatform idle;
        TForm1 quiet(idle);
        quiet.show();
        quiet.Moves->SetStoreDirectory(dir.path().toStdString());
        quiet.close();
    }
    ASSERT_TRUE(QFile::exists(dir.filePath("lastgame.tgame")));

    RecordingPlatform next;
    TForm1 again(next);
    again.AnimDelay = 0;
    again.show();
    again.Moves->SetStoreDirectory(dir.path().toStdString());
    EXPECT_FALSE(again.GameRunning) << "the program still starts with an empty board";
    ASSERT_TRUE(again.Moves->ResumeLastGame1->isEnabled());
    again.Moves->ResumeLastGame1->trigger();
    EXPECT_EQ((Shown{CopyToValueGrid(again.board()), again.Score1->text(), again.Score2->text(),
                     again.CurrentPlayer}),
              kept);
    EXPECT_TRUE(again.Config.PlayerIsComputer[2]);

    // A close without an unfinished game forgets the kept one.
    again.VideDamier();
    again.GameRunning = false;
    again.close();
    EXPECT_FALSE(QFile::exists(dir.filePath("lastgame.tgame")));
}

// At close the settings come first, then the unfinished game: while a failed save of the
// settings is being reported, the game is not kept yet.
TEST_F(MovesMenu, TheUnfinishedGameIsKeptAfterTheSettings) {
    QTemporaryDir dir;
    TProfile profile(dir.filePath("registry.reg").toStdString());
    ASSERT_TRUE(form->CreateEnv(profile));
    // A directory in the settings file's place: storing the settings fails.
    ASSERT_TRUE(QFile::remove(dir.filePath("registry.reg")) && QDir(dir.path()).mkdir("registry.reg"));
    StartGame(Standard, false, false);
    std::mt19937 random(3);
    ASSERT_TRUE(PlayRandomMove(random));
    bool keptBeforeSettings = true;
    platform.OnMessage = [&](const RecordingPlatform::Message&) {
        keptBeforeSettings = QFile::exists(dir.filePath("lastgame.tgame"));
    };
    form->close();
    ASSERT_EQ(platform.Messages.size(), 1u);
    EXPECT_FALSE(keptBeforeSettings);
    EXPECT_TRUE(QFile::exists(dir.filePath("lastgame.tgame")));
}

TEST_F(MovesMenu, TheMoveListShowsTheMovesAndAClickGoesThere) {
    StartGame(Standard, false, false);
    PlayByMouse({3, 7, 3, 6, true});
    PlayByMouse({3, 1, 3, 2, true});
    moves().MoveList1->trigger();
    TMoveList& list = *moves().moveList();
    EXPECT_TRUE(list.isVisible());
    ASSERT_EQ(list.Lines->count(), 3);
    EXPECT_EQ(list.Lines->item(1)->text(), "1. Player 1 (white): 3-7-3-6-1");
    EXPECT_EQ(list.Lines->item(2)->text(), "2. Player 2 (yellow): 3-1-3-2-1");
    EXPECT_EQ(list.Lines->currentRow(), 2);
    list.OnChoose(1);
    EXPECT_EQ(moves().record().Cursor(), 1u);
    EXPECT_EQ(form->CurrentPlayer, 2);
    EXPECT_EQ(list.Lines->currentRow(), 1);
    list.close();
    EXPECT_FALSE(moves().MoveList1->isChecked());
}

// The game's own menus keep their items without shortcuts (MainWindow.MenusHaveTheirCaptionsAndStates).
TEST_F(MovesMenu, SitsBetweenOptionsAndHelpWithShortcutsForItsOwnItems) {
    QStringList titles;
    for (QAction* menu : form->menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, QStringList({"&Game", "&Options", "&Moves", "&Help"}));
    QStringList items;
    for (QAction* item : moves().Moves1->actions())
        if (!item->isSeparator()) items << item->text() + " " + item->shortcut().toString();
    EXPECT_EQ(items,
              QStringList({"Undo Ctrl+Z", "Redo Ctrl+Shift+Z", "Move List ", "Hint H", "Show Last Move ",
                           "Save Game… Ctrl+S", "Open Game… Ctrl+O", "Resume Last Game ", "How to Play F1"}));
    EXPECT_EQ(moves().Redo1->shortcuts().size(), 2);
}

} // namespace
