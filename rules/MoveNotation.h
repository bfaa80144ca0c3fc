#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/Move.h"

// The line notation of a move, as the network sends it: from row, from column, to row,
// to column and 1 for a clone or 0 for a jump, in decimal, joined by "-" ("5-3-6-4-1").
std::string MoveText(const Move& move);

// Reads the notation strictly: five fields of one or two digits, the last one 0 or 1, and
// nothing else. Says nothing about legality.
std::optional<Move> ParseMoveText(std::string_view text);
