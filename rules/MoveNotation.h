#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/Move.h"

// A move in the line notation of text/MoveLine.h ("5-3-6-4-1").
std::string MoveText(const Move& move);

// Reads the notation strictly (see ReadMoveLineStrictly). Says nothing about legality.
std::optional<Move> ParseMoveText(std::string_view text);
