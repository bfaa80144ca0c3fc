#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "rules/MoveOffsets.h"
#include "rules/ValueGrid.h"

// A set of cells of the hexagon as one 64-bit word.
//
// Bit i is the i-th cell of the 61 in row-major order: (1,1) is bit 0, (1,5) bit 4, (2,1) bit 5,
// ... (9,9) bit 60; bits 61 to 63 are always zero. Because the bit order is the row-major
// order, visiting the set bits from the lowest up visits the pieces in the order in which the
// searches generate their moves.
using Bitboard = uint64_t;

inline constexpr int CellCount = 61;
inline constexpr int NoCell = -1;

// Per-cell tables of the hexagon, built at compile time from CellValid and MoveOffsets.
struct CellTables {
    std::array<std::array<int8_t, 11>, 11> Index{}; // (row, col) -> cell, NoCell off the board
    std::array<CellPos, CellCount> Pos{};
    std::array<Bitboard, CellCount> Neighbours{}; // the cells at distance 1
    std::array<Bitboard, CellCount> Ring2{};      // the cells at distance 2
    // The 18 destinations of a piece in MoveOffsets order (clones first), NoCell off the board.
    std::array<std::array<int8_t, 18>, CellCount> Targets{};
    Bitboard All = 0;
};

constexpr CellTables BuildCellTables() {
    CellTables t{};
    for (auto& row : t.Index)
        row.fill(NoCell);
    int next = 0;
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col)
            if (CellValid(row, col)) {
                t.Index[row][col] = static_cast<int8_t>(next);
                t.Pos[next] = {row, col};
                ++next;
            }
    for (int cell = 0; cell < CellCount; ++cell) {
        t.All |= Bitboard{1} << cell;
        for (int j = 0; j < 18; ++j) {
            const int row = t.Pos[cell].Row + MoveOffsets[j].dRow;
            const int col = t.Pos[cell].Col + MoveOffsets[j].dCol;
            const int target = CellValid(row, col) ? t.Index[row][col] : NoCell;
            t.Targets[cell][j] = static_cast<int8_t>(target);
            if (target == NoCell) continue;
            if (j < NeighbourCount)
                t.Neighbours[cell] |= Bitboard{1} << target;
            else
                t.Ring2[cell] |= Bitboard{1} << target;
        }
    }
    return t;
}

inline constexpr CellTables Hexagon = BuildCellTables();

constexpr Bitboard CellBit(int cell) {
    return Bitboard{1} << cell;
}

// Calls visit(to, clone) for every empty destination of the piece on `from`, in move-offset
// order (the clones first); stops at once when visit returns false.
template <typename Visit> void ForEachEmptyTarget(int from, Bitboard empty, Visit&& visit) {
    for (int j = 0; j < 18; ++j) {
        const int to = Hexagon.Targets[from][j];
        if (to == NoCell || !(empty & CellBit(to))) continue;
        if (!visit(to, j < NeighbourCount)) return;
    }
}
constexpr int PopCount(Bitboard b) {
    return std::popcount(b);
}
constexpr int LowestCell(Bitboard b) {
    return std::countr_zero(b);
}

// The position as the fast searches see it: the pieces of the side to move and of its
// opponent. Which cells are playable at all (not blocked) is fixed for a whole search.
struct SidePosition {
    Bitboard Mine = 0;
    Bitboard Theirs = 0;
};

// A grid split into bitboards. `Playable` holds the hexagon's cells whose value is 0, 1 or 2;
// a cell's value decides, so a hole given as 0 is an ordinary empty cell.
struct GridMasks {
    Bitboard Player[3] = {0, 0, 0}; // indexed by player number
    Bitboard Playable = 0;
    bool Regular = true; // false: a piece outside the hexagon or a value outside 0..3
};

constexpr GridMasks MasksOf(const ValueGrid& grid) {
    GridMasks masks;
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            const int32_t value = grid(row, col);
            if (value < Empty || value > Blocked) masks.Regular = false;
            if (!CellValid(row, col)) {
                if (value != Blocked) masks.Regular = false;
                continue;
            }
            const Bitboard bit = CellBit(Hexagon.Index[row][col]);
            if (value == Player1 || value == Player2) masks.Player[value] |= bit;
            if (value >= Empty && value <= Player2) masks.Playable |= bit;
        }
    return masks;
}
