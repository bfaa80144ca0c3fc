#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The line notation of a move, as the network sends it and game files keep it: from row,
// from column, to row, to column and 1 for a clone or 0 for a jump, in decimal, joined by
// "-" ("5-3-6-4-1").

std::string MoveLineText(int fromRow, int fromCol, int toRow, int toCol, bool clone);

// A line cut at its first four "-": the text before each of them, and the text after the
// fourth, which names the kind. `Dashes` counts the "-" found, at most four; the fields from
// there on are empty.
struct MoveLineFields {
    std::array<std::string_view, 4> Cells; // from row, from column, to row, to column
    std::size_t Dashes = 0;
    std::string_view Kind;
};
MoveLineFields SplitMoveLine(std::string_view line);

// The notation read strictly: five fields of one or two digits, the last one 0 or 1, and
// nothing else. The four coordinates, then the kind.
std::optional<std::array<int, 5>> ReadMoveLineStrictly(std::string_view line);
