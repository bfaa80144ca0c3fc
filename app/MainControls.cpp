#include "app/MainControls.h"

#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QVBoxLayout>

#include "app/ShownText.h"
#include "view/BoardAccessible.h"
#include "view/BoardGeometry.h"
#include "view/BoardSurface.h"

MainControls::MainControls(QMainWindow& window, BoardSurfaceHandler& handler) {
    auto* client = new QWidget(&window);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Bevel1 = new QFrame(client);
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel1->setFixedHeight(2);
    layout->addWidget(Bevel1);

    // The board's accessible objects are made by their own factory, known before the surface.
    InstallBoardAccessibility();
    Surface = new BoardSurface(handler, client);
    layout->addWidget(Surface, 1);
    // The window goes no smaller than a board whose pieces can still be clicked.
    Surface->setMinimumSize(MinimumSurfaceSize().expandedTo({MinimumOuterWidth, 0}));

    Panel1 = new QFrame(client);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setFixedHeight(21);
    LabelState = new QLabel(ShownText(QStringLiteral("Not Connected")), Panel1);
    // The status line shows addresses and refused lines from the peer: never as markup.
    LabelState->setTextFormat(Qt::PlainText);
    LabelState->move(9, 2);
    QPalette statePalette = LabelState->palette();
    statePalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    LabelState->setPalette(statePalette);
    LabelState->setMinimumWidth(400);
    layout->addWidget(Panel1);
    Panel1->hide();

    ProgressBar = new QProgressBar(client);
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
    layout->addWidget(ProgressBar);

    window.setCentralWidget(client);
}

void MainControls::ShowNetworkStatus(bool networkRole) {
    Panel1->setVisible(networkRole);
    ProgressBar->setVisible(!networkRole);
}
