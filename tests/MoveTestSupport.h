#pragma once

#include <random>
#include <vector>

#include "rules/GameRecord.h"
#include "rules/MoveOffsets.h"

// Every legal move of `player` in a grid, in the searches' generation order.
inline std::vector<Move> LegalMoves(const ValueGrid& grid, int player) {
    std::vector<Move> moves;
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            if (grid(row, col) != player) continue;
            for (std::size_t j = 0; j < MoveOffsets.size(); ++j) {
                const Move move{row, col, row + MoveOffsets[j].dRow, col + MoveOffsets[j].dCol,
                                j < static_cast<std::size_t>(NeighbourCount)};
                if (IsLegalMove(grid, move, player)) moves.push_back(move);
            }
        }
    return moves;
}

// A seeded random game from `start`: up to `maxMoves` moves, fewer when a side is stuck.
inline std::vector<Move> RandomGame(const GamePosition& start, std::mt19937& random, int maxMoves) {
    GameRecord record(start);
    std::vector<Move> moves;
    for (int i = 0; i < maxMoves; ++i) {
        const std::vector<Move> legal = LegalMoves(record.Current().Grid, record.Current().ToMove);
        if (legal.empty()) break;
        const Move move = legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(random)];
        record.Play(move);
        moves.push_back(move);
    }
    return moves;
}
