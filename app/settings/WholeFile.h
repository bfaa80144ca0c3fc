#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Replaces a file's contents so that, whatever happens (a full disk, the program killed, the
// power lost), the file is afterwards the old one or the new one, whole: the text goes to a
// fresh file beside it, which is flushed to the disk and then renamed over it. A symbolic link
// is kept and its target replaced; the old file's permissions are kept. Every failure of every
// step counts: a short write is a failure. On failure the fresh file is removed, the old one is
// untouched, and the result is the system's reason ("No space left on device"); on success it
// is empty. With `makeFolders`, missing folders on the way are made first.
std::string ReplaceWholeFile(const std::filesystem::path& file, std::string_view text,
                             bool makeFolders = false);
