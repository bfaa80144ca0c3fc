#pragma once

#include <random>
#include <string>

#include "app/GameText.h"
#include "rules/Layouts.h"
#include "tests/MoveTestSupport.h"

// The two contents the write loop switches between, and what a test reads back.
inline std::string LongHost(char letter) {
    return std::string(20000, letter);
}
inline std::string GameOf(unsigned seed, int moves) {
    std::mt19937 random(seed);
    GameRecord record(GamePosition{StartingGrid(Standard), 1});
    for (const Move& move : RandomGame(record.Current(), random, moves))
        record.Play(move);
    return GameText(Standard, PlayerConfig{}, record);
}
inline std::string GameA() {
    return GameOf(1, 120);
}
inline std::string GameB() {
    return GameOf(2, 30);
}
