#pragma once

#include <algorithm>

#include "ai/Bitboard.h"

// Counting what a side can do in one ply, straight from bitboards: the targets it can clone
// or jump to, and the best immediate score of its moves. A depth-0 node needs nothing else.

// The empty cells a side reaches: clone targets (distance 1 from some own piece) and jump
// targets that are not also clone targets (a clone to a cell always scores one more than a
// jump to it, so only those jumps can be the best of their cell).
struct Reach {
    Bitboard Clone = 0;
    Bitboard JumpOnly = 0;
    bool Any() const { return (Clone | JumpOnly) != 0; }
};

// The cells next to and two away from any piece of a set, looked up eight cells at a time:
// for each byte of the set, the union over every pattern of its bits. Sixteen independent
// lookups take less time than a loop over the pieces, whose every step waits for the last.
struct ByteReachTables {
    std::array<std::array<Bitboard, 256>, 8> Near{};
    std::array<std::array<Bitboard, 256>, 8> Far{};
};

constexpr ByteReachTables BuildByteReachTables() {
    ByteReachTables t{};
    for (int chunk = 0; chunk < 8; ++chunk)
        for (int pattern = 1; pattern < 256; ++pattern) {
            const int low = std::countr_zero(static_cast<unsigned>(pattern));
            const int cell = chunk * 8 + low;
            const int rest = pattern & (pattern - 1);
            t.Near[chunk][pattern] = t.Near[chunk][rest] | (cell < CellCount ? Hexagon.Neighbours[cell] : 0);
            t.Far[chunk][pattern] = t.Far[chunk][rest] | (cell < CellCount ? Hexagon.Ring2[cell] : 0);
        }
    return t;
}

inline constexpr ByteReachTables ByteReach = BuildByteReachTables();

// Every cell next to a piece of the set, and every cell two away from one (empty or not).
struct Around {
    Bitboard Near = 0;
    Bitboard Far = 0;
};

inline Around AroundOf(Bitboard pieces) {
    Around around;
    for (int chunk = 0; chunk < 8; ++chunk) {
        const unsigned pattern = static_cast<unsigned>(pieces >> (8 * chunk)) & 255u;
        around.Near |= ByteReach.Near[chunk][pattern];
        around.Far |= ByteReach.Far[chunk][pattern];
    }
    return around;
}

inline Bitboard NearOf(Bitboard pieces) {
    Bitboard near = 0;
    for (int chunk = 0; chunk < 8; ++chunk)
        near |= ByteReach.Near[chunk][static_cast<unsigned>(pieces >> (8 * chunk)) & 255u];
    return near;
}

inline Reach ReachOf(Bitboard mine, Bitboard empty) {
    const Around around = AroundOf(mine);
    Reach reach;
    reach.Clone = around.Near & empty;
    reach.JumpOnly = around.Far & empty & ~reach.Clone;
    return reach;
}

// Whether a side has any move at all (some empty cell within distance 2 of a piece).
inline bool HasMove(Bitboard mine, Bitboard empty) {
    for (Bitboard pieces = mine; pieces; pieces &= pieces - 1) {
        const int cell = LowestCell(pieces);
        if ((Hexagon.Neighbours[cell] | Hexagon.Ring2[cell]) & empty) return true;
    }
    return false;
}

inline int CaptureCount(int target, Bitboard theirs) {
    return PopCount(Hexagon.Neighbours[target] & theirs);
}

// The one-ply gain of the best move: 1 + 2 x captures for a clone, 2 x captures for a jump.
// The reach must not be empty. The jump targets are not looked at when the clones alone reach
// `enough`, when the caller needs no more than to know that. The maxima are taken without
// branches: which target is best is as good as random, so a branch per target is mispredicted
// half the time, which costs more than the scan.
inline int BestGain(const Reach& reach, Bitboard theirs, int enough = 13) {
    int cloneCaptures = -1;
    for (Bitboard t = reach.Clone; t; t &= t - 1)
        cloneCaptures = std::max(cloneCaptures, CaptureCount(LowestCell(t), theirs));
    const int cloneGain = cloneCaptures < 0 ? -1 : 1 + 2 * cloneCaptures;
    // A jump beats the best clone only by taking more; none takes more than six.
    if (cloneGain >= enough || cloneCaptures == 6) return cloneGain;
    int jumpCaptures = -1;
    for (Bitboard t = reach.JumpOnly; t; t &= t - 1)
        jumpCaptures = std::max(jumpCaptures, CaptureCount(LowestCell(t), theirs));
    return std::max(cloneGain, 2 * jumpCaptures);
}

// The score of a side without moves: ten times its piece difference.
inline int TerminalScore(Bitboard mine, Bitboard theirs) {
    return 10 * (PopCount(mine) - PopCount(theirs));
}
