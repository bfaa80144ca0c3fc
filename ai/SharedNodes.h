#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>

#include "ai/Bitboard.h"
#include "ai/SearchWorker.h"

// The nodes on the chain of first moves below the first root move, whose moves all threads of
// a search share while that move is searched: the thread of the first root move shares each
// node out, the other threads help inside it until the first root move is done. A node's best
// stays exact whatever the order in which its moves end (see Search), so sharing changes how
// fast the value is found, never the value.
class SharedNodes {
  public:
    // The nodes from this depth on are shared; shallower ones take less time than sharing.
    static constexpr int FromDepth = 3;

    // `search` gives the stop request that every thread of the search sees.
    explicit SharedNodes(const SharedSearchState& search) : m_search(search) {}

    // Before each pass over the root moves: no node is shared and the first move is open.
    void Reset() { m_share.store(NoNodeShared); }

    // Called by the thread of the first root move only.
    int Search(SearchWorker& worker, SidePosition pos, int depth, int kind, int alpha, int beta, int ply);
    void EndFirstMove() { SetShare(FirstMoveDone); }

    // Called by the other threads: helps in every node shared until the first root move is done.
    void WaitForFirstMove(SearchWorker& worker);

  private:
    // One per ply: the chain holds one node of each ply.
    struct SharedNode {
        SidePosition Pos;
        int Depth = 0;
        int Kind = 0;
        int Ply = 0;
        int Beta = 0;
        int Count = 0;
        std::array<SearchWorker::TreeMove, SearchWorker::MaxMoves> Moves{};
        std::atomic<int> Next{0};
        std::atomic<int> Busy{0}; // threads between taking a move and recording its value
        int Best = 0;             // these under m_mutex
        int Alpha = 0;
        int BestFrom = NoCell;
        int BestTo = NoCell;
    };

    // What the threads other than the first root move's do: wait (NoNodeShared), help inside
    // the shared node of a ply (NodeShared), or take root moves (FirstMoveDone). Every change
    // also counts up a generation, so that a thread that slept through changes never mistakes
    // an old share for the current one: bits 0-1 the state, 2-5 the ply, the rest the
    // generation.
    enum ShareState : uint32_t { NoNodeShared = 0, NodeShared = 1, FirstMoveDone = 2 };
    void SetShare(ShareState state, int ply = 0);
    static ShareState StateOf(uint32_t share) { return static_cast<ShareState>(share & 3); }
    static int PlyOf(uint32_t share) { return static_cast<int>(share >> 2 & 15); }

    void Help(SearchWorker& worker, uint32_t share);

    const SharedSearchState& m_search;
    std::array<SharedNode, SearchWorker::MaxPly> m_nodes;
    std::atomic<uint32_t> m_share{NoNodeShared};
    std::mutex m_mutex;
};
