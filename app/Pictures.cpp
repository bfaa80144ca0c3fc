#include "Pictures.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

#include "Platform.h"

bool LoadPicture(Platform& platform, QLabel* label, const QString& fileName) {
    QPixmap picture;
    if (!picture.load(fileName)) {
        platform.ShowMessage(QStringLiteral("Tessaron"), QStringLiteral("Cannot open file %1").arg(fileName));
        label->clear();
        return false;
    }
    label->setPixmap(picture);
    return true;
}

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}
