#include "net/ChatEncoding.h"

#include <array>
#include <cstdint>
#include <optional>

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the rest of the upper half is Latin-1. The unassigned
// bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D keep their own number.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t FromWindows1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? HighControls[byte - 0x80] : char32_t(byte);
}

std::optional<unsigned char> ToWindows1252(char32_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<unsigned char>(ch);
    for (std::size_t i = 0; i < HighControls.size(); ++i)
        if (HighControls[i] == ch) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t ch) {
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (ch >> 18));
        out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

// The character starting at `at` of well-formed UTF-8, and its length; nothing when the
// bytes there are not a well-formed character.
std::optional<char32_t> NextUtf8(std::string_view bytes, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    int length = 0;
    char32_t ch = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        ch = lead & 0x1F;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        ch = lead & 0x0F;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        ch = lead & 0x07;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (at + static_cast<std::size_t>(length) > bytes.size()) return std::nullopt;
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        ch = (ch << 6) | (next & 0x3F);
    }
    if (ch < smallest || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) return std::nullopt;
    at += static_cast<std::size_t>(length);
    return ch;
}

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();)
        if (!NextUtf8(bytes, at)) return false;
    return true;
}

std::string ChatBytesForWire(std::string_view utf8) {
    if (!IsValidUtf8(utf8)) return std::string(utf8);
    std::string single;
    bool upperHalf = false;
    for (std::size_t at = 0; at < utf8.size();) {
        const std::optional<unsigned char> byte = ToWindows1252(*NextUtf8(utf8, at));
        if (!byte) return std::string(utf8);
        upperHalf = upperHalf || *byte >= 0x80;
        single += static_cast<char>(*byte);
    }
    // A rare line such as "Ã©" gives Windows-1252 bytes that are also valid UTF-8 and would
    // be read back as other characters ("é"); it goes out as UTF-8 so another copy of this
    // program reads exactly what was typed.
    if (upperHalf && IsValidUtf8(single)) return std::string(utf8);
    return single;
}

std::string ChatTextFromWire(std::string_view bytes) {
    if (IsValidUtf8(bytes)) return std::string(bytes);
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char byte : bytes)
        AppendUtf8(text, FromWindows1252(static_cast<unsigned char>(byte)));
    return text;
}
