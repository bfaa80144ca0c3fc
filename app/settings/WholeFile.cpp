#include "app/settings/WholeFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Writes all of `text`, or gives the errno of the first failure (a write that takes nothing
// counts as a full disk).
int WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return errno;
        if (written == 0) return ENOSPC;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

} // namespace

std::string ReplaceWholeFile(const fs::path& file, std::string_view text, bool makeFolders) {
    std::error_code ec;
    fs::path target = file;
    if (fs::is_symlink(file, ec)) {
        const fs::path resolved = fs::weakly_canonical(file, ec);
        if (!ec) target = resolved;
    }
    fs::path directory = target.parent_path();
    if (directory.empty()) directory = ".";
    if (makeFolders) fs::create_directories(directory, ec);

    std::string temporary = (directory / (target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return std::strerror(errno);
    int failure = WriteAll(fd, text);
    struct stat old {};
    if (failure == 0 && ::stat(target.c_str(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0)
        failure = errno;
    if (failure == 0 && ::fsync(fd) != 0) failure = errno;
    if (::close(fd) != 0 && failure == 0) failure = errno;
    if (failure == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) failure = errno;
    if (failure != 0) {
        ::unlink(temporary.c_str());
        return std::strerror(failure);
    }
    // Make the rename itself durable.
    const int directoryFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directoryFd >= 0) {
        ::fsync(directoryFd);
        ::close(directoryFd);
    }
    return {};
}
