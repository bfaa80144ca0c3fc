#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "rules/ValueGrid.h"

// A position reached by `plies` uniformly random legal moves from a layout's start, player 1
// first. The same seed gives the same position on every platform. Play stops early when
// the side to move has no move; `sideToMove` tells who is to move in the result.
ValueGrid RandomPlayout(int variant, int plies, uint32_t seed, int* sideToMove = nullptr);

// The `count` positions with the most legal moves met in seeded random games of every
// layout (middle games with well over a hundred moves): the hardest for a full-width search.
struct BusyPosition {
    ValueGrid Grid;
    int Side = 1;
    int Moves = 0;
};
std::vector<BusyPosition> BusiestPositions(int count);

// A varied position for comparing two engines: mostly a random playout of any layout and
// length (end games and sides without moves included, the side to move sometimes swapped),
// otherwise a random fill of the hexagon in which holes may be open. Reproducible per seed.
ValueGrid DifferentialPosition(uint32_t seed, int& side);

// The grid as the search tool reads it: 81 characters '0' to '3', row by row.
std::string GridText(const ValueGrid& grid);
