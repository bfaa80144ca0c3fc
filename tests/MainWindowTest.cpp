#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <algorithm>

#include "app/MovesMenu.h"
#include "app/settings/Profile.h"
#include "rules/Layouts.h"
#include "tests/WindowTestSupport.h"

namespace {

using MainWindow = WindowTest;

TEST_F(MainWindow, StartsWithTheDesignValues) {
    EXPECT_EQ(form->windowTitle(), "Tessaron 2.2");
    EXPECT_EQ(form->frameGeometry().size(), QSize(481, 389));
    EXPECT_EQ(form->HexSize, 16);
    EXPECT_EQ(form->CurrentPlayer, 1);
    EXPECT_FALSE(form->GameRunning);
    EXPECT_FALSE(form->SoundOn);
    EXPECT_EQ(form->ChosenVariant, 1);
    EXPECT_FALSE(form->Config.PlayerIsComputer[1]);
    EXPECT_TRUE(form->Config.PlayerIsComputer[2]);
    EXPECT_EQ(form->Config.Algo[2], AlphaBeta);
    EXPECT_EQ(form->Config.NetworkRole, 0);
    EXPECT_TRUE(form->ProgressBar->isVisible());
    EXPECT_FALSE(form->Panel1->isVisible());
    EXPECT_EQ(form->LabelState->text(), "Not Connected");
    EXPECT_TRUE(form->Score1->text().isEmpty());
    EXPECT_EQ(form->Player1Marker->fill(), QColor(255, 255, 255));
    EXPECT_EQ(form->Player2Marker->fill(), QColor(255, 255, 0));
    EXPECT_EQ(form->Player2Marker->geometry(), QRect(78, 10, 28, 28)); // laid out for HexSize 16
}

// Every item of the game's own menus keeps its menu, caption, enabling and check mark, and
// has no shortcut, with or without a game, whatever other menus and shortcuts are added
// around them. A menu title's mnemonic marker is not part of its caption.
TEST_F(MainWindow, MenusHaveTheirCaptionsAndStates) {
    struct Item {
        QAction* Action;
        QMenu* Menu;
        const char* Caption;
        bool Enabled;
        bool Checkable;
        bool Checked;
    };
    const auto check = [&](const char* when) {
        for (const Item& item : {
                 Item{form->Start1, form->Game1, "Start", true, false, false},
                 Item{form->SendMessage1, form->Game1, "Send Message", false, false, false},
                 Item{form->Disconnect1, form->Game1, "Disconnect", false, false, false},
                 Item{form->Exit1, form->Game1, "Exit", true, false, false},
                 Item{form->Player12, form->Player11, "Players", true, false, false},
                 Item{form->Player1, form->Player11, "Sound", true, true, false},
                 Item{form->Board->menuAction(), form->Player11, "Board", true, false, false},
                 Item{form->Standard, form->Board, "Standard", true, true, true},
                 Item{form->American, form->Board, "American", true, true, false},
                 Item{form->Swedish, form->Board, "Swedish", true, true, false},
                 Item{form->HelpTopics1, form->Player21, "Help Topics", true, false, false},
                 Item{form->Networkinfod1, form->Player21, "System Information", true, false, false},
                 Item{form->AboutTessaron1, form->Player21, "About Tessaron", true, false, false},
             }) {
            EXPECT_EQ(item.Action->text(), item.Caption) << when;
            EXPECT_TRUE(item.Menu->actions().contains(item.Action)) << item.Caption << " " << when;
            EXPECT_EQ(item.Action->isEnabled(), item.Enabled) << item.Caption << " " << when;
            EXPECT_EQ(item.Action->isCheckable(), item.Checkable) << item.Caption << " " << when;
            EXPECT_EQ(item.Action->isChecked(), item.Checked) << item.Caption << " " << when;
            EXPECT_TRUE(item.Action->shortcuts().isEmpty()) << item.Caption << " " << when;
        }
        EXPECT_EQ(form->Game1->actions(), QList<QAction*>({form->Start1, form->SendMessage1,
                                                           form->Disconnect1, form->Stop1, form->Exit1}));
        EXPECT_EQ(form->Player11->actions(),
                  QList<QAction*>({form->Player12, form->Player1, form->Board->menuAction()}));
        EXPECT_EQ(form->Board->actions(), QList<QAction*>({form->Standard, form->American, form->Swedish}));
        EXPECT_EQ(form->Player21->actions(),
                  QList<QAction*>({form->HelpTopics1, form->Networkinfod1, form->N1, form->AboutTessaron1}));
        QStringList menus;
        for (QMenu* menu : {form->Game1, form->Player11, form->Player21})
            if (form->menuBar()->actions().contains(menu->menuAction())) menus << menu->title().remove('&');
        EXPECT_EQ(menus, QStringList({"Game", "Options", "Help"})) << when;
        const QList<QAction*> bar = form->menuBar()->actions();
        EXPECT_LT(bar.indexOf(form->Game1->menuAction()), bar.indexOf(form->Player11->menuAction()));
        EXPECT_LT(bar.indexOf(form->Player11->menuAction()), bar.indexOf(form->Player21->menuAction()));
        EXPECT_TRUE(form->Stop1->isSeparator());
        EXPECT_TRUE(form->N1->isSeparator());
    };
    check("at start-up");
    form->Start1Click();
    check("during a game");
}

TEST_F(MainWindow, HelpTopicsOpensHowToPlay) {
    form->HelpTopics1->trigger();
    const QWidgetList shown = QApplication::topLevelWidgets();
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](QWidget* window) {
        return window->isVisible() && window->windowTitle() == "How to Play";
    }));
}

TEST_F(MainWindow, SoundAndBoardItemsSetTheirSwitches) {
    form->Player1Click();
    EXPECT_TRUE(form->SoundOn);
    EXPECT_TRUE(form->Player1->isChecked());
    form->Player1Click();
    EXPECT_FALSE(form->SoundOn);

    form->Swedish->trigger();
    EXPECT_EQ(form->ChosenVariant, Swedish);
    EXPECT_FALSE(form->Standard->isChecked());
    form->StandardClick(form->American);
    EXPECT_EQ(form->ChosenVariant, American);
    EXPECT_TRUE(form->American->isChecked());
    EXPECT_FALSE(form->Swedish->isChecked());
}

TEST_F(MainWindow, AboutPlaysItsJingleOnlyWithSound) {
    form->AboutTessaron1Click();
    EXPECT_TRUE(platform.Sounds.isEmpty());
    form->SoundOn = true;
    form->AboutTessaron1Click();
    EXPECT_EQ(platform.Sounds, QStringList({"crtv.wav"}));
}

TEST_F(MainWindow, LayoutsArePlacedInScanOrderWithTheirSounds) {
    struct Case {
        int Variant;
        bool Sound;
        const char* Score;
        int Sounds;
    };
    form->Config.PlayerIsComputer[2] = false;
    for (const Case& c : {Case{Standard, true, "9", 18}, Case{Standard, false, "9", 0},
                          Case{American, true, "3", 6}, Case{Swedish, false, "3", 0}}) {
        form->ChosenVariant = c.Variant;
        form->SoundOn = c.Sound;
        platform.Sounds.clear();
        form->Start1Click();
        EXPECT_EQ(form->Score1->text(), c.Score);
        EXPECT_EQ(form->Score2->text(), c.Score);
        EXPECT_EQ(platform.Sounds.size(), c.Sounds);
        EXPECT_EQ(platform.Sounds.count("reprod.wav"), c.Sounds);
        EXPECT_EQ(CopyToValueGrid(form->board()), StartingGrid(c.Variant));
        // The pieces were created, and so stacked, in row-major order.
        int previous = 0;
        for (const PieceObject* piece : ShownPieces()) {
            const int order = piece->row() * 10 + piece->col();
            EXPECT_GT(order, previous);
            previous = order;
        }
        ExpectBoardConsistent();
    }
}

TEST_F(MainWindow, ANewGameShowsPlainPiecesAndNoMoreThanItHas) {
    form->Config.PlayerIsComputer[2] = false;
    form->Start1Click();
    const qsizetype made = form->surface()->findChildren<PieceObject*>().size();
    // A selected piece and a hinted one, when the game is cleared.
    const QList<PieceObject*> shown = ShownPieces();
    const PieceObject* white =
        *std::find_if(shown.begin(), shown.end(), [](auto* p) { return p->owner() == 1; });
    PressAt({white->row(), white->col()});
    ASSERT_EQ(white->outlineWidth(), 3);
    form->Moves->Hint1->trigger();
    ASSERT_TRUE(form->Moves->shownHint().has_value());
    form->Start1Click();
    ExpectBoardConsistent();
    EXPECT_EQ(form->surface()->findChildren<PieceObject*>().size(), made);
    for (const PieceObject* piece : ShownPieces()) {
        EXPECT_EQ(piece->outlineWidth(), 1) << piece->row() << "," << piece->col();
        EXPECT_EQ(piece->outlineColor(), QColor(Qt::black)) << piece->row() << "," << piece->col();
    }
}

TEST_F(MainWindow, ChoosingALayoutDuringAGameWaitsForTheNextOne) {
    form->Config.PlayerIsComputer[2] = false;
    form->Start1Click();
    form->StandardClick(form->Swedish);
    EXPECT_EQ(CopyToValueGrid(form->board()), StartingGrid(Standard));
    form->Start1Click();
    EXPECT_EQ(CopyToValueGrid(form->board()), StartingGrid(Swedish));
    EXPECT_EQ(form->CurrentPlayer, 1);
}

TEST_F(MainWindow, ResizingRescalesBoardAndPieces) {
    form->Config.PlayerIsComputer[2] = false;
    form->Start1Click();
    struct Case {
        int Width, Height, HexSize;
    };
    // At 900 x 700 the window's rule gives 32, whose board (28 x 32 = 896 pixels wide once
    // its origin moves right to keep row 1 on screen) needs one pixel more than the
    // 896-pixel surface: the board stays whole at 31.
    for (const Case& c : {Case{600, 400, 16}, Case{400, 600, 13}, Case{900, 700, 31}}) {
        ResizeOuter(c.Width, c.Height);
        EXPECT_EQ(form->HexSize, c.HexSize) << c.Width << " x " << c.Height;
        ExpectBoardConsistent();
        const ScoreAreaLayout area = ScoreArea(c.HexSize);
        EXPECT_EQ(form->Player2Marker->geometry(),
                  QRect(area.Player2MarkerLeft, area.MarkerTop, area.MarkerSide, area.MarkerSide));
        EXPECT_EQ(form->Score2->pos(), QPoint(area.Score2Left, area.ScoreTop));
    }
    // A few pixels that keep the size move nothing.
    ResizeOuter(400, 600);
    const QRect before = form->pieces().At(5, 7)->geometry();
    ResizeOuter(405, 602);
    EXPECT_EQ(form->HexSize, 13);
    EXPECT_EQ(form->pieces().At(5, 7)->geometry(), before);
}

// A window made tiny keeps a board whose pieces can be clicked; a wide one centres the board,
// while up to HexSize 20 the board keeps its place at the left.
TEST_F(MainWindow, TheBoardStaysPlayableWhenSmallAndCentredWhenLarge) {
    form->Config.PlayerIsComputer[2] = false;
    form->Start1Click();
    form->resize(120, 90);
    QCoreApplication::processEvents();
    EXPECT_GE(form->HexSize, MinimumHexSize);
    EXPECT_GE(form->surface()->width(), MinimumOuterWidth);
    EXPECT_EQ(form->BoardOffset(), QPoint(0, 0));
    ExpectBoardConsistent();

    ResizeOuter(1100, 700);
    ASSERT_GT(form->HexSize, 20);
    const int left = form->BoardOffset().x(); // the board spans 28 S from there
    const int right = form->surface()->width() - left - 28 * form->HexSize;
    EXPECT_GT(left, 20);
    EXPECT_LE(std::abs(left - right), 2) << left << " " << right;
    ExpectBoardConsistent();
    PlayByMouse({3, 7, 3, 6, true}); // the pointer finds the moved cells
    EXPECT_EQ(form->board()(3, 6).Value, 1);
}

// The audio stream is held only while Sound is on, whether switched or loaded.
TEST_F(MainWindow, TheAudioStreamFollowsTheSoundItem) {
    EXPECT_TRUE(platform.SoundSwitches.empty()) << "no stream at start-up";
    form->Player1->trigger();
    form->Player1->trigger();
    EXPECT_EQ(platform.SoundSwitches, (std::vector<bool>{true, false}));
    ProfileState loaded = form->SettingsState();
    loaded.SoundOn = true;
    form->ApplySettings(loaded);
    EXPECT_EQ(platform.SoundSwitches.back(), true);
}

TEST_F(MainWindow, ApplyingPlayersEndsTheGameAndSwitchesTheStatusLine) {
    form->Start1Click(); // human against computer: waits for player 1
    ASSERT_TRUE(form->GameRunning);
    PlayerConfig players = form->Config;
    players.NetworkRole = 2;
    form->ApplyPlayers(players);
    EXPECT_FALSE(form->GameRunning);
    EXPECT_TRUE(form->Score1->text().isEmpty());
    EXPECT_EQ(CountValue(CopyToValueGrid(form->board()), 1), 0);
    EXPECT_TRUE(form->Panel1->isVisible());
    EXPECT_FALSE(form->ProgressBar->isVisible());
    players.NetworkRole = 0;
    form->ApplyPlayers(players);
    EXPECT_FALSE(form->Panel1->isVisible());
    EXPECT_TRUE(form->ProgressBar->isVisible());
    EXPECT_TRUE(platform.Messages.empty());
}

} // namespace
