#include "app/GameFile.h"

#include "app/SavedGameFile.h"

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
    return ReadSavedGame(QFile::encodeName(path).toStdString());
}

QString WithGameSuffix(const QString& path) {
    return QFileInfo(path).fileName().contains('.') ? path : path + ".tgame";
}
