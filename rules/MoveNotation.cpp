#include "rules/MoveNotation.h"

#include <array>

std::string MoveText(const Move& move) {
    return std::to_string(move.FromRow) + '-' + std::to_string(move.FromCol) + '-' +
           std::to_string(move.ToRow) + '-' + std::to_string(move.ToCol) + '-' + (move.Clone ? '1' : '0');
}

std::optional<Move> ParseMoveText(std::string_view text) {
    std::array<int, 5> fields{};
    std::size_t field = 0;
    std::size_t digits = 0;
    for (char c : text) {
        if (c == '-') {
            if (digits == 0 || ++field == fields.size()) return std::nullopt;
            digits = 0;
        } else if (c >= '0' && c <= '9' && digits < 2) {
            fields[field] = fields[field] * 10 + (c - '0');
            ++digits;
        } else {
            return std::nullopt;
        }
    }
    if (field != 4 || digits == 0 || fields[4] > 1) return std::nullopt;
    return Move{fields[0], fields[1], fields[2], fields[3], fields[4] == 1};
}
