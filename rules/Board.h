#pragma once

#include <array>
#include <cstdint>

#include "rules/ValueGrid.h"

struct Cell {
    int32_t Value = Blocked;
};

// The authoritative game board: 11 x 11 cells indexed 1..11, of which rows and columns
// 1..9 carry the game; rows and columns 10 and 11 are a permanently blocked margin.
struct Board {
    std::array<Cell, 121> Cells{};

    Cell& operator()(int row, int col) { return Cells[(row - 1) * 11 + (col - 1)]; }
    const Cell& operator()(int row, int col) const { return Cells[(row - 1) * 11 + (col - 1)]; }
};

// The three holes inside the hexagon, the same in every layout.
inline constexpr std::array<CellPos, 3> Holes{{{3, 4}, {5, 5}, {7, 6}}};

// The blocked cells inside the hexagon as (row - 1, col - 1), followed by a terminator
// whose row part is -1. Read by board painting.
struct HoleEntry {
    int32_t Row;
    int32_t Col;
};
using HoleList = std::array<HoleEntry, Holes.size() + 1>;

// Sets every cell to empty or blocked (margin, outside the hexagon, holes); pieces are cleared.
void InitBoard(Board& board);

// Scans rows and columns 1..9 for blocked cells inside the hexagon, in row-major order.
HoleList BuildHoleList(const Board& board);

// Rows and columns 1..9 of the board's values, row by row, and back.
ValueGrid CopyToValueGrid(const Board& board);
void CopyFromValueGrid(const ValueGrid& grid, Board& board);
