#include "app/MoveList.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QVBoxLayout>

#include "rules/GameRecord.h"
#include "rules/MoveNotation.h"

TMoveList::TMoveList(QWidget* owner) : QWidget(owner, Qt::Tool) {
    setWindowTitle("Move List");
    Lines = new QListWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Lines);
    resize(230, 389);
    connect(Lines, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (OnChoose) OnChoose(static_cast<std::size_t>(Lines->row(item)));
    });
    connect(Lines, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (OnChoose) OnChoose(static_cast<std::size_t>(Lines->row(item)));
    });
}

void TMoveList::Show(const GameRecord& record, bool live) {
    const QSignalBlocker quiet(Lines);
    Lines->clear();
    if (!live) return;
    Lines->addItem("Start");
    for (std::size_t ply = 0; ply < record.Size(); ++ply) {
        const int player = record.At(ply).ToMove;
        auto* item = new QListWidgetItem(QString("%1. Player %2 (%3): %4")
                                             .arg(ply + 1)
                                             .arg(player)
                                             .arg(player == 1 ? "white" : "yellow")
                                             .arg(QString::fromStdString(MoveText(record.Moves()[ply]))));
        if (ply >= record.Cursor()) item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        Lines->addItem(item);
    }
    Lines->setCurrentRow(static_cast<int>(record.Cursor()));
    Lines->scrollToItem(Lines->currentItem());
}

void TMoveList::ShowBeside(const QWidget& mainWindow, bool visible) {
    if (!visible) {
        hide();
        return;
    }
    if (!m_placed) {
        m_placed = true;
        move(mainWindow.frameGeometry().topRight() + QPoint(8, 0));
    }
    show();
    raise();
}

void TMoveList::closeEvent(QCloseEvent* event) {
    event->accept();
    if (OnClosed) OnClosed();
}
