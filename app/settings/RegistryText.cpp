#include "app/settings/RegistryText.h"

#include <algorithm>
#include <cstdio>

#include "text/Lines.h"
#include "text/Utf8.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && SameRegName(s.substr(0, prefix.size()), prefix);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = LowerAscii(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Reads a quoted string starting at s[pos] == '"'; on success pos is just past the closing
// quote. Unknown escapes and a missing closing quote make the string unreadable.
std::optional<std::string> ParseQuoted(std::string_view s, size_t& pos) {
    if (pos >= s.size() || s[pos] != '"') return std::nullopt;
    std::string out;
    for (size_t i = pos + 1; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            pos = i + 1;
            return out;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == s.size()) return std::nullopt;
        switch (s[i]) {
        case '\\':
            out += '\\';
            break;
        case '"':
            out += '"';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// "hex:", "hex(7):", "qword:" and the like: a letter, then letters, digits and brackets, then ':'.
bool HasTypePrefix(std::string_view data) {
    if (data.empty() || !(LowerAscii(data[0]) >= 'a' && LowerAscii(data[0]) <= 'z')) return false;
    for (size_t i = 1; i < data.size(); ++i) {
        const char c = LowerAscii(data[i]);
        if (c == ':') return true;
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '(' || c == ')';
        if (!allowed) return false;
    }
    return false;
}

// The bytes of "hex(...):" data: two hex digits each, separated by commas, with blanks and
// line continuations (a backslash, then the next line) between them.
std::optional<std::string> ParseHexBytes(std::string_view data) {
    std::string bytes;
    bool expectByte = true;
    for (size_t i = 0; i < data.size();) {
        const char c = data[i];
        if (IsBlank(c) || c == '\\' || c == '\n') {
            ++i;
        } else if (c == ',' && !expectByte) {
            expectByte = true;
            ++i;
        } else if (expectByte && i + 1 < data.size() && HexDigit(c) >= 0 && HexDigit(data[i + 1]) >= 0) {
            bytes += static_cast<char>(HexDigit(c) * 16 + HexDigit(data[i + 1]));
            expectByte = false;
            i += 2;
        } else {
            return std::nullopt;
        }
    }
    if (expectByte && !bytes.empty()) return std::nullopt; // a trailing comma
    return bytes;
}

// A string stored as UTF-16LE bytes, as the registry's export writes expandable strings
// (hex(2)) and strings given in bytes (hex(1)): it ends at the first zero character.
std::optional<std::string> DecodeUtf16String(std::string_view bytes) {
    if (bytes.size() % 2 != 0) return std::nullopt;
    std::string text;
    for (size_t i = 0; i < bytes.size(); i += 2) {
        const auto unitAt = [&](size_t at) {
            return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])) |
                   static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8;
        };
        uint32_t ch = unitAt(i);
        if (ch == 0) break;
        if (ch >= 0xDC00 && ch <= 0xDFFF) return std::nullopt;
        if (ch >= 0xD800 && ch <= 0xDBFF) {
            if (i + 3 >= bytes.size()) return std::nullopt;
            const uint32_t low = unitAt(i + 2);
            if (low < 0xDC00 || low > 0xDFFF) return std::nullopt;
            ch = 0x10000 + ((ch - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        AppendUtf8(text, ch);
    }
    return text;
}

bool IsBlankLine(std::string_view line) {
    return Trim(line).empty();
}

} // namespace

bool SameRegName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

RegValue ParseValueData(std::string_view data) {
    data = Trim(data);
    RegValue value;
    if (!data.empty() && data.front() == '"') {
        size_t pos = 0;
        auto text = ParseQuoted(data, pos);
        if (text && pos == data.size()) {
            value.Kind = RegValueKind::String;
            value.Text = std::move(*text);
        }
        return value;
    }
    if (StartsWithNoCase(data, "dword:")) {
        const std::string_view digits = data.substr(6);
        if (digits.empty() || digits.size() > 8) return value;
        uint32_t number = 0;
        for (char c : digits) {
            const int digit = HexDigit(c);
            if (digit < 0) return value;
            number = number * 16 + static_cast<uint32_t>(digit);
        }
        value.Kind = RegValueKind::Integer;
        value.Integer = number;
        return value;
    }
    for (const std::string_view prefix : {std::string_view("hex(2):"), std::string_view("hex(1):")}) {
        if (!StartsWithNoCase(data, prefix)) continue;
        const std::optional<std::string> bytes = ParseHexBytes(data.substr(prefix.size()));
        std::optional<std::string> text = bytes ? DecodeUtf16String(*bytes) : std::nullopt;
        if (text) {
            value.Kind = RegValueKind::String;
            value.Text = std::move(*text);
        }
        return value;
    }
    if (HasTypePrefix(data)) value.Kind = RegValueKind::OtherType;
    return value;
}

std::optional<ValueLine> ParseValueLine(std::string_view line) {
    line = Trim(line);
    ValueLine result;
    size_t pos = 0;
    if (!line.empty() && line.front() == '@') {
        pos = 1; // the key's default value, which has the empty name
    } else {
        auto name = ParseQuoted(line, pos);
        if (!name) return std::nullopt;
        result.Name = std::move(*name);
    }
    while (pos < line.size() && IsBlank(line[pos]))
        ++pos;
    if (pos >= line.size() || line[pos] != '=') return std::nullopt;
    result.Data = line.substr(pos + 1);
    return result;
}

std::optional<std::string_view> ParseSectionLine(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
    return Trim(line.substr(1, line.size() - 2));
}

std::string QuoteRegString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    out += '"';
    return out;
}

std::string FormatIntegerLine(std::string_view name, uint32_t value) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(value));
    return QuoteRegString(name) + "=dword:" + digits;
}

std::string FormatStringLine(std::string_view name, std::string_view text) {
    return QuoteRegString(name) + "=" + QuoteRegString(text);
}

RegistryDocument RegistryDocument::Parse(std::string_view text) {
    const std::vector<std::string_view> lines = SplitLines(text);
    RegistryDocument doc;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (auto key = ParseSectionLine(lines[i])) {
            doc.m_sections.push_back({std::string(lines[i]), std::string(*key), {}});
            continue;
        }
        std::string entry(lines[i]);
        // A value of another type may run on over several lines, each ending in a backslash.
        auto value = ParseValueLine(lines[i]);
        if (value && HasTypePrefix(Trim(value->Data))) {
            while (!Trim(lines[i]).empty() && Trim(lines[i]).back() == '\\' && i + 1 < lines.size() &&
                   !ParseSectionLine(lines[i + 1])) {
                entry += '\n';
                entry += lines[++i];
            }
        }
        doc.m_sections.back().Entries.push_back(std::move(entry));
    }
    return doc;
}

std::string RegistryDocument::Serialize() const {
    std::string out;
    for (const Section& section : m_sections) {
        if (!section.HeaderLine.empty()) out += section.HeaderLine + '\n';
        for (const std::string& entry : section.Entries)
            out += entry + '\n';
    }
    return out;
}

const RegistryDocument::Section* RegistryDocument::FindSection(std::string_view key) const {
    for (size_t i = 1; i < m_sections.size(); ++i)
        if (SameRegName(m_sections[i].Key, key)) return &m_sections[i];
    return nullptr;
}

bool RegistryDocument::HasKey(std::string_view key) const {
    return FindSection(key) != nullptr;
}

void RegistryDocument::AddKey(std::string_view key) {
    if (HasKey(key)) return;
    Section& last = m_sections.back();
    const bool empty = last.HeaderLine.empty() && last.Entries.empty();
    if (!empty && (last.Entries.empty() || !IsBlankLine(last.Entries.back()))) last.Entries.emplace_back();
    m_sections.push_back({"[" + std::string(key) + "]", std::string(key), {}});
}

std::optional<RegValue> RegistryDocument::Find(std::string_view key, std::string_view name) const {
    const Section* section = FindSection(key);
    if (!section) return std::nullopt;
    for (auto it = section->Entries.rbegin(); it != section->Entries.rend(); ++it) {
        auto line = ParseValueLine(*it);
        if (line && SameRegName(line->Name, name)) return ParseValueData(line->Data);
    }
    return std::nullopt;
}

void RegistryDocument::SetLine(std::string_view key, std::string_view name, std::string line) {
    auto section = std::find_if(m_sections.begin() + 1, m_sections.end(),
                                [&](const Section& s) { return SameRegName(s.Key, key); });
    if (section == m_sections.end()) return;
    std::vector<std::string>& entries = section->Entries;

    std::vector<size_t> matches;
    for (size_t i = 0; i < entries.size(); ++i) {
        auto value = ParseValueLine(entries[i]);
        if (value && SameRegName(value->Name, name)) matches.push_back(i);
    }
    if (!matches.empty()) {
        entries[matches.back()] = std::move(line);
        for (size_t m = matches.size() - 1; m-- > 0;)
            entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(matches[m]));
        return;
    }
    // New values go after the section's last non-blank line, so the blank line that
    // separates it from the next section stays where it is.
    size_t insertAt = entries.size();
    while (insertAt > 0 && IsBlankLine(entries[insertAt - 1]))
        --insertAt;
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(line));
}

void RegistryDocument::SetInteger(std::string_view key, std::string_view name, uint32_t value) {
    SetLine(key, name, FormatIntegerLine(name, value));
}

void RegistryDocument::SetString(std::string_view key, std::string_view name, std::string_view text) {
    SetLine(key, name, FormatStringLine(name, text));
}
