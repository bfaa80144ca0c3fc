#include "Splash.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QTimer>
#include <QWindow>

#include "Pictures.h"
#include "Platform.h"

TSplashForm::TSplashForm(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_platform(platform) {
    Image1 = new QLabel(this);
    Image1->setAlignment(Qt::AlignCenter);
    FormCreate();
}

void TSplashForm::FormCreate() {
    setFixedSize(398, 263);
    if (logicalDpiX() > 100) setFixedSize(324, 218);
    Image1->setGeometry(rect());
    LoadPicture(m_platform, Image1, SplashPictureFile);
    CentreOnScreen(this);
}

void TSplashForm::FormActivate() {
    // The hold below handles no events, so the picture must reach the display before it:
    // wait (at most half a second) until the display has exposed the window, since painting
    // an unexposed window does nothing, then paint and send the drawing out. Otherwise the
    // splash stays blank, or does not appear at all, until the main window covers it.
    QTimer limit;
    limit.setSingleShot(true);
    limit.start(500);
    while (isVisible() && windowHandle() && !windowHandle()->isExposed() && limit.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    repaint();
    QGuiApplication::sync();
    m_platform.Wait(1000);
}
