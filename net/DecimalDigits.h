#pragma once

#include <charconv>
#include <optional>
#include <string_view>

// The value of a text of decimal digits alone (no sign, no blanks), when it fits an int.
// The first character is checked here because the conversion itself would take a "-".
inline std::optional<int> DigitsValue(std::string_view digits) {
    if (digits.empty() || digits.front() < '0' || digits.front() > '9') return std::nullopt;
    const char* const last = digits.data() + digits.size();
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), last, value);
    if (error != std::errc{} || end != last) return std::nullopt;
    return value;
}
