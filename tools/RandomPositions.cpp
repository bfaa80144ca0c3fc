#include "RandomPositions.h"

#include "rules/Layouts.h"
#include "rules/MoveOffsets.h"

std::vector<Move> LegalMoves(const ValueGrid& grid, int side) {
    std::vector<Move> moves;
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            if (grid(row, col) != side) continue;
            for (int j = 0; j < static_cast<int>(MoveOffsets.size()); ++j) {
                const int toRow = row + MoveOffsets[j].dRow;
                const int toCol = col + MoveOffsets[j].dCol;
                if (CellValid(toRow, toCol) && grid(toRow, toCol) == Empty)
                    moves.push_back({row, col, toRow, toCol, j < NeighbourCount});
            }
        }
    return moves;
}

ValueGrid RandomPlayout(int variant, int plies, uint32_t seed, int* sideToMove) {
    // A small linear congruential generator: fully specified, so positions are reproducible
    // wherever the tests and the benchmark run.
    uint64_t state = seed * 6364136223846793005ULL + 1442695040888963407ULL;
    auto next = [&state](uint32_t bound) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<uint32_t>((state >> 33) % bound);
    };
    ValueGrid grid = StartingGrid(variant);
    int side = 1;
    for (int ply = 0; ply < plies; ++ply) {
        const std::vector<Move> moves = LegalMoves(grid, side);
        if (moves.empty()) break;
        ValueGrid after;
        ApplyMoveToGrid(grid, after, moves[next(static_cast<uint32_t>(moves.size()))], side, OtherPlayer(side));
        grid = after;
        side = OtherPlayer(side);
    }
    if (sideToMove) *sideToMove = side;
    return grid;
}

ValueGrid DifferentialPosition(uint32_t seed, int& side) {
    uint64_t state = seed * 0x9E3779B97F4A7C15ULL + 7;
    auto next = [&state](uint32_t bound) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<uint32_t>((state >> 33) % bound);
    };
    if (next(4) != 0) {
        const ValueGrid grid = RandomPlayout(1 + static_cast<int>(next(3)), static_cast<int>(next(140)), seed, &side);
        if (next(3) == 0) side = OtherPlayer(side);
        return grid;
    }
    ValueGrid grid = StartingGrid(0);
    const uint32_t emptyShare = 20 + next(70), firstShare = next(100);
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            if (!CellValid(row, col)) continue;
            if (grid(row, col) == Blocked && next(4) != 0) continue;
            if (next(100) < emptyShare) grid(row, col) = Empty;
            else grid(row, col) = next(100) < firstShare ? Player1 : Player2;
        }
    side = 1 + static_cast<int>(next(2));
    return grid;
}

std::string GridText(const ValueGrid& grid) {
    std::string text;
    for (int32_t value : grid.Cells) text += static_cast<char>('0' + value);
    return text;
}
