#include "rules/Layouts.h"

#include <array>

namespace {

constexpr std::array<CellPos, 9> StandardWhite{
    {{3, 7}, {4, 7}, {5, 7}, {4, 8}, {5, 8}, {6, 8}, {5, 9}, {6, 9}, {7, 9}}};
constexpr std::array<CellPos, 9> StandardYellow{
    {{3, 1}, {4, 1}, {5, 1}, {4, 2}, {5, 2}, {6, 2}, {5, 3}, {6, 3}, {7, 3}}};
constexpr std::array<CellPos, 3> AmericanWhite{{{1, 5}, {5, 9}, {9, 9}}};
constexpr std::array<CellPos, 3> AmericanYellow{{{1, 1}, {5, 1}, {9, 5}}};
constexpr std::array<CellPos, 3> SwedishWhite{{{1, 5}, {5, 1}, {9, 9}}};
constexpr std::array<CellPos, 3> SwedishYellow{{{1, 1}, {5, 9}, {9, 5}}};

} // namespace

std::span<const CellPos> LayoutCells(int variant, int player) {
    const bool white = player == 1;
    switch (variant) {
    case Standard:
        return white ? std::span<const CellPos>(StandardWhite) : std::span<const CellPos>(StandardYellow);
    case American:
        return white ? std::span<const CellPos>(AmericanWhite) : std::span<const CellPos>(AmericanYellow);
    case Swedish:
        return white ? std::span<const CellPos>(SwedishWhite) : std::span<const CellPos>(SwedishYellow);
    default:
        return {};
    }
}

void WriteLayout(Board& board, int variant) {
    for (int player = 1; player <= 2; ++player)
        for (const CellPos& cell : LayoutCells(variant, player))
            board(cell.Row, cell.Col).Value = player;
}

ValueGrid StartingGrid(int variant) {
    Board board;
    InitBoard(board);
    WriteLayout(board, variant);
    return CopyToValueGrid(board);
}
