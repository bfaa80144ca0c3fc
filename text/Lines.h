#pragma once

#include <string_view>
#include <vector>

// The lines of a text. A line ends in "\n" or "\r\n", neither of which it keeps; a final line
// end starts no further line, so "a\n" is one line and "" none.
std::vector<std::string_view> SplitLines(std::string_view text);

// The fields of a line between single separators, empty ones kept: "a::b" split at ':' is
// "a", "", "b", and "" is one empty field.
std::vector<std::string_view> SplitFields(std::string_view line, char separator);
