#include <QProgressBar>

#include "tests/WindowTestSupport.h"

namespace {

using MousePlay = WindowTest;

TEST_F(MousePlay, HoverLightsRedForACloneAndYellowForAJump) {
    struct Case {
        CellPos Target;
        QColor Colour;
        bool Clone;
    };
    form->Config.PlayerIsComputer[2] = false;
    SetUpPosition({{4, 4}}, {{9, 9}});
    PressAt({4, 4});
    ASSERT_TRUE(form->PieceSelected);
    EXPECT_EQ(form->pieces().At(4, 4)->outlineWidth(), 3);
    for (const Case& c : {Case{{5, 6}, JumpHighlightColor, false}, Case{{4, 5}, CloneHighlightColor, true}}) {
        HoverOver(c.Target);
        EXPECT_EQ(form->TargetRow, c.Target.Row);
        EXPECT_EQ(form->TargetCol, c.Target.Col);
        EXPECT_EQ(form->CloneMove, c.Clone);
        ASSERT_EQ(form->highlights().size(), 1);
        EXPECT_EQ(form->highlights().value(CellKey(c.Target.Row, c.Target.Col)), c.Colour);
        // Moving within the lit cell keeps it lit.
        SendMouse(QEvent::MouseMove, CentreOf(c.Target, form->HexSize) + QPoint(3, 2));
        EXPECT_EQ(form->TargetRow, c.Target.Row);
        EXPECT_EQ(form->highlights().size(), 1);
    }
}

TEST_F(MousePlay, HoverElsewherePutsTheLightOut) {
    form->Config.PlayerIsComputer[2] = false;
    SetUpPosition({{4, 4}, {4, 3}}, {{9, 9}});
    PressAt({4, 4});
    const std::pair<const char*, QPoint> places[] = {
        {"a hole", CentreOf({5, 5}, form->HexSize)},
        {"a cell three away", CentreOf({7, 4}, form->HexSize)},
        {"off the board", QPoint(2, 300)},
        {"the score area", QPoint(150, 5)},
    };
    for (const auto& [name, point] : places) {
        HoverOver({4, 5});
        ASSERT_EQ(form->TargetRow, 4);
        SendMouse(QEvent::MouseMove, point);
        EXPECT_EQ(form->TargetRow, 0) << name;
        EXPECT_TRUE(form->highlights().isEmpty()) << name;
    }
    // Over an occupied cell the pointer is over its piece: nothing reaches the board.
    HoverOver({4, 5});
    HoverOver({4, 3});
    EXPECT_EQ(form->TargetRow, 4);
}

TEST_F(MousePlay, AnyButtonPlaysTheLitMove) {
    struct Case {
        Qt::MouseButton Button;
        CellPos Target;
        int Score1;
        bool OriginKept;
    };
    for (const Case& c : {Case{Qt::LeftButton, {4, 5}, 3, true}, Case{Qt::RightButton, {5, 6}, 3, false},
                          Case{Qt::MiddleButton, {4, 5}, 3, true}}) {
        form->Config.PlayerIsComputer[2] = false;
        // The clone to (4,5) captures (4,6); the jump to (5,6) captures (4,6) and (5,7).
        SetUpPosition({{4, 4}}, {{4, 6}, {5, 7}, {9, 9}});
        PlayByMouse({4, 4, c.Target.Row, c.Target.Col, false}, c.Button);
        EXPECT_EQ(form->board()(c.Target.Row, c.Target.Col).Value, 1);
        EXPECT_EQ(form->board()(4, 4).Value, c.OriginKept ? 1 : 0);
        EXPECT_EQ(form->CurrentPlayer, 2);
        EXPECT_FALSE(form->PieceSelected);
        EXPECT_EQ(form->TargetRow, 0);
        EXPECT_TRUE(form->highlights().isEmpty());
        EXPECT_EQ(form->pieces().At(c.Target.Row, c.Target.Col)->outlineWidth(), 1);
        ExpectBoardConsistent();
        EXPECT_EQ(form->Score1->text(), QString::number(c.Score1)) << c.Button;
        form->VideDamier();
    }
}

TEST_F(MousePlay, SelectionNeedsAnOwnPieceAndAnyPieceDeselects) {
    form->Config.PlayerIsComputer[2] = false;
    SetUpPosition({{4, 4}, {6, 6}}, {{8, 8}});
    PressAt({8, 8}); // the opponent's
    EXPECT_FALSE(form->PieceSelected);
    PressAt({4, 4});
    EXPECT_TRUE(form->PieceSelected);
    PressAt({6, 6}); // another own piece only deselects
    EXPECT_FALSE(form->PieceSelected);
    EXPECT_EQ(form->SelectedRow, 0);
    EXPECT_EQ(form->pieces().At(4, 4)->outlineWidth(), 1);
    EXPECT_EQ(form->pieces().At(6, 6)->outlineWidth(), 1);
    PressAt({6, 6});
    EXPECT_EQ(form->SelectedRow, 6);
    // A click on the surface with nothing lit keeps the selection and plays nothing.
    SendMouse(QEvent::MouseButtonPress, QPoint(3, 3), Qt::LeftButton);
    EXPECT_TRUE(form->PieceSelected);
    EXPECT_EQ(form->CurrentPlayer, 1);
}

TEST_F(MousePlay, NothingActsWhileNoGameRunsOrTheComputerThinks) {
    form->Config.PlayerIsComputer[2] = false;
    SetUpPosition({{4, 4}}, {{9, 9}});
    form->ComputerBusy = true;
    PressAt({4, 4});
    EXPECT_FALSE(form->PieceSelected);
    form->ComputerBusy = false;
    PressAt({4, 4});
    form->ComputerBusy = true;
    HoverOver({4, 5});
    EXPECT_EQ(form->TargetRow, 0);
    form->ComputerBusy = false;
    form->GameRunning = false;
    PressAt({4, 4});
    EXPECT_TRUE(form->PieceSelected); // a click while no game runs changes nothing
    HoverOver({4, 5});
    EXPECT_EQ(form->TargetRow, 0);
}

TEST_F(MousePlay, EmptyingTheBoardDropsThePendingMove) {
    form->Config.PlayerIsComputer[2] = false;
    form->Start1Click();
    PressAt({4, 7});
    HoverOver({3, 6});
    ASSERT_EQ(form->TargetRow, 3);
    form->Start1Click(); // a new game from the menu
    EXPECT_FALSE(form->PieceSelected);
    EXPECT_EQ(form->SelectedRow, 0);
    EXPECT_EQ(form->TargetRow, 0);
    EXPECT_TRUE(form->highlights().isEmpty());
    // The click that would have played the old move does nothing.
    SendMouse(QEvent::MouseButtonPress, CentreOf({3, 6}, form->HexSize), Qt::LeftButton);
    EXPECT_EQ(form->CurrentPlayer, 1);
    EXPECT_EQ(form->board()(3, 6).Value, 0);
    ExpectBoardConsistent();
}

TEST_F(MousePlay, NetworkGameLocksTheRemoteTurnAndDropsAMoveThePeerCannotGet) {
    form->Config.PlayerIsComputer[2] = false;
    form->Config.NetworkRole = 2; // this copy plays player 2
    SetUpPosition({{4, 4}}, {{6, 6}}, 1);
    PressAt({4, 4});
    EXPECT_FALSE(form->PieceSelected); // player 1 is the remote user
    // No connection stands: the move cannot reach the peer, so it is not played here either.
    form->CurrentPlayer = 2;
    PlayByMouse({6, 6, 7, 8, false});
    EXPECT_EQ(form->board()(7, 8).Value, 0);
    EXPECT_FALSE(form->PieceSelected);
    EXPECT_EQ(form->TargetRow, 0);
    EXPECT_EQ(form->CurrentPlayer, 2);
    ExpectBoardConsistent();
}

} // namespace
