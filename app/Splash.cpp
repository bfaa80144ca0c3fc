#include "app/Splash.h"

#include <QLabel>

#include "app/CentreOnScreen.h"
#include "app/PictureFile.h"
#include "app/Platform.h"

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
    repaint();
    m_platform.Wait(1000);
}
