#include "Splash.h"

#include <QCoreApplication>
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
    // A window paints only once the display has exposed it. Without waiting for that, the
    // blocking hold below leaves the splash blank for its whole second whenever the expose
    // arrives late, as it does on a busy machine. The wait is bounded.
    QTimer limit;
    limit.setSingleShot(true);
    limit.start(500);
    while (isVisible() && windowHandle() && !windowHandle()->isExposed() && limit.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    repaint();
    m_platform.Wait(1000);
}
