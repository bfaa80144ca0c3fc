#pragma once

#include <optional>
#include <string_view>

// What may come before the digits of a decimal integer. Each reader of numbers has always
// taken its own form, and files and peers rely on it, so the form is the caller's choice.
struct DecimalSyntax {
    bool LeadingBlanks = false; // spaces and tabs
    bool Plus = false;
    bool Minus = false;
};

// A whole decimal integer: the blanks and the sign that `syntax` allows, then one or more
// digits, and nothing after them. The digits' value must fit an int (so -2147483648 does not
// read); nothing when the text is not such a number.
std::optional<int> ReadDecimal(std::string_view text, DecimalSyntax syntax = {});
