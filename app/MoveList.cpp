#include "app/MoveList.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/ReviewGraph.h"
#include "rules/GameRecord.h"
#include "rules/MoveNotation.h"

namespace {

QString SummaryLine(const QString& colour, const ReviewSummary& summary) {
    return QCoreApplication::translate("MoveList", "%1: average loss %2, %3 ?!, %4 ?, %5 ??")
        .arg(colour)
        .arg(summary.AverageLoss, 0, 'f', 1)
        .arg(summary.Inaccuracies)
        .arg(summary.Mistakes)
        .arg(summary.Blunders);
}

} // namespace

TMoveList::TMoveList(QWidget* owner) : QWidget(owner, Qt::Tool) {
    setWindowTitle(QCoreApplication::translate("MoveList", "Move List"));
    Graph = new ReviewGraph(this);
    Summary = new QLabel(this);
    Summary->setTextFormat(Qt::PlainText);
    Lines = new QListWidget(this);
    Replay = new QPushButton(QCoreApplication::translate("MoveList", "Replay"), this);
    Pace = new QDoubleSpinBox(this);
    Pace->setRange(0.5, 3.0);
    Pace->setSingleStep(0.5);
    Pace->setDecimals(1);
    Pace->setValue(1.0);
    Pace->setSuffix(QCoreApplication::translate("MoveList", " s"));
    Pace->setAccessibleName(QCoreApplication::translate("MoveList", "Seconds a move"));
    Pause = new QPushButton(QCoreApplication::translate("MoveList", "Pause"), this);
    Level = new QSpinBox(this);
    Level->setRange(MinReviewLevel, MaxReviewLevel);
    Level->setValue(DefaultReviewLevel);
    Level->setAccessibleName(QCoreApplication::translate("MoveList", "Review level"));

    auto* play = new QHBoxLayout;
    play->addWidget(Replay);
    play->addWidget(Pace);
    play->addWidget(Pause);
    auto* review = new QHBoxLayout;
    auto* levelLabel = new QLabel(QCoreApplication::translate("MoveList", "Review level"), this);
    levelLabel->setBuddy(Level);
    review->addWidget(levelLabel);
    review->addWidget(Level);
    review->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Graph);
    layout->addWidget(Summary);
    layout->addWidget(Lines, 1);
    layout->addLayout(play);
    layout->addLayout(review);
    resize(280, 480);
    setMinimumSize(220, 320);

    Graph->OnChoose = [this](std::size_t ply) {
        if (OnChoose) OnChoose(ply);
    };
    connect(Lines, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (OnChoose) OnChoose(static_cast<std::size_t>(Lines->row(item)));
    });
    connect(Lines, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (OnChoose) OnChoose(static_cast<std::size_t>(Lines->row(item)));
    });
    connect(Replay, &QPushButton::clicked, this, [this] {
        if (OnReplay) OnReplay();
    });
    connect(Pause, &QPushButton::clicked, this, [this] {
        if (OnPause) OnPause();
    });
    connect(Level, &QSpinBox::valueChanged, this, [this](int level) {
        if (OnLevel) OnLevel(level);
    });
}

void TMoveList::Show(const GameRecord& record, bool live) {
    const QSignalBlocker quiet(Lines);
    Lines->clear();
    m_lines.clear();
    m_cursor = live ? record.Cursor() : 0;
    if (!live) {
        ShowReview({});
        return;
    }
    Lines->addItem(QCoreApplication::translate("MoveList", "Start"));
    for (std::size_t ply = 0; ply < record.Size(); ++ply) {
        const int player = record.At(ply).ToMove;
        //: %1 the move's number, %2 the player, %3 its colour, %4 the move as in 5-3-6-4-1.
        m_lines << QCoreApplication::translate("MoveList", "%1. Player %2 (%3): %4")
                       .arg(ply + 1)
                       .arg(player)
                       .arg(player == 1 ? QCoreApplication::translate("MoveList", "white")
                                        : QCoreApplication::translate("MoveList", "yellow"))
                       .arg(QString::fromStdString(MoveText(record.Moves()[ply])));
        auto* item = new QListWidgetItem(m_lines.back());
        if (ply >= record.Cursor()) item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        Lines->addItem(item);
    }
    Lines->setCurrentRow(static_cast<int>(record.Cursor()));
    Lines->scrollToItem(Lines->currentItem());
}

void TMoveList::ShowReview(const std::vector<std::optional<MoveReview>>& reviews) {
    Graph->Show(reviews, m_cursor);
    for (std::size_t ply = 0; ply < reviews.size() && ply < static_cast<std::size_t>(m_lines.size()); ++ply) {
        QListWidgetItem* item = Lines->item(static_cast<int>(ply) + 1);
        if (!item || !reviews[ply]) continue;
        const int loss = reviews[ply]->Loss();
        const QString mark = QString::fromLatin1(MarkText(MarkOf(loss)));
        item->setText(QString("%1   -%2%3")
                          .arg(m_lines[static_cast<int>(ply)])
                          .arg(loss)
                          .arg(mark.isEmpty() ? "" : " " + mark));
    }
    Summary->setText(
        reviews.empty()
            ? QString()
            : SummaryLine(QCoreApplication::translate("MoveList", "White"), Summarize(reviews, 1)) + "\n" +
                  SummaryLine(QCoreApplication::translate("MoveList", "Yellow"), Summarize(reviews, 2)));
}

void TMoveList::ShowPlayControls(bool mayReplay, bool mayPause, bool paused) {
    Replay->setEnabled(mayReplay);
    Pause->setEnabled(mayPause);
    Pause->setText(paused ? QCoreApplication::translate("MoveList", "Resume")
                          : QCoreApplication::translate("MoveList", "Pause"));
}

int TMoveList::PaceMilliseconds() const {
    return static_cast<int>(Pace->value() * 1000 + 0.5);
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
