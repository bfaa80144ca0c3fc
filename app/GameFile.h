#pragma once

#include <QString>
#include <string>
#include <variant>

#include "app/GameText.h"

// Reading and writing game files. A write goes to a fresh file that replaces the old one
// only when it is complete, so a failed save never leaves half a game. The result is the
// error text, empty on success.
QString WriteGameFile(const QString& path, const std::string& text);
std::variant<SavedGame, GameFileError> ReadGameFile(const QString& path);
// A name without a suffix gets ".tgame": Open Game shows only such files.
QString WithGameSuffix(const QString& path);
