#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "app/settings/RegistryText.h"

// A failed read or write of a settings value; what() is the text shown to the user.
class SettingsError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The per-user registry of this program: one text file (see RegistryText.h) holding keys
// under the root HKEY_CURRENT_USER, used through the operations a registry offers.
//
// Every write is saved at once unless it lies between BeginUpdate and EndUpdate, which save
// once for the whole group. Saving never leaves a partly written file: the new text goes to
// a fresh file in the same directory, is flushed to the disk and then renamed over the old
// one. When saving fails the old file stays as it was and the write reports
// "Failed to set data for '<name>'".
class SettingsRegistry {
  public:
    explicit SettingsRegistry(std::filesystem::path file);

    // Whether the file holds the key's section. A file that exists but cannot be read
    // counts as holding it (with no values), so it is never replaced by first-run values.
    bool KeyExists(std::string_view key);
    // Opens the key for the reads and writes below; returns false when it does not exist
    // and may not be created. A created key is saved with the first write.
    bool OpenKey(std::string_view key, bool canCreate);

    // Reads of the open key. A missing integer raises "Failed to get data for '<name>'";
    // a value of another type "Invalid data type for '<name>'". A missing string reads as
    // the empty text. A value line that cannot be read counts as missing.
    int32_t ReadInteger(std::string_view name) const;
    bool ReadBool(std::string_view name) const;
    std::string ReadString(std::string_view name) const;
    // Whether the open key holds a line for the value, readable or not.
    bool ValueExists(std::string_view name) const;

    void WriteInteger(std::string_view name, int32_t value);
    void WriteBool(std::string_view name, bool value);
    void WriteString(std::string_view name, std::string_view text);

    void BeginUpdate();
    // Saves the writes since BeginUpdate; on failure they are dropped and the first of
    // them is named in the error.
    void EndUpdate();

    const std::filesystem::path& File() const { return m_file; }

  private:
    void Load();
    std::optional<RegValue> Find(std::string_view name) const;
    void Written(std::string_view name);
    void SaveOrThrow();
    bool Save() const;

    std::filesystem::path m_file;
    RegistryDocument m_document;
    RegistryDocument m_saved; // the document as the file holds it
    bool m_unreadable = false;
    std::string m_key; // the open key's section name
    bool m_updating = false;
    bool m_pending = false;     // written since the last save
    std::string m_firstPending; // the first of those values
};
