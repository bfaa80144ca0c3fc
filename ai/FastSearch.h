#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "ai/Bitboard.h"
#include "ai/SearchOutcome.h"
#include "ai/SearchProgress.h"
#include "ai/SearchSettings.h"
#include "ai/SearchWorker.h"
#include "ai/SharedNodes.h"
#include "ai/TranspositionTable.h"
#include "rules/ValueGrid.h"

// The fast engine: the same answers as the reference searches (move, NoMove, score and every
// tie-break), computed on bitboards with alpha-beta, a transposition table and move ordering.
//
// Why this is exact:
// - Complete and Branch and Bound both yield the plain negamax value at the top level (a
//   Branch and Bound cut-off only drops moves that cannot strictly beat the best so far), so
//   both are computed as one exact negamax. The first move, in generation order, of the
//   highest value wins (see below for how the top level finds it in any order).
// - Home Made: the tree is fixed by the candidate lists, which are built by the exact
//   insertion rule in generation order. Below the top level only the set of kept moves
//   matters for a node's value, so it is searched with alpha-beta in any order.
// - Alpha-Beta: the reference routine is a correct alpha-beta search of a slightly different
//   tree, in which a node without moves scores 10 x (mine - theirs) only while its alpha is
//   still -1000, and is a loss beyond every score otherwise (it returns alpha, which its
//   parent reads as a cut-off). Whether alpha is -1000 depends only on the node's path: the
//   best of a node is -1000 exactly until its first generated move has been searched. So
//   every node carries one of four kinds, a function of its parent's kind and of whether it
//   is the parent's first generated move, and the node's value is a pure function of
//   (position, depth, kind). That value is then computed exactly by any alpha-beta order.
//
// Why it is exact on any number of threads, whatever the scheduling: the top-level moves are
// shared out among the threads (in the order of a shallower pass, not generation order), and
// the answer depends only on the exact values of the moves, never on which thread searched
// what, in which order, or when. The winner is the first move, in generation
// (Home Made: slot) order, whose value is strictly greater than every earlier move's and at
// least every later move's, and greater than -1000. A move i is searched with a threshold t
// taken from moves already known exactly: t = v(j) for an earlier move j (i cannot win unless
// it beats v(j) strictly), t = v(j) - 1 for a later move j (i cannot win unless it reaches
// v(j)), and at least -1000. The winner exceeds every such threshold, so its search, whose
// window is (t, beyond every value), returns its exact value; a move that ends at or below its
// threshold is proven not to win. At the end the winner is the first move of the highest
// exact value. A null-window test that passes gives only a lower bound, so such a move is
// always searched again against the threshold as it then stands. While the first move of a
// pass is searched, the threads share the moves of each node on its chain of first moves, the
// deepest first: in such a node each move after the first is tested against the node's alpha,
// which only rises to values found exactly, so the node's best is exact too. The table shared by the threads
// holds only true bounds of exact values (each bucket locked while it is read or written), so it changes how
// fast a value is found, never the value; killers and move lists are each thread's own.
//
// Memory: the table (48 MiB by default, plus 64 KiB of locks) and about 50 KiB of move lists
// per thread, all allocated when the engine is made; a search allocates only its threads.
class FastEngine {
  public:
    // 2^19 buckets of four 24-byte entries: 48 MiB, allocated once with the engine.
    static constexpr int DefaultTableLog2 = 19;

    // `threads` searches share the top-level moves (1: all on the caller's thread).
    explicit FastEngine(int tableLog2 = DefaultTableLog2, int threads = 1);
    ~FastEngine();
    FastEngine(const FastEngine&) = delete;
    FastEngine& operator=(const FastEngine&) = delete;

    // The top-level call for `side` with the searching player's settings (already clamped).
    // Progress: full-width searches report SetMaximum(own pieces) and then one Step() per own
    // piece, spread over the top-level moves as they are begun; Home Made reports
    // SetMaximum(N) and one Step() per slot likewise. Steps are made one at a time, from
    // any of the search's threads; ShouldStop() is polled every few thousand nodes by every
    // thread.
    SearchOutcome Search(const ValueGrid& grid, int side, const SearchSettings& settings,
                         SearchProgress* progress);

    // Changes the number of threads of the next searches (not while one runs).
    void SetThreads(int threads);
    int Threads() const { return static_cast<int>(m_workers.size()); }

    // Forgets every stored position (for measurements that must start cold).
    void ClearTable();
    std::size_t TableBytes() const { return m_table.SizeInBytes(); }
    // Everything the engine holds: the table and each thread's move lists.
    std::size_t MemoryBytes() const { return TableBytes() + m_workers.size() * sizeof(SearchWorker); }
    // Nodes visited by the last search (depth-0 nodes included), over all threads.
    uint64_t NodeCount() const { return m_nodes; }

  private:
    // A top-level move; `Rank` is its place in the tie-break order.
    struct RootMove {
        int8_t From;
        int8_t To;
        uint8_t Kind; // the child's node kind
        bool Clone;
        int Rank;
    };
    static constexpr int MaxRootMoves = 18 * CellCount;
    static constexpr int MaxThreads = 64;
    // Below this level a search takes less time than starting a thread.
    static constexpr int ParallelFromLevel = 3;
    // From this level on, shallower passes order the root moves first.
    static constexpr int DeepeningFromLevel = 4;
    // No value is known yet.
    static constexpr int Unknown = -Widest - 1;

    SearchOutcome SearchFullWidth(SidePosition root, int level, int rootKind);
    SearchOutcome SearchHomeMade(SidePosition root, int level);
    void SearchDeepening(SidePosition root, int level, int count, int steps, bool homeMade);
    void OrderRootMoves(int count);
    // Searches the first `count` root moves on the threads; values land in m_exact.
    void SearchRootMoves(SidePosition root, int level, int count, int steps, bool homeMade);
    void SearchOnThread(SearchWorker& worker, SidePosition root, int level, int count, int steps,
                        bool homeMade);
    void SearchRootMove(SearchWorker& worker, SidePosition root, int level, bool homeMade,
                        const RootMove& move, bool first);
    int RootMoveValue(SearchWorker& worker, SidePosition root, const RootMove& move, int level, bool homeMade,
                      int alpha, int beta);
    int Threshold(int rank);
    bool StepTo(int target);
    // The first root move (by rank) of the highest exact value, -1 when none beats -1000.
    int Winner(int count) const;
    SearchOutcome Scored(SidePosition root, int winner) const;

    TranspositionTable m_table;
    std::vector<std::unique_ptr<SearchWorker>> m_workers;
    SharedSearchState m_search;
    Bitboard m_playable = 0;
    bool m_tableValid = false;
    uint64_t m_nodes = 0;

    // The top level of the running search, shared by its threads.
    std::array<RootMove, MaxRootMoves> m_rootMoves{};
    std::array<int, MaxRootMoves> m_exact{};     // by rank: the exact value, or Unknown
    std::array<int, MaxRootMoves> m_lastValue{}; // by rank: the last value or bound found
    std::atomic<int> m_nextRootMove{0};

    // The nodes below the first root move whose moves the threads share.
    SharedNodes m_sharedNodes{m_search};

    std::mutex m_rootMutex; // guards m_exact, m_steps and the progress steps
    int m_rootCount = 0;
    int m_activeThreads = 1;
    int m_steps = 0;
};
