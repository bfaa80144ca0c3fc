#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// UTF-8, the program's encoding of text, written and read one character at a time.

void AppendUtf8(std::string& out, char32_t ch);

// One character read from UTF-8 bytes.
struct Utf8Char {
    char32_t Code = 0xFFFD; // U+FFFD when the bytes are not a well-formed character
    bool Valid = false;     // well formed: no overlong form, no surrogate, nothing past U+10FFFF
    // The bytes taken: the lead byte and the continuation bytes that follow it, up to as many
    // as the lead byte announces. Invalid bytes are taken the same way, so a walk over any
    // bytes counts the characters a lenient display would show.
    std::size_t Length = 1;
};

// The character that starts at `bytes[at]`; `at` must lie inside `bytes`.
Utf8Char ReadUtf8(std::string_view bytes, std::size_t at);

bool IsValidUtf8(std::string_view bytes);
