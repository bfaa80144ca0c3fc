#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include "ai/Bitboard.h"
#include "ai/SearchProgress.h"
#include "ai/SearchSettings.h"
#include "ai/TranspositionTable.h"

// Alpha-Beta's loss beyond every score, and the window that is wider than every value, so
// that a search with it is exact.
inline constexpr int Infinite = 10000;
inline constexpr int Widest = Infinite + 1;

// Kinds of nodes, kept apart in the transposition table because their values differ.
//   Exact: Complete and Branch and Bound; every node without moves scores its difference.
//   Alpha-Beta: whether the reference node's alpha and beta are still -1000 and 1000
//   ("open"). A node without moves scores its difference only while its alpha is open.
//   Home Made: one kind per branch count, HomeMadeKindBase + N.
enum NodeKind : int {
    ExactKind = 0,
    BothOpen = 1,  // alpha -1000, beta 1000: the top level and its chain of first moves
    AlphaOpen = 2, // alpha -1000, beta finite
    BetaOpen = 3,  // alpha finite, beta 1000
    Closed = 4,    // both finite
    HomeMadeKindBase = 5,
};

// A child's alpha is minus its parent's beta; its beta is minus the parent's best so far,
// which is the parent's alpha until the first generated move has been searched.
constexpr int ChildKind(int kind, bool firstMove) {
    switch (kind) {
    case BothOpen:
        return firstMove ? BothOpen : AlphaOpen;
    case AlphaOpen:
        return firstMove ? BetaOpen : Closed;
    case BetaOpen:
        return AlphaOpen;
    case Closed:
        return Closed;
    default:
        return ExactKind;
    }
}

// Whether a node of this kind without moves scores 10 x (mine - theirs); otherwise it
// returns its alpha, a loss beyond every score.
constexpr bool TerminalExact(int kind) {
    return kind != BetaOpen && kind != Closed;
}

// The position after a move, seen from the opponent, who moves next.
inline SidePosition Play(SidePosition pos, int from, int to) {
    const Bitboard captured = Hexagon.Neighbours[to] & pos.Theirs;
    Bitboard mover = pos.Mine | CellBit(to) | captured;
    if (from != NoCell && !(Hexagon.Neighbours[from] & CellBit(to))) mover &= ~CellBit(from);
    return {pos.Theirs & ~captured, mover};
}

// The source stored with a node's best move: none for a clone, as every clone to one cell
// gives one position (a first-generated clone carries its source only to be told apart).
inline int StoredFrom(int from, int to) {
    return from != NoCell && (Hexagon.Neighbours[from] & CellBit(to)) ? NoCell : from;
}

// What every thread of one search shares: the table, the fixed facts of the search and the
// stop request. The table only ever holds true bounds of exact values, so whatever one
// thread stores cannot change what another computes, only how fast.
struct SharedSearchState {
    TranspositionTable* Table = nullptr;
    Bitboard Playable = 0;
    int Branch = 0;
    SearchProgress* Progress = nullptr;
    std::atomic<bool> Aborted{false};
};

// One thread's recursive search below the top level: fail-soft alpha-beta over bitboards.
// A value returned is exact when it lies strictly inside (alpha, beta), a lower bound when
// >= beta and an upper bound when <= alpha, whatever the table holds and whatever order the
// moves are tried in. About 50 KiB of move lists per worker; nothing is allocated while
// searching.
class SearchWorker {
  public:
    // Starts a new search (killers forgotten, nodes counted from zero).
    void Begin(SharedSearchState* search);

    int FullWidthNode(SidePosition pos, int depth, int alpha, int beta, int kind, int ply);
    int HomeMadeNode(SidePosition pos, int depth, int alpha, int beta, int ply);
    // The best one-ply score; `terminalExact` says how a side without moves scores.
    int LeafValue(SidePosition pos, bool terminalExact, int enough = 1 << 20) const;

    // Whether this search has been told to stop (checked every few thousand nodes).
    bool Aborted() const { return m_aborted; }
    bool PollStop();
    uint64_t Nodes() const { return m_nodes; }

    // One generated move inside the tree. From is NoCell for a clone (all clones to one cell
    // give the same position) unless the move is a first-generated move.
    struct TreeMove {
        int8_t From;
        int8_t To;
        uint8_t Gain;    // immediate gain: 1 + 2 x captures for a clone, 2 x captures for a jump
        uint8_t IsFirst; // the node's first generated move (matters for Alpha-Beta's kinds)
    };
    static constexpr int MaxMoves = 18 * CellCount;
    static constexpr int MaxPly = MaxLevel + 2;

    // Every move of a full-width node in the order a node tries them (the stored best move
    // first, then by immediate gain); the count, 0 when the side has no move.
    int ListFullWidth(SidePosition pos, int depth, int kind, TreeMove* moves);

    // Stores what a node learnt and returns its value: `best` is exact inside
    // (alphaAtStart, beta), an upper bound at or below it, a lower bound at or above beta.
    // Nothing is stored once stopped.
    int Finish(SidePosition pos, int depth, int kind, int best, int alphaAtStart, int beta, int bestFrom,
               int bestTo);

  private:
    int AboveLeaves(SidePosition pos, int alpha, int beta, int kind, int ply);
    int GenerateFullWidth(SidePosition pos, Bitboard empty, bool markFirst, TreeMove* moves) const;
    int SelectHomeMade(SidePosition pos, Bitboard empty, TreeMove* moves) const;
    void OrderMoves(TreeMove* moves, int count);
    void OrderWithHint(TreeMove* moves, int count, int hintFrom, int hintTo);
    int Cutoff(SidePosition pos, int depth, int kind, int best, int alphaAtStart, int beta, int bestFrom,
               int bestTo, int ply);

    SharedSearchState* m_search = nullptr;
    TranspositionTable* m_table = nullptr;
    Bitboard m_playable = 0;
    int m_branch = 0;
    bool m_aborted = false;
    uint64_t m_nodes = 0;
    uint64_t m_nextPoll = 0;
    std::array<std::array<TreeMove, MaxMoves>, MaxPly> m_moves{};
    std::array<TreeMove, MaxMoves> m_sortBuffer{};
    std::array<TreeMove, MaxPly> m_killers{};
};
