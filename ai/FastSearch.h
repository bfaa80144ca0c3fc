#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "Bitboard.h"
#include "Engine.h"
#include "TranspositionTable.h"

// The fast engine: the same answers as the literal searches (move, NoMove, score and every
// tie-break), computed on bitboards with alpha-beta, a transposition table and move ordering.
//
// Why this is exact:
// - Complete and Branch and Bound both yield the plain negamax value at the top level (a
//   Branch and Bound cut-off only drops moves that cannot strictly beat the best so far), so
//   both are computed as one exact negamax. The top level visits its moves in generation
//   order and asks of each, with a null window, whether it is strictly better than the best
//   so far; only then its exact value is searched. The first strictly better move wins.
// - Home Made: the tree is fixed by the candidate lists, which are built by the exact
//   insertion rule in generation order. Below the top level only the set of kept moves
//   matters for a node's value, so it is searched with alpha-beta in any order.
// - Alpha-Beta: the literal routine is a correct alpha-beta search of a slightly different
//   tree, in which a node without moves scores 10 x (mine - theirs) only while its alpha is
//   still -1000, and is a loss beyond every score otherwise (it returns alpha, which its
//   parent reads as a cut-off). Whether alpha is -1000 depends only on the node's path: the
//   best of a node is -1000 exactly until its first generated move has been searched. So
//   every node carries one of four kinds, a function of its parent's kind and of whether it
//   is the parent's first generated move, and the node's value is a pure function of
//   (position, depth, kind). That value is then computed exactly by any alpha-beta order.
class FastEngine {
  public:
    // 2^19 buckets of four 24-byte entries: 48 MiB, allocated once with the engine.
    static constexpr int DefaultTableLog2 = 19;

    explicit FastEngine(int tableLog2 = DefaultTableLog2);

    // The top-level call for `side` with the searching player's settings (already clamped).
    // Progress: full-width searches report SetMaximum(own pieces) and one Step() per own
    // piece, before that piece's moves; Home Made reports SetMaximum(N) and one Step() per
    // slot. ShouldStop() is polled every few thousand nodes.
    SearchOutcome Search(const ValueGrid& grid, int side, const SearchSettings& settings,
                         SearchProgress* progress);

    // Forgets every stored position (for measurements that must start cold).
    void ClearTable();
    std::size_t TableBytes() const { return m_table.SizeInBytes(); }
    // Nodes visited by the last search (depth-0 nodes included).
    uint64_t NodeCount() const { return m_nodes; }

  private:
    // One generated move inside the tree. From is NoCell for a clone (all clones to one cell
    // give the same position) unless the move is a top-level or first-generated move.
    struct TreeMove {
        int8_t From;
        int8_t To;
        uint8_t Gain;    // immediate gain: 1 + 2 x captures for a clone, 2 x captures for a jump
        uint8_t IsFirst; // the node's first generated move (matters for Alpha-Beta's kinds)
    };
    static constexpr int MaxMoves = 18 * CellCount;
    static constexpr int MaxPly = MaxLevel + 2;

    SearchOutcome SearchFullWidth(SidePosition root, int level, int rootKind);
    SearchOutcome SearchHomeMade(SidePosition root, int level);

    int AboveLeaves(SidePosition pos, int alpha, int beta, int kind);
    int FullWidthNode(SidePosition pos, int depth, int alpha, int beta, int kind, int ply);
    int HomeMadeNode(SidePosition pos, int depth, int alpha, int beta, int ply);
    int LeafValue(SidePosition pos, bool terminalExact, int enough = 1 << 20) const;

    int GenerateFullWidth(SidePosition pos, Bitboard empty, bool markFirst, TreeMove* moves) const;
    int SelectHomeMade(SidePosition pos, Bitboard empty, TreeMove* moves) const;
    void OrderMoves(TreeMove* moves, int count);
    static void MoveHintFirst(TreeMove* moves, int count, int hintFrom, int hintTo);
    int Cutoff(SidePosition pos, int depth, int kind, int best, int alphaAtStart, int beta, int bestFrom,
               int bestTo, int ply);
    int Finish(SidePosition pos, int depth, int kind, int best, int alphaAtStart, int beta, int bestFrom,
               int bestTo);

    bool PollStop();

    TranspositionTable m_table;
    Bitboard m_playable = 0;
    bool m_tableValid = false;
    int m_branch = 0;
    SearchProgress* m_progress = nullptr;
    bool m_aborted = false;
    uint64_t m_nodes = 0;
    uint64_t m_nextPoll = 0;
    std::array<std::array<TreeMove, MaxMoves>, MaxPly> m_moves{};
    std::array<TreeMove, MaxMoves> m_sortBuffer{};
    std::array<TreeMove, MaxPly> m_killers{};
};
