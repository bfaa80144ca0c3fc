#pragma once

#include <array>
#include <cstdint>

// Cell values of the game, shared by the Board and the searches.
enum CellValue : int32_t { Empty = 0, Player1 = 1, Player2 = 2, Blocked = 3 };

// A 9 x 9 copy of the board's cell values (rows and columns 1..9, row by row),
// the position that the searches and the end test work on. Holes keep 3.
struct ValueGrid {
    std::array<int32_t, 81> Cells{};

    constexpr int32_t& operator()(int row, int col) { return Cells[(row - 1) * 9 + (col - 1)]; }
    constexpr int32_t operator()(int row, int col) const { return Cells[(row - 1) * 9 + (col - 1)]; }
    friend bool operator==(const ValueGrid&, const ValueGrid&) = default;
};

// Copies all 81 cells of one grid into another.
constexpr void CopyGrid(const ValueGrid& source, ValueGrid& target) {
    target = source;
}

// A position on the board, both coordinates counted from 1.
struct CellPos {
    int32_t Row = 0;
    int32_t Col = 0;
    friend constexpr bool operator==(const CellPos&, const CellPos&) = default;
};

// 1 <= row, col <= 9 and |row - col| <= 4: the 61 cells of the hexagon. Any integers are accepted.
constexpr bool CellValid(int row, int col) {
    const int diff = row - col;
    return row >= 1 && row <= 9 && col >= 1 && col <= 9 && diff <= 4 && diff >= -4;
}

constexpr int OtherPlayer(int player) {
    return player == 1 ? 2 : 1;
}
