#pragma once

#include <random>
#include <vector>

#include "rules/GameRecord.h"
#include "rules/LegalMoves.h"

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
