#include "net/ChatEncoding.h"

#include <array>
#include <cstdint>
#include <optional>

#include "text/Utf8.h"

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

} // namespace

std::string ChatBytesForWire(std::string_view utf8) {
    if (!IsValidUtf8(utf8)) return std::string(utf8);
    std::string single;
    bool upperHalf = false;
    for (std::size_t at = 0; at < utf8.size();) {
        const Utf8Char ch = ReadUtf8(utf8, at);
        at += ch.Length;
        const std::optional<unsigned char> byte = ToWindows1252(ch.Code);
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
