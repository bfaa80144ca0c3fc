#pragma once

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

#include "ai/Engine.h"
#include "app/Main.h"
#include "app/WindowWait.h"
#include "tests/RecordingPlatform.h"
#include "view/BoardGeometry.h"
#include "view/PieceObject.h"

// A main window on the offscreen platform with a recording platform and no animation
// delay, and the mouse gestures of a player in window coordinates.
class WindowTest : public testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<TForm1>(platform);
        form->AnimDelay = 0;
        form->show();
        // As in the program, the window is on screen, its frame known, before anything else.
        WaitUntilExposed(form.get(), 5000);
    }

    // Resizes the window to an outer size, frame included, as the user drags it.
    void ResizeOuter(int width, int height) {
        const QSize frame = form->frameGeometry().size() - form->size();
        form->resize(width - frame.width(), height - frame.height());
        ASSERT_EQ(form->frameGeometry().size(), QSize(width, height));
    }

    // The widget under a point of the board surface gets the event, as from the mouse.
    void SendMouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton) {
        QWidget* target = form->surface()->childAt(at);
        if (!target) target = form->surface();
        const QPoint local = target->mapFrom(form->surface(), at);
        const Qt::MouseButtons buttons =
            type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        QMouseEvent event(type, local, target->mapToGlobal(local), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    static QPoint CentreOf(CellPos cell, int hexSize) {
        return CellAnchor(cell.Row, cell.Col, hexSize) + QPoint(hexSize, hexSize);
    }
    void HoverOver(CellPos cell) {
        SendMouse(QEvent::MouseMove, CentreOf(cell, form->HexSize) + form->BoardOffset());
    }
    void PressAt(CellPos cell, Qt::MouseButton button = Qt::LeftButton) {
        SendMouse(QEvent::MouseButtonPress, CentreOf(cell, form->HexSize) + form->BoardOffset(), button);
        SendMouse(QEvent::MouseButtonRelease, CentreOf(cell, form->HexSize) + form->BoardOffset(), button);
    }
    // Select, hover, click: a whole human move with the mouse.
    void PlayByMouse(const Move& move, Qt::MouseButton button = Qt::LeftButton) {
        PressAt({move.FromRow, move.FromCol});
        HoverOver({move.ToRow, move.ToCol});
        PressAt({move.ToRow, move.ToCol}, button);
    }

    // An empty running game with the given pieces, as at some moment of a game.
    void SetUpPosition(const std::vector<CellPos>& white, const std::vector<CellPos>& yellow,
                       int toMove = 1) {
        if (form->GameRunning) form->VideDamier();
        form->GameRunning = true;
        form->Score1->setText("0");
        form->Score2->setText("0");
        for (const CellPos& cell : white)
            form->CreatePion(cell.Row, cell.Col, cell.Row, cell.Col, 1);
        for (const CellPos& cell : yellow)
            form->CreatePion(cell.Row, cell.Col, cell.Row, cell.Col, 2);
        form->CurrentPlayer = toMove;
        platform.Sounds.clear();
    }

    static int CountValue(const ValueGrid& grid, int value) {
        int count = 0;
        for (int32_t v : grid.Cells)
            count += v == value ? 1 : 0;
        return count;
    }

    // The pieces shown on the board, in stacking order.
    QList<PieceObject*> ShownPieces() const {
        QList<PieceObject*> shown;
        for (PieceObject* piece : form->surface()->findChildren<PieceObject*>())
            if (!piece->isHidden()) shown << piece;
        return shown;
    }

    // Every piece value has its piece object in place, and the scores are the counts.
    void ExpectBoardConsistent() {
        int counts[3] = {0, 0, 0};
        for (int row = 1; row <= 9; ++row)
            for (int col = 1; col <= 9; ++col) {
                const Cell& cell = form->board()(row, col);
                const PieceObject* piece = form->pieces().At(row, col);
                if (cell.Value == 1 || cell.Value == 2) {
                    ASSERT_NE(piece, nullptr) << row << "," << col;
                    EXPECT_FALSE(piece->isHidden()) << row << "," << col;
                    EXPECT_EQ(piece->owner(), cell.Value) << row << "," << col;
                    EXPECT_EQ(piece->row(), row);
                    EXPECT_EQ(piece->col(), col);
                    EXPECT_EQ(piece->geometry(),
                              PieceBox(row, col, form->HexSize).translated(form->BoardOffset()));
                    ++counts[cell.Value];
                } else {
                    EXPECT_EQ(piece, nullptr) << row << "," << col;
                }
            }
        EXPECT_EQ(ShownPieces().size(), counts[1] + counts[2]);
        if (form->GameRunning) {
            EXPECT_EQ(form->Score1->text(), QString::number(counts[1]));
            EXPECT_EQ(form->Score2->text(), QString::number(counts[2]));
        }
    }

    RecordingPlatform platform;
    std::unique_ptr<TForm1> form;
};
