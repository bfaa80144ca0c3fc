#include <QProgressBar>
#include <QThread>
#include <QTimer>

#include "rules/Layouts.h"
#include "rules/Move.h"
#include "tests/WindowTestSupport.h"

namespace {

using GameFlow = WindowTest;

// The first cells of the board in scan order, skipping the holes.
std::vector<CellPos> FirstCells(int count, int skip = 0) {
    std::vector<CellPos> cells;
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col)
            if (CellValid(row, col) && !(row == 3 && col == 4) && !(row == 5 && col == 5) &&
                !(row == 7 && col == 6))
                if (skip-- <= 0 && static_cast<int>(cells.size()) < count) cells.push_back({row, col});
    return cells;
}

TEST_F(GameFlow, ResultsFollowTheOutcomeTable) {
    struct Case {
        bool Computer1, Computer2;
        int Role, Score1, Score2;
        const char* Message;
        const char* Sound;
    };
    for (const Case& c : {
             Case{false, false, 0, 5, 3, "Player 1 won the game", ""},
             Case{true, true, 0, 3, 5, "Player 2 won the game", ""},
             Case{true, false, 0, 5, 3, "Game Lost, maybe next time...", "lost.wav"},
             Case{false, false, 2, 5, 3, "Game Lost, maybe next time...", "lost.wav"},
             Case{false, true, 0, 5, 3, "Congratulation ! You win !", "artg.wav"},
             Case{false, true, 0, 3, 5, "Maybe next time...You'll beat him.", "lost.wav"},
             Case{false, false, 1, 3, 5, "Maybe next time...You'll beat him.", "lost.wav"},
             Case{true, false, 0, 3, 5, "Congratulation ! You did it !", "artg.wav"},
             Case{true, false, 0, 4, 4, "It is a draw !", ""},
             Case{false, false, 0, 4, 4, "It is a draw !", ""},
         }) {
        for (bool sound : {true, false}) {
            form->Config.PlayerIsComputer[1] = c.Computer1;
            form->Config.PlayerIsComputer[2] = c.Computer2;
            form->Config.NetworkRole = static_cast<uint8_t>(c.Role);
            form->SoundOn = sound;
            SetUpPosition(FirstCells(c.Score1), FirstCells(c.Score2, c.Score1), 1);
            platform.Messages.clear();
            // Player 1 is stuck: player 2 gets every empty cell, shown before the box.
            QString score2AtBox;
            platform.OnMessage = [&](const RecordingPlatform::Message&) {
                score2AtBox = form->Score2->text();
                ExpectBoardConsistent();
            };
            form->FinJeu();
            ASSERT_EQ(platform.Messages.size(), 1u);
            EXPECT_EQ(platform.Messages[0].Caption, "Results:");
            EXPECT_EQ(platform.Messages[0].Text, c.Message) << c.Score1 << ":" << c.Score2;
            const int empties = 58 - c.Score1 - c.Score2;
            EXPECT_EQ(score2AtBox, QString::number(c.Score2 + empties));
            QStringList expected;
            if (sound) {
                for (int i = 0; i < empties; ++i)
                    expected << "reprod.wav";
                if (*c.Sound) expected << c.Sound;
            }
            EXPECT_EQ(platform.Sounds, expected);
            // After the box the board is empty and no game runs.
            EXPECT_FALSE(form->GameRunning);
            EXPECT_TRUE(form->Score1->text().isEmpty());
            EXPECT_TRUE(ShownPieces().isEmpty());
            platform.OnMessage = nullptr;
        }
    }
}

TEST_F(GameFlow, EndTestsNeverRunOnAnEmptiedBoard) {
    form->IsItTheEnd();
    form->FinJeu();
    EXPECT_TRUE(platform.Messages.empty());
    EXPECT_TRUE(form->Score1->text().isEmpty());
    // A running game whose captions were blanked still ends without failing.
    SetUpPosition({}, {{1, 1}}, 1);
    form->Score1->setText("");
    form->IsItTheEnd();
    ASSERT_EQ(platform.Messages.size(), 1u);
    EXPECT_EQ(platform.Messages[0].Text, "Maybe next time...You'll beat him.");
}

TEST_F(GameFlow, TurnOrderAfterStartForEachPairOfPlayers) {
    struct Case {
        bool Computer1, Computer2;
        int MovesAfterStart;
        int PlayerToMove;
    };
    for (const Case& c : {Case{false, false, 0, 1}, Case{false, true, 0, 1}, Case{true, false, 1, 2}}) {
        form->Config.PlayerIsComputer[1] = c.Computer1;
        form->Config.PlayerIsComputer[2] = c.Computer2;
        form->Start1Click();
        const ValueGrid grid = CopyToValueGrid(form->board());
        EXPECT_EQ(grid != StartingGrid(Standard), c.MovesAfterStart > 0);
        EXPECT_EQ(form->CurrentPlayer, c.PlayerToMove);
        EXPECT_TRUE(form->GameRunning);
        EXPECT_FALSE(form->ComputerBusy);
        EXPECT_EQ(form->ProgressBar->value(), 0);
        ExpectBoardConsistent();
    }
}

TEST_F(GameFlow, HumanAgainstComputerByMouseToTheResult) {
    form->Config.PlayerIsComputer[2] = true;
    form->Config.Level[2] = 1;
    form->SoundOn = true;
    form->Start1Click();
    int moves = 0;
    while (form->GameRunning && moves < 200) {
        ASSERT_EQ(form->CurrentPlayer, 1);
        // The human plays the move a shallow search likes, entirely with the mouse.
        const SearchOutcome choice = SearchTopLevel(EngineKind::Reference, CopyToValueGrid(form->board()), 1,
                                                    MakeSearchSettings(AlphaBeta, 0, 5), nullptr);
        ASSERT_FALSE(choice.NoMove);
        PressAt({choice.BestMove.FromRow, choice.BestMove.FromCol});
        HoverOver({choice.BestMove.ToRow, choice.BestMove.ToCol});
        ASSERT_EQ(form->CloneMove, choice.BestMove.Clone);
        PressAt({choice.BestMove.ToRow, choice.BestMove.ToCol});
        ++moves;
        ExpectBoardConsistent();
        if (form->GameRunning) {
            EXPECT_EQ(form->ProgressBar->value(), 0);
        }
    }
    EXPECT_FALSE(form->GameRunning);
    ASSERT_EQ(platform.Messages.size(), 1u);
    EXPECT_EQ(platform.Messages[0].Caption, "Results:");
    EXPECT_TRUE(
        QStringList({"Congratulation ! You win !", "Maybe next time...You'll beat him.", "It is a draw !"})
            .contains(platform.Messages[0].Text))
        << platform.Messages[0].Text.toStdString();
    EXPECT_TRUE(platform.Sounds.contains("reprod.wav"));
    EXPECT_TRUE(ShownPieces().isEmpty());
}

TEST_F(GameFlow, TwoComputersPlayTheWholeGameInsideStart) {
    form->Config.PlayerIsComputer[1] = true;
    form->Config.PlayerIsComputer[2] = true;
    form->Config.Algo[1] = HomeMade;
    form->Config.Level[1] = 1;
    form->Config.Branch[1] = 4;
    form->Config.Algo[2] = AlphaBeta;
    form->Config.Level[2] = 1;
    int totalAtResult = 0;
    platform.OnMessage = [&](const RecordingPlatform::Message&) {
        ExpectBoardConsistent();
        totalAtResult = TForm1::ScoreOf(form->Score1) + TForm1::ScoreOf(form->Score2);
    };
    form->Start1Click();
    EXPECT_FALSE(form->GameRunning);
    ASSERT_EQ(platform.Messages.size(), 1u);
    EXPECT_TRUE(QStringList({"Player 1 won the game", "Player 2 won the game", "It is a draw !"})
                    .contains(platform.Messages[0].Text));
    EXPECT_EQ(totalAtResult, 58); // the fill leaves no empty cell
    EXPECT_FALSE(form->ComputerBusy);
    EXPECT_EQ(form->ProgressBar->value(), 0);
}

TEST_F(GameFlow, ProgressBarCountsTheTopLevelSteps) {
    struct Case {
        int Algo;
        int Branch;
        int ExpectedMaximum; // -1: the mover's piece count
    };
    for (const Case& c : {Case{HomeMade, 5, 5}, Case{AlphaBeta, 5, -1}, Case{Complete, 3, -1}}) {
        form->Config.PlayerIsComputer[2] = true;
        form->Config.Algo[2] = static_cast<uint8_t>(c.Algo);
        form->Config.Level[2] = 1;
        form->Config.Branch[2] = c.Branch;
        form->Config.Level[1] = 1; // the human's end test then reports no progress
        form->Start1Click();
        int highest = 0;
        int maximumAtHighest = 0;
        QObject::connect(form->ProgressBar, &QProgressBar::valueChanged, form.get(), [&](int value) {
            if (value > highest) {
                highest = value;
                maximumAtHighest = form->ProgressBar->maximum();
            }
        });
        PlayByMouse({4, 7, 3, 6, true});
        // After the clone the computer holds its nine pieces.
        const int expected = c.ExpectedMaximum < 0 ? 9 : c.ExpectedMaximum;
        EXPECT_EQ(highest, expected) << c.Algo;
        EXPECT_EQ(maximumAtHighest, expected) << c.Algo;
        EXPECT_EQ(form->ProgressBar->value(), 0);
        EXPECT_EQ(form->CurrentPlayer, 1);
        QObject::disconnect(form->ProgressBar, &QProgressBar::valueChanged, form.get(), nullptr);
    }
}

TEST_F(GameFlow, NewGameDuringAComputerTurnDiscardsItsMove) {
    form->Config.PlayerIsComputer[2] = true;
    form->Config.Level[2] = 1;
    form->Start1Click();
    // The menu's Start runs while the computer thinks about its reply.
    bool startedInside = false;
    QTimer::singleShot(0, form.get(), [&] {
        startedInside = form->ComputerBusy;
        // Long enough for the search to have found its move: only the new game stops it.
        QThread::msleep(100);
        form->Start1Click();
    });
    PlayByMouse({4, 7, 3, 6, true});
    EXPECT_TRUE(startedInside);
    EXPECT_EQ(CopyToValueGrid(form->board()), StartingGrid(Standard));
    EXPECT_EQ(form->CurrentPlayer, 1);
    EXPECT_TRUE(form->GameRunning);
    EXPECT_FALSE(form->ComputerBusy);
    EXPECT_EQ(form->ProgressBar->value(), 0);
    ExpectBoardConsistent();
}

TEST_F(GameFlow, NestedComputerTurnOfANewGameDoesNotReviveTheOuterOne) {
    // Two computers play; while player 2 thinks about its first move, player 2 becomes
    // human and Start is chosen. The new game's computer turn clears StopSearch and plays
    // player 1's first move, which leaves the position the outer search started from: its
    // move would even be legal there.
    form->Config.PlayerIsComputer[1] = true;
    form->Config.PlayerIsComputer[2] = true;
    QTimer* watcher = new QTimer(form.get());
    watcher->setInterval(0);
    QObject::connect(watcher, &QTimer::timeout, form.get(), [&] {
        if (!form->ComputerBusy || form->CurrentPlayer != 2) return;
        watcher->stop();
        QThread::msleep(100); // the outer search has its move ready
        form->Config.PlayerIsComputer[2] = false;
        form->Start1Click();
    });
    watcher->start();
    form->Start1Click();
    // The new game holds its starting layout and exactly the first move of player 1.
    const SearchOutcome first = SearchTopLevel(EngineKind::Reference, StartingGrid(Standard), 1,
                                               SearchSettingsFor(form->Config, 1), nullptr);
    ValueGrid expected;
    ApplyMoveToGrid(StartingGrid(Standard), expected, first.BestMove, 1, 2);
    EXPECT_EQ(CopyToValueGrid(form->board()), expected);
    EXPECT_EQ(form->CurrentPlayer, 2);
    EXPECT_TRUE(form->GameRunning);
    EXPECT_FALSE(form->ComputerBusy);
    ExpectBoardConsistent();
}

TEST_F(GameFlow, ConfirmingPlayersStopsTwoComputers) {
    form->Config.PlayerIsComputer[1] = true;
    form->Config.PlayerIsComputer[2] = true;
    int turnsSeen = 0;
    QTimer* ticker = new QTimer(form.get());
    ticker->setInterval(0);
    QObject::connect(ticker, &QTimer::timeout, form.get(), [&] {
        if (++turnsSeen == 3) {
            PlayerConfig humans = form->Config;
            humans.PlayerIsComputer[1] = humans.PlayerIsComputer[2] = false;
            form->ApplyPlayers(humans);
            ticker->stop();
        }
    });
    ticker->start();
    form->Start1Click();
    EXPECT_FALSE(form->GameRunning);
    EXPECT_TRUE(platform.Messages.empty());
    EXPECT_TRUE(ShownPieces().isEmpty());
    EXPECT_FALSE(form->ComputerBusy);
}

TEST_F(GameFlow, ClosingTheWindowEndsTwoComputersAtOnce) {
    form->Config.PlayerIsComputer[1] = true;
    form->Config.PlayerIsComputer[2] = true;
    bool closingSeen = false;
    QTimer::singleShot(0, form.get(), [&] {
        form->close();
        closingSeen = true;
    });
    const ValueGrid before = StartingGrid(Standard);
    form->Start1Click();
    EXPECT_TRUE(closingSeen);
    EXPECT_TRUE(form->StopSearch);
    EXPECT_TRUE(platform.Messages.empty());
    // The turn that was thinking when the window closed played nothing.
    EXPECT_EQ(CopyToValueGrid(form->board()), before);
}

} // namespace
