#pragma once

#include <string>
#include <string_view>

// The character encoding of chat text on the connection. The wire carries single-byte
// characters, and older peers send and expect Windows-1252; this program works in UTF-8.
// ASCII is the same in both. A line goes out as Windows-1252 when every character has a
// byte there, else as UTF-8; a line read back is UTF-8 when its bytes are valid UTF-8, else
// Windows-1252. The five bytes that Windows-1252 leaves unassigned stand for the control
// characters of the same number, so every byte string reads as some text.

// The bytes to send for a chat text given in UTF-8.
std::string ChatBytesForWire(std::string_view utf8);

// The text, in UTF-8, of chat bytes received.
std::string ChatTextFromWire(std::string_view bytes);
