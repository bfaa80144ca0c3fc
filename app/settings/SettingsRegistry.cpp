#include "app/settings/SettingsRegistry.h"

#include "app/settings/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace fs = std::filesystem;

namespace {

// A settings file larger than this is not one the program wrote; it is left alone.
constexpr std::uintmax_t MaxFileSize = 1 << 20;

std::string WithName(const char* text, std::string_view name) {
    std::string out = text;
    out.replace(out.find("%s"), 2, name);
    return out;
}

std::string SectionOf(std::string_view key) {
    while (!key.empty() && key.front() == '\\')
        key.remove_prefix(1);
    return "HKEY_CURRENT_USER\\" + std::string(key);
}

} // namespace

SettingsRegistry::SettingsRegistry(fs::path file) : m_file(std::move(file)) {}

void SettingsRegistry::Load() {
    m_document = {};
    m_unreadable = false;
    m_saved = m_document;
    std::error_code ec;
    if (!fs::exists(fs::status(m_file, ec))) return;
    // Opened without waiting and judged by what was opened: a FIFO or a device at the path
    // would otherwise hold the program before its window appears. Anything that is not a
    // regular file is unreadable, like a file without read permission.
    const int fd = ::open(m_file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uintmax_t>(info.st_size) > MaxFileSize) {
        if (fd >= 0) ::close(fd);
        m_unreadable = true;
        return;
    }
    std::string text;
    char buffer[8192];
    bool failed = false;
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) {
            failed = count < 0;
            break;
        }
        text.append(buffer, static_cast<size_t>(count));
        if (text.size() > MaxFileSize) {
            failed = true;
            break;
        }
    }
    ::close(fd);
    if (failed) {
        m_unreadable = true;
        return;
    }
    m_document = RegistryDocument::Parse(text);
    m_saved = m_document;
}

bool SettingsRegistry::KeyExists(std::string_view key) {
    Load();
    return m_unreadable || m_document.HasKey(SectionOf(key));
}

bool SettingsRegistry::OpenKey(std::string_view key, bool canCreate) {
    Load();
    const std::string section = SectionOf(key);
    if (!m_unreadable && !m_document.HasKey(section)) {
        if (!canCreate) return false;
        m_document.AddKey(section);
    }
    m_key = section;
    return true;
}

std::optional<RegValue> SettingsRegistry::Find(std::string_view name) const {
    if (m_key.empty()) return std::nullopt;
    return m_document.Find(m_key, name);
}

int32_t SettingsRegistry::ReadInteger(std::string_view name) const {
    const auto value = Find(name);
    if (!value || value->Kind == RegValueKind::Unreadable)
        throw SettingsError(WithName("Failed to get data for '%s'", name));
    if (value->Kind != RegValueKind::Integer)
        throw SettingsError(WithName("Invalid data type for '%s'", name));
    return static_cast<int32_t>(value->Integer);
}

bool SettingsRegistry::ReadBool(std::string_view name) const {
    return ReadInteger(name) != 0;
}

std::string SettingsRegistry::ReadString(std::string_view name) const {
    const auto value = Find(name);
    if (!value || value->Kind == RegValueKind::Unreadable) return {};
    if (value->Kind != RegValueKind::String)
        throw SettingsError(WithName("Invalid data type for '%s'", name));
    return value->Text;
}

bool SettingsRegistry::ValueExists(std::string_view name) const {
    return Find(name).has_value();
}

void SettingsRegistry::WriteInteger(std::string_view name, int32_t value) {
    if (m_key.empty()) throw SettingsError(WithName("Failed to set data for '%s'", name));
    m_document.SetInteger(m_key, name, static_cast<uint32_t>(value));
    Written(name);
}

void SettingsRegistry::WriteBool(std::string_view name, bool value) {
    WriteInteger(name, value ? 1 : 0);
}

void SettingsRegistry::WriteString(std::string_view name, std::string_view text) {
    if (m_key.empty()) throw SettingsError(WithName("Failed to set data for '%s'", name));
    m_document.SetString(m_key, name, text);
    Written(name);
}

void SettingsRegistry::BeginUpdate() {
    // Start from the file as it is now, so lines a person edited while the program ran
    // are kept; the open key is created again if it was removed meanwhile.
    if (!m_updating && !m_pending && !m_key.empty()) {
        Load();
        if (!m_unreadable) m_document.AddKey(m_key);
    }
    m_updating = true;
}

void SettingsRegistry::EndUpdate() {
    m_updating = false;
    if (m_pending) SaveOrThrow();
}

void SettingsRegistry::Written(std::string_view name) {
    if (!m_pending) m_firstPending = name;
    m_pending = true;
    if (!m_updating) SaveOrThrow();
}

void SettingsRegistry::SaveOrThrow() {
    const std::string failed = std::move(m_firstPending);
    m_firstPending.clear();
    m_pending = false;
    if (Save()) {
        m_saved = m_document;
        return;
    }
    m_document = m_saved;
    if (!m_unreadable && !m_key.empty()) m_document.AddKey(m_key);
    throw SettingsError(WithName("Failed to set data for '%s'", failed));
}

bool SettingsRegistry::Save() const {
    // The settings folder is made on the first run.
    return !m_unreadable && ReplaceWholeFile(m_file, m_document.Serialize(), true).empty();
}
