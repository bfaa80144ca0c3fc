#include "rules/MoveNotation.h"

#include "text/MoveLine.h"

std::string MoveText(const Move& move) {
    return MoveLineText(move.FromRow, move.FromCol, move.ToRow, move.ToCol, move.Clone);
}

std::optional<Move> ParseMoveText(std::string_view text) {
    const std::optional<std::array<int, 5>> fields = ReadMoveLineStrictly(text);
    if (!fields) return std::nullopt;
    return Move{(*fields)[0], (*fields)[1], (*fields)[2], (*fields)[3], (*fields)[4] == 1};
}
