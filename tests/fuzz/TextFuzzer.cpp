// Feeds arbitrary bytes to the text library's readers, in every form the program uses. Checks
// that a number read writes back as the same digits, that a well-formed UTF-8 character
// writes back as its own bytes while any byte walk moves ahead, and that a strictly read move
// line writes back as itself when it has no leading zeros.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "text/Decimal.h"
#include "text/Lines.h"
#include "text/MoveLine.h"
#include "text/Utf8.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// The text a number was read from, without its blanks, its "+" and its leading zeros.
std::string Plain(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '+'))
        text.remove_prefix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    while (text.size() > 1 && text.front() == '0')
        text.remove_prefix(1);
    return (negative && text != "0" ? "-" : "") + std::string(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const DecimalSyntax syntax :
         {DecimalSyntax{}, DecimalSyntax{.Plus = true}, DecimalSyntax{.Minus = true},
          DecimalSyntax{.LeadingBlanks = true, .Plus = true, .Minus = true}})
        if (const std::optional<int> value = ReadDecimal(text, syntax))
            Check(std::to_string(*value) == Plain(text));

    for (std::size_t at = 0; at < text.size();) {
        const Utf8Char ch = ReadUtf8(text, at);
        Check(ch.Length >= 1 && ch.Length <= 4 && at + ch.Length <= text.size());
        std::string written;
        if (ch.Valid) AppendUtf8(written, ch.Code);
        Check(!ch.Valid || written == text.substr(at, ch.Length));
        at += ch.Length;
    }

    for (const std::string_view line : SplitLines(text))
        Check(line.find('\n') == std::string_view::npos);

    if (const auto move = ReadMoveLineStrictly(text)) {
        const std::string again =
            MoveLineText((*move)[0], (*move)[1], (*move)[2], (*move)[3], (*move)[4] == 1);
        Check(again == text || text.find('0') != std::string_view::npos);
        Check(ReadMoveLineStrictly(again) == move);
    }
    return 0;
}
