#pragma once

#include <filesystem>
#include <variant>

#include "app/GameText.h"

// Reads a saved game from a file, as Open Game does: only a plain file, at most
// GameFileMaxBytes of it, every move replayed through the rules.
std::variant<SavedGame, GameFileError> ReadSavedGame(const std::filesystem::path& path);
