#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The settings file in the registry's text export format:
//
//   [HKEY_CURRENT_USER\Software\Tessaron]
//   "Type1"=dword:00000001
//   "HostClient"="127.0.0.1"
//
// A section line names a key; each value line below it is "name"=data. Data is an integer
// (dword: and one to eight hex digits), a quoted string (\\ and \" escaped, and \n, \r so
// that a value stays on its line), "-" (a deleted value), or another registry type
// (hex:..., hex(7):..., qword:...), whose line may continue on the next lines after a
// trailing backslash. An expandable string (hex(2):) or a string given as bytes (hex(1):)
// reads as a string: UTF-16LE bytes up to the first zero character, unexpanded.
// Everything else is kept as it stands but carries no value.

enum class RegValueKind {
    Integer,    // dword: the one integer type the program uses
    String,     // a quoted string, or a string stored as bytes
    OtherType,  // a well-formed value of a type the program does not use
    Unreadable, // a value line whose data cannot be read (garbage, truncated, "-")
};

struct RegValue {
    RegValueKind Kind = RegValueKind::Unreadable;
    uint32_t Integer = 0;
    std::string Text;
};

// Interprets the data after "name=".
RegValue ParseValueData(std::string_view data);

// The name and data of a value line, or nothing when the line is not a value line.
struct ValueLine {
    std::string Name;
    std::string_view Data;
};
std::optional<ValueLine> ParseValueLine(std::string_view line);

// The key of a section line "[...]", or nothing when the line is not one.
std::optional<std::string_view> ParseSectionLine(std::string_view line);

std::string QuoteRegString(std::string_view text);
std::string FormatIntegerLine(std::string_view name, uint32_t value);
std::string FormatStringLine(std::string_view name, std::string_view text);

// Registry names compare without regard to ASCII case.
bool SameRegName(std::string_view a, std::string_view b);

// The whole file as sections of entries. Lines that carry no value, sections of other keys
// and the text before the first section are kept verbatim, so a file a person edited keeps
// its comments and other keys when the program rewrites it. Line ends become "\n". When a
// key's section occurs more than once, the first one is the key and the others are kept.
class RegistryDocument {
  public:
    static RegistryDocument Parse(std::string_view text);
    std::string Serialize() const;

    bool HasKey(std::string_view key) const;
    void AddKey(std::string_view key);

    // The value as the file holds it, or nothing when the key or the value is absent.
    // When a value occurs more than once, the last one counts, as on import.
    std::optional<RegValue> Find(std::string_view key, std::string_view name) const;

    // Replaces the value (and drops its earlier duplicates) or appends it to the key.
    // The key must exist.
    void SetInteger(std::string_view key, std::string_view name, uint32_t value);
    void SetString(std::string_view key, std::string_view name, std::string_view text);

  private:
    struct Section {
        std::string HeaderLine; // empty for the text before the first section
        std::string Key;
        std::vector<std::string> Entries; // one raw entry each, continuation lines joined by '\n'
    };

    const Section* FindSection(std::string_view key) const;
    void SetLine(std::string_view key, std::string_view name, std::string line);

    std::vector<Section> m_sections = std::vector<Section>(1); // [0] is the text before any section
};
