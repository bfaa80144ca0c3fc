#include "app/GameFile.h"

#include "app/SavedGameFile.h"
#include "app/settings/WholeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

QString WriteGameFile(const QString& path, const std::string& text) {
    const std::string failure = ReplaceWholeFile(QFile::encodeName(path).toStdString(), text);
    return failure.empty() ? QString()
                           : QCoreApplication::translate("GameFile", "Cannot write %1: %2")
                                 .arg(path, QString::fromLocal8Bit(failure.c_str()));
}

std::variant<SavedGame, GameFileError> ReadGameFile(const QString& path) {
    return ReadSavedGame(QFile::encodeName(path).toStdString());
}

QString WithGameSuffix(const QString& path) {
    return QFileInfo(path).fileName().contains('.') ? path : path + ".tgame";
}
