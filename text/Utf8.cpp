#include "text/Utf8.h"

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

Utf8Char ReadUtf8(std::string_view bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    // How many continuation bytes the lead byte announces, read leniently: any byte from C0
    // on starts a sequence, and a stray continuation byte stands alone.
    const std::size_t announced = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    Utf8Char read;
    while (read.Length <= announced && at + read.Length < bytes.size() &&
           (static_cast<unsigned char>(bytes[at + read.Length]) & 0xC0) == 0x80)
        ++read.Length;

    if (lead < 0x80) return {lead, true, 1};
    char32_t ch = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        ch = lead & 0x1F;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        ch = lead & 0x0F;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        ch = lead & 0x07;
        smallest = 0x10000;
    } else {
        return read;
    }
    if (read.Length != announced + 1) return read; // cut short
    for (std::size_t i = 1; i < read.Length; ++i)
        ch = (ch << 6) | (static_cast<unsigned char>(bytes[at + i]) & 0x3F);
    if (ch < smallest || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) return read;
    read.Code = ch;
    read.Valid = true;
    return read;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        const Utf8Char ch = ReadUtf8(bytes, at);
        if (!ch.Valid) return false;
        at += ch.Length;
    }
    return true;
}
