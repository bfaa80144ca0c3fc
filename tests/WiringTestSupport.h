#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <optional>

#include "SocketTestSupport.h"
#include "app/Main.h"
#include "app/RecordingPlatform.h"
#include "app/options/option.h"
#include "rules/Move.h"
#include "rules/MoveOffsets.h"
#include "view/BoardGeometry.h"

// A main window as the program runs it, on the offscreen platform with a recording platform
// and no animation delay; each window of a test has its own platform, like a separate copy.
struct TestWindow {
    RecordingPlatform Platform;
    std::unique_ptr<TForm1> Form;

    TestWindow() : Form(std::make_unique<TForm1>(Platform)) {
        Form->AnimDelay = 0;
        Form->show();
    }

    // The widget under a point of the board surface gets the event, as from the mouse.
    void SendMouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton) {
        QWidget* target = Form->surface()->childAt(at);
        if (!target) target = Form->surface();
        const QPoint local = target->mapFrom(Form->surface(), at);
        const Qt::MouseButtons buttons =
            type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        QMouseEvent event(type, local, target->mapToGlobal(local), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    QPoint CentreOf(int row, int col) const {
        return CellAnchor(row, col, Form->HexSize) + QPoint(Form->HexSize, Form->HexSize);
    }
    void PressAt(int row, int col) {
        SendMouse(QEvent::MouseButtonPress, CentreOf(row, col), Qt::LeftButton);
        SendMouse(QEvent::MouseButtonRelease, CentreOf(row, col), Qt::LeftButton);
    }
    // Select, hover, click: a whole move with the mouse.
    void PlayByMouse(const Move& move) {
        PressAt(move.FromRow, move.FromCol);
        SendMouse(QEvent::MouseMove, CentreOf(move.ToRow, move.ToCol));
        PressAt(move.ToRow, move.ToCol);
    }

    ValueGrid Grid() const { return CopyToValueGrid(Form->board()); }
};

// A legal move of `player`, the first in board order (clones before jumps, so games last).
inline std::optional<Move> SomeLegalMove(const ValueGrid& grid, int player) {
    for (const bool clone : {true, false})
        for (int row = 1; row <= 9; ++row)
            for (int col = 1; col <= 9; ++col)
                for (const Offset& offset : MoveOffsets) {
                    const Move move{row, col, row + offset.dRow, col + offset.dCol, clone};
                    if (!CellValid(move.ToRow, move.ToCol)) continue;
                    if ((HexDistance(offset.dRow, offset.dCol) == 1) != clone) continue;
                    if (IsLegalMove(grid, move, player)) return move;
                }
    return std::nullopt;
}

inline void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// The user of the Players dialog: `work` sets its controls, then OK or Cancel is clicked.
template <typename Work> void AnswerPlayersDialog(RecordingPlatform& platform, bool ok, Work work) {
    platform.OnDialog = [ok, work](QDialog& dialog) {
        auto& options = dynamic_cast<TOptions&>(dialog);
        dialog.show();
        work(options);
        Click(ok ? options.OkButton : options.CancelButton);
        return dialog.result();
    };
}
