#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "app/settings/PlayerConfig.h"
#include "rules/GameRecord.h"

// A saved game: the starting layout, how both players play, and the moves.
//
//   Tessaron game 1
//   layout Standard
//   player 1 Human level 0 branch 5 algorithm Home Made
//   player 2 Computer level 3 branch 5 algorithm Alpha-Beta
//   moves
//   3-7-3-6-1
//   5-3-6-4-1
//   end
//
// The first line names the format and its version. Kinds are Human or Computer (a game is
// saved only at one machine); levels 0 to 8, branches 3 to 30; the algorithms are Complete,
// Branch and Bound, Alpha-Beta and Home Made. The moves are in the network's line notation,
// one per line, and the last line "end" shows that the file is whole.
inline constexpr int GameFileVersion = 1;
// Larger than any game can be: a file beyond it is refused before it is read.
inline constexpr std::size_t GameFileMaxBytes = 1 << 20;

struct SavedGame {
    int Variant = 1;
    PlayerConfig Players; // kinds, levels, algorithms and branches; never a network role
    GameRecord Record;    // replayed: the cursor stands after the last move
};

// Why a file is not a game: the line (counted from 1) and the reason.
struct GameFileError {
    int Line = 0;
    std::string Reason;
    std::string Text() const { return "Line " + std::to_string(Line) + ": " + Reason; }
};

// The text of a game: the record's moves up to its cursor.
std::string GameText(int variant, const PlayerConfig& players, const GameRecord& record);

// Reads a game and replays every move through the rules.
std::variant<SavedGame, GameFileError> ReadGameText(std::string_view text);
