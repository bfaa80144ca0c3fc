#include "app/GameFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString WriteGameFile(const QString& path, const std::string& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return QString("Cannot write %1: %2").arg(path, file.errorString());
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) ||
        !file.commit())
        return QString("Cannot write %1: %2").arg(path, file.errorString());
    return {};
}

std::variant<SavedGame, GameFileError> ReadGameFile(const QString& path) {
    // Only a plain file: a pipe or a device could block the window or never end.
    if (!QFileInfo(path).isFile()) return GameFileError{1, "this is not a plain file"};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return GameFileError{1, "the file cannot be read: " + file.errorString().toStdString()};
    const QByteArray bytes = file.read(GameFileMaxBytes + 1);
    return ReadGameText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString WithGameSuffix(const QString& path) {
    return QFileInfo(path).fileName().contains('.') ? path : path + ".tgame";
}
