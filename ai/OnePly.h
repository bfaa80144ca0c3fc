#pragma once

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

inline Reach ReachOf(Bitboard mine, Bitboard empty) {
    Bitboard near = 0;
    Bitboard far = 0;
    for (Bitboard pieces = mine; pieces; pieces &= pieces - 1) {
        const int cell = LowestCell(pieces);
        near |= Cells.Neighbours[cell];
        far |= Cells.Ring2[cell];
    }
    Reach reach;
    reach.Clone = near & empty;
    reach.JumpOnly = far & empty & ~reach.Clone;
    return reach;
}

// Whether a side has any move at all (some empty cell within distance 2 of a piece).
inline bool HasMove(Bitboard mine, Bitboard empty) {
    for (Bitboard pieces = mine; pieces; pieces &= pieces - 1) {
        const int cell = LowestCell(pieces);
        if ((Cells.Neighbours[cell] | Cells.Ring2[cell]) & empty) return true;
    }
    return false;
}

inline int CapturesAt(int target, Bitboard theirs) {
    return PopCount(Cells.Neighbours[target] & theirs);
}

// The one-ply gain of the best move: 1 + 2 x captures for a clone, 2 x captures for a jump.
// The reach must not be empty. The scan may stop early at a gain of `enough` or more, when
// the caller needs no more than to know that.
inline int BestGain(const Reach& reach, Bitboard theirs, int enough = 13) {
    int best = -1;
    for (Bitboard t = reach.Clone; t; t &= t - 1) {
        const int gain = 1 + 2 * CapturesAt(LowestCell(t), theirs);
        if (gain > best) {
            best = gain;
            if (best >= enough) return best;
        }
    }
    if (best == 13) return best; // no jump can beat a clone that takes six
    for (Bitboard t = reach.JumpOnly; t; t &= t - 1) {
        const int gain = 2 * CapturesAt(LowestCell(t), theirs);
        if (gain > best) {
            best = gain;
            if (best >= enough) return best;
        }
    }
    return best;
}

// The score of a side without moves: ten times its piece difference.
inline int TerminalScore(Bitboard mine, Bitboard theirs) {
    return 10 * (PopCount(mine) - PopCount(theirs));
}
