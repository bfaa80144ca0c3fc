#include <QAccessible>
#include <QKeyEvent>

#include "rules/Layouts.h"
#include "tests/WindowTestSupport.h"
#include "view/BoardAccessible.h"
#include "view/BoardCursor.h"

namespace {

TEST(BoardCursor, KeysMoveAlongTheScreenAndStopAtEdges) {
    using K = CursorKey;
    struct Case {
        CellPos From;
        std::vector<K> Keys;
        CellPos To;
        const char* Name;
    };
    for (const Case& c : {
             Case{{3, 7}, {K::Up}, {3, 6}, "up: column - 1"},
             Case{{3, 7}, {K::Down}, {3, 7}, "down at the bottom edge stays"},
             Case{{5, 1}, {K::Up}, {5, 1}, "up at the top edge stays"},
             Case{{5, 4}, {K::Down}, {5, 6}, "over a hole"},
             Case{{3, 3}, {K::Down}, {3, 5}, "over another hole"},
             Case{{5, 5 - 1}, {K::Left}, {4, 3}, "left from level: the upper of two"},
             Case{{4, 4}, {K::Left}, {3, 3}, "left next to a hole takes the other neighbour"},
             Case{{1, 1}, {K::Left}, {1, 1}, "left at the left edge stays"},
             Case{{9, 9}, {K::Right}, {9, 9}, "right at the right edge stays"},
             Case{{5, 1}, {K::Right}, {6, 2}, "right at the top: the only neighbour there"},
             Case{{1, 3}, {K::Right, K::Right, K::Right, K::Right}, {5, 4}, "holding right stays level"},
             Case{{1, 3}, {K::Right, K::Right, K::Up, K::Right}, {4, 2}, "up ends the run: level again"},
             Case{{9, 7},
                  {K::Left, K::Left, K::Left, K::Left, K::Left, K::Left, K::Left, K::Left},
                  {1, 3},
                  "holding left crosses the whole board"},
         }) {
        CellPos at = c.From;
        std::optional<int> run;
        for (K key : c.Keys) {
            at = StepCursor(at, key, run);
            ASSERT_TRUE(CursorMayRest(at)) << c.Name;
        }
        EXPECT_EQ(at, c.To) << c.Name;
    }
}

class KeyboardPlay : public WindowTest {
  protected:
    void Key(int key, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(form->surface(), &press);
    }
    void Type(const QString& keys) {
        for (QChar ch : keys)
            Key(ch == ' ' ? Qt::Key_Space : ch == '-' ? Qt::Key_Minus : Qt::Key_0 + (ch.unicode() - '0'), ch);
    }
    CellPos Cursor() const { return CursorNow(*form); }
    static CellPos CursorNow(const TForm1& window) {
        QAccessibleInterface* surface = QAccessible::queryAccessibleInterface(window.surface());
        QAccessibleInterface* cell = surface ? surface->focusChild() : nullptr;
        CellPos found{};
        if (cell && std::sscanf(cell->text(QAccessible::Name).toLatin1().constData(), "Row %d, column %d",
                                &found.Row, &found.Col) != 2)
            found = {};
        return found;
    }
};

TEST_F(KeyboardPlay, AGameStartsWithTheBoardFocusedOnWhitesFirstPiece) {
    form->Config.PlayerIsComputer[2] = false;
    form->Start1Click();
    EXPECT_TRUE(form->surface()->hasFocus());
    EXPECT_EQ(Cursor(), (CellPos{3, 7}));
    form->StandardClick(form->American);
    form->Start1Click();
    EXPECT_EQ(Cursor(), (CellPos{1, 5}));
    // A click moves the cursor to the clicked cell, a piece or an empty one.
    PressAt({5, 9});
    EXPECT_EQ(Cursor(), (CellPos{5, 9}));
    PressAt({4, 4});
    EXPECT_EQ(Cursor(), (CellPos{4, 4}));
}

TEST_F(KeyboardPlay, SpaceAndReturnPlayAsTheMouseDoesAndTheComputerReplies) {
    form->Start1Click(); // against the computer, player 2
    Key(Qt::Key_Space);
    EXPECT_TRUE(form->PieceSelected);
    EXPECT_EQ(form->pieces().At(3, 7)->outlineWidth(), 3);
    Key(Qt::Key_Up);
    EXPECT_EQ(form->highlights().value(CellKey(3, 6)), CloneHighlightColor) << "lit as by the pointer";
    Key(Qt::Key_Left);
    EXPECT_EQ(Cursor(), (CellPos{2, 5}));
    EXPECT_EQ(form->highlights().value(CellKey(2, 5)), JumpHighlightColor);
    EXPECT_EQ(form->highlights().size(), 1) << "the light left the cell the cursor left";
    Key(Qt::Key_Return);
    EXPECT_EQ(form->board()(3, 7).Value, 0);
    EXPECT_EQ(form->CurrentPlayer, 1) << "the computer replied";
    EXPECT_EQ(form->game().record().Moves().front(), (Move{3, 7, 2, 5, false}));
    EXPECT_EQ(form->game().record().Size(), 2u);
    ExpectBoardConsistent();
}

TEST_F(KeyboardPlay, SpaceOnTheSelectedPieceOrEscapeDropsTheSelection) {
    form->Config.PlayerIsComputer[2] = false;
    form->Start1Click();
    Key(Qt::Key_Space);
    ASSERT_TRUE(form->PieceSelected);
    Key(Qt::Key_Space);
    EXPECT_FALSE(form->PieceSelected);
    Key(Qt::Key_Space);
    Key(Qt::Key_Up);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(form->PieceSelected);
    EXPECT_TRUE(form->highlights().isEmpty()) << "the light went with the selection";
    Key(Qt::Key_Enter);
    EXPECT_EQ(CopyToValueGrid(form->board()), StartingGrid(Standard)) << "nothing to play";
    Key(Qt::Key_Down);
    Key(Qt::Key_Space);
    Key(Qt::Key_Up);
    Key(Qt::Key_Enter);
    EXPECT_EQ(form->board()(3, 6).Value, 1);
    EXPECT_EQ(form->CurrentPlayer, 2);
}

TEST_F(KeyboardPlay, TypedMovesPlayWhenLegalAndAreIgnoredOtherwise) {
    form->Config.PlayerIsComputer[2] = false;
    form->Start1Click();
    // Not a move, off the board, a hole, yellow's piece while white is to move.
    for (const char* ignored : {"1111", "3799", "5555", "31 32"})
        Type(ignored);
    EXPECT_EQ(CopyToValueGrid(form->board()), StartingGrid(Standard));
    Type("3-7 3-6");
    Type("3-1-3 2");
    Type("47 45");
    EXPECT_EQ(form->game().record().Moves(),
              (std::vector<Move>{{3, 7, 3, 6, true}, {3, 1, 3, 2, true}, {4, 7, 4, 5, false}}));
    EXPECT_EQ(Cursor(), (CellPos{4, 5}));
    ExpectBoardConsistent();
}

TEST_F(KeyboardPlay, WhatTheMouseIgnoresTheKeysIgnore) {
    form->Config.PlayerIsComputer[2] = false;
    Key(Qt::Key_Space);
    Type("3736");
    EXPECT_FALSE(form->PieceSelected) << "no game";
    form->Start1Click();
    form->ComputerBusy = true;
    Key(Qt::Key_Space);
    Type("3736");
    EXPECT_FALSE(form->PieceSelected) << "the computer is thinking";
    EXPECT_EQ(CopyToValueGrid(form->board()), StartingGrid(Standard));
    form->ComputerBusy = false;
    form->Config.NetworkRole = 2;
    Type("3736");
    EXPECT_EQ(CopyToValueGrid(form->board()), StartingGrid(Standard)) << "the peer's turn";
}

TEST_F(KeyboardPlay, AScreenReaderReadsTheCellsTheMarkersAndEveryMove) {
    form->Config.PlayerIsComputer[2] = false;
    form->Start1Click();
    QAccessibleInterface* surface = QAccessible::queryAccessibleInterface(form->surface());
    QAccessibleInterface* list = nullptr;
    QAccessibleInterface* status = nullptr;
    for (int i = 0; i < surface->childCount(); ++i) {
        QAccessibleInterface* child = surface->child(i);
        if (child->role() == QAccessible::List) list = child;
        if (child->role() == QAccessible::StatusBar) status = child;
        EXPECT_FALSE(qobject_cast<PieceObject*>(child->object())) << "no piece object is listed";
    }
    EXPECT_EQ(surface->childCount(), 6) << "two captions, two markers, the cells, the status";
    ASSERT_TRUE(list && status);
    ASSERT_EQ(list->childCount(), 58);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), "Row 1, column 1: empty");
    EXPECT_EQ(list->child(57)->text(QAccessible::Name), "Row 9, column 9: empty");
    int white = 0, yellow = 0;
    for (int i = 0; i < 58; ++i) {
        const QString name = list->child(i)->text(QAccessible::Name);
        white += name.endsWith(": white piece");
        yellow += name.endsWith(": yellow piece");
        EXPECT_FALSE(name.startsWith("Row 3, column 4:")) << "the holes are not listed";
    }
    EXPECT_EQ(white, 9);
    EXPECT_EQ(yellow, 9);
    EXPECT_EQ(form->Player1Marker->accessibleName(), "White: 9 pieces");
    EXPECT_TRUE(surface->focusChild()->state().focused);

    PlayByMouse({3, 7, 3, 6, true});
    const QString said = status->text(QAccessible::Name);
    EXPECT_EQ(said, "White: 3-7 to 3-6, clone, 0 captured. Yellow to move.");
    EXPECT_EQ(surface->focusChild()->text(QAccessible::Name), "Row 3, column 6: white piece");
    EXPECT_EQ(surface->focusChild()->text(QAccessible::Description), said) << "news for the focused cell";
    EXPECT_EQ(form->Player1Marker->accessibleName(), "White: 10 pieces");
    Key(Qt::Key_Up);
    EXPECT_TRUE(surface->focusChild()->text(QAccessible::Description).isEmpty()) << "told once";
    EXPECT_EQ(MoveSpoken({4, 4, 4, 6, false}, 2, 3), "Yellow: 4-4 to 4-6, jump, 3 captured. White to move.");
}

} // namespace
