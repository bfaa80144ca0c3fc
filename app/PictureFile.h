#pragma once

#include <QString>

class Platform;
class QLabel;

// The picture of the splash and the About box, read from the working directory.
inline const QString SplashPictureFile = QStringLiteral("splashs.bmp");

// Shows a picture file in a label. A file that cannot be read is reported in a message
// box ("Cannot open file NAME") and the label stays empty; the caller goes on.
bool LoadPicture(Platform& platform, QLabel* label, const QString& fileName);
