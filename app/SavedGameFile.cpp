#include "app/SavedGameFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>
#include <system_error>

std::variant<SavedGame, GameFileError> ReadSavedGame(const std::filesystem::path& path) {
    // Only a plain file: a pipe or a device could block the reader or never end.
    std::error_code status;
    if (!std::filesystem::is_regular_file(path, status)) return GameFileError{1, "this is not a plain file"};
    std::ifstream file(path, std::ios::binary);
    if (!file) return GameFileError{1, std::string("the file cannot be read: ") + std::strerror(errno)};
    std::string text(GameFileMaxBytes + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(file.gcount()));
    return ReadGameText(text);
}
