#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

#include "app/Main.h"
#include "app/options/option.h"
#include "rules/Move.h"
#include "rules/MoveOffsets.h"
#include "tests/RecordingPlatform.h"
#include "tests/SocketTestSupport.h"
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

// Human against human over the network: `role` 1 listens, 2 connects.
inline void MakeNetworkPlayer(TForm1& form, int role, int port) {
    form.Config.PlayerIsComputer[1] = false;
    form.Config.PlayerIsComputer[2] = false;
    form.Config.NetworkRole = static_cast<uint8_t>(role);
    form.Options->EditHostClient->setText("127.0.0.1");
    form.Options->EditPortClient->setText(QString::number(port));
    form.Options->EditPortServer->setText(QString::number(port));
}

// Sends without blocking: the window reads on this same thread while a megabyte is on its way.
inline void SendRaw(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    QElapsedTimer clock;
    clock.start();
    while (sent < bytes.size() && clock.elapsed() < 10000) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0)
            sent += static_cast<std::size_t>(n);
        else if (errno != EAGAIN && errno != EWOULDBLOCK)
            break;
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(sent, bytes.size());
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
