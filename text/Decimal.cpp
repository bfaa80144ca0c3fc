#include "text/Decimal.h"

#include <charconv>

std::optional<int> ReadDecimal(std::string_view text, DecimalSyntax syntax) {
    if (syntax.LeadingBlanks)
        while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
            text.remove_prefix(1);
    const bool negative = syntax.Minus && !text.empty() && text.front() == '-';
    if (negative || (syntax.Plus && !text.empty() && text.front() == '+')) text.remove_prefix(1);
    // The conversion itself would take a "-", so the first character is checked here.
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    const char* const last = text.data() + text.size();
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), last, value);
    if (error != std::errc{} || end != last) return std::nullopt;
    return negative ? -value : value;
}
