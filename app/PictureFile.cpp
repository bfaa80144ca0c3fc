#include "app/PictureFile.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>

#include "app/Platform.h"

bool LoadPicture(Platform& platform, QLabel* label, const QString& fileName) {
    QPixmap picture;
    if (!picture.load(fileName)) {
        platform.ShowMessage(QStringLiteral("Tessaron"),
                             QCoreApplication::translate("PictureFile", "Cannot open file %1").arg(fileName));
        label->clear();
        return false;
    }
    label->setPixmap(picture);
    return true;
}
