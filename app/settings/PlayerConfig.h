#pragma once

#include <cstdint>

#include "ai/SearchSettings.h"

// Who plays each colour and how the computer plays it. Indexed by player number 1 and 2
// (index 0 is unused). The three network endpoint texts are kept in the Players dialog's
// edit fields, not here.
struct PlayerConfig {
    bool PlayerIsComputer[3] = {false, false, true};
    int32_t Level[3] = {0, 0, 0};
    uint8_t Algo[3] = {0, HomeMade, AlphaBeta};
    int32_t Branch[3] = {5, 5, 5};
    // 0 local game; 1 this copy listens and its user plays player 1; 2 this copy connects
    // and its user plays player 2.
    uint8_t NetworkRole = 0;
};

enum class PlayerKind { Human, Computer, Network };

constexpr PlayerKind KindOf(const PlayerConfig& config, int player) {
    if (config.PlayerIsComputer[player]) return PlayerKind::Computer;
    if (config.NetworkRole == player) return PlayerKind::Network;
    return PlayerKind::Human;
}

// The settings a search started by `player` uses at every ply.
constexpr SearchSettings SearchSettingsFor(const PlayerConfig& config, int player) {
    return MakeSearchSettings(config.Algo[player], config.Level[player], config.Branch[player]);
}
