#pragma once

#include <array>
#include <cstdint>
#include <string_view>

struct Offset {
    int32_t dRow;
    int32_t dCol;
};

// The 18 move offsets in their fixed order: entries 1..6 (indices 0..5) are the six
// neighbours, entries 7..18 the twelve cells at distance 2. The order decides the order
// of captures and the order in which the searches try destinations, so ties depend on it.
// Kept as one row of neighbours, then the twelve jumps in two rows.
// clang-format off
inline constexpr std::array<Offset, 18> MoveOffsets{{
    {0, -1}, {-1, 0}, {-1, -1}, {0, 1}, {1, 0}, {1, 1},
    {-2, 0}, {-1, -2}, {0, -2}, {-2, -1}, {-1, 1}, {0, 2},
    {-2, -2}, {1, 2}, {2, 1}, {1, -1}, {2, 0}, {2, 2},
}};
// clang-format on

inline constexpr int NeighbourCount = 6;

// The same offsets as texts, used as sets by the mouse hover test (a substring search).
inline constexpr std::string_view CloneOffsetsText = "|0,-1|0,1|-1,0|1,0|-1,-1|1,1";
inline constexpr std::string_view JumpOffsetsText =
    "|-2,0|-2,-1|-2,-2|-1,-2|-1,1|0,-2|0,2|1,-1|1,2|2,0|2,1|2,2";

// Hexagonal distance of a difference: max(|dRow|, |dCol|, |dRow - dCol|).
constexpr int HexDistance(int dRow, int dCol) {
    auto abs = [](int v) { return v < 0 ? -v : v; };
    int d = abs(dRow);
    if (abs(dCol) > d) d = abs(dCol);
    if (abs(dRow - dCol) > d) d = abs(dRow - dCol);
    return d;
}
