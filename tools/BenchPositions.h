#pragma once

#include <vector>

// A fixed position of the benchmark: the three openings, middle games and end games
// reached by seeded random play.
struct BenchPosition {
    const char* Set; // "opening", "middle" or "end"
    const char* Name;
    const char* Grid; // 81 characters '0' to '3', as the search tool reads them
    int Side;
};

const std::vector<BenchPosition>& BenchPositions();
