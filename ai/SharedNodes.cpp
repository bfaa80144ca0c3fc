#include "ai/SharedNodes.h"

#include <algorithm>

#include "ai/ReachAndGain.h"

// A full-width node whose moves all threads share, with the guarantees of a worker's
// node. Its first move is searched first, to set alpha: shared in the same way while it is
// deep enough (so the threads share every node on the chain of first moves, the deepest first),
// alone below that. Then every thread takes the next move not yet begun and tests it with a
// null window against alpha as it then stands. Alpha only ever rises to values found exactly,
// so a move that fails low against it cannot be better than the best, and the best is exact
// whatever the order in which the moves end.
int SharedNodes::Search(SearchWorker& worker, SidePosition pos, int depth, int kind, int alpha, int beta,
                        int ply) {
    SharedNode& node = m_nodes[ply];
    node.Pos = pos;
    node.Depth = depth;
    node.Kind = kind;
    node.Ply = ply;
    node.Beta = beta;
    node.Count = worker.ListFullWidth(pos, depth, kind, node.Moves.data());
    if (node.Count == 0) return TerminalExact(kind) ? TerminalScore(pos.Mine, pos.Theirs) : -Infinite;
    const SearchWorker::TreeMove first = node.Moves[0];
    const SidePosition child = Play(pos, first.From, first.To);
    const int childKind = ChildKind(kind, first.IsFirst);
    const int best = depth - 1 >= FromDepth
                         ? -Search(worker, child, depth - 1, childKind, -beta, -alpha, ply + 1)
                         : -worker.FullWidthNode(child, depth - 1, -beta, -alpha, childKind, ply + 1);
    if (worker.Aborted()) return 0;
    // No other thread sees the node before it is shared.
    node.Best = best;
    node.Alpha = std::max(alpha, best);
    node.BestFrom = StoredFrom(first.From, first.To);
    node.BestTo = first.To;
    if (node.Alpha < beta && node.Count > 1) {
        node.Next.store(1);
        SetShare(NodeShared, ply);
        Help(worker, m_share.load());
        // No thread takes a move once the share is over; those taken end before the node does.
        SetShare(NoNodeShared);
        for (int busy; (busy = node.Busy.load()) != 0;)
            node.Busy.wait(busy);
    }
    if (m_search.Aborted.load()) return 0;
    return worker.Finish(pos, depth, kind, node.Best, alpha, beta, node.BestFrom, node.BestTo);
}

// Takes the moves of the node shared in `share` until none is left, the node is cut off,
// or the share is over. A thread counts itself busy before it looks whether the share still
// stands, and the owner ends the share before it waits for the busy ones: so no thread enters
// a node that its owner has finished.
void SharedNodes::Help(SearchWorker& worker, uint32_t share) {
    SharedNode& node = m_nodes[PlyOf(share)];
    for (;;) {
        node.Busy.fetch_add(1);
        const bool open = m_share.load() == share;
        const int i = open ? node.Next.fetch_add(1) : 0;
        int alpha = 0;
        if (open) {
            const std::lock_guard lock(m_mutex);
            alpha = node.Alpha;
        }
        if (!open || i >= node.Count || alpha >= node.Beta || m_search.Aborted.load()) {
            if (node.Busy.fetch_sub(1) == 1) node.Busy.notify_all();
            return;
        }
        const SearchWorker::TreeMove move = node.Moves[i];
        const SidePosition child = Play(node.Pos, move.From, move.To);
        const int childKind = ChildKind(node.Kind, move.IsFirst);
        int value = -worker.FullWidthNode(child, node.Depth - 1, -alpha - 1, -alpha, childKind, node.Ply + 1);
        if (value > alpha && value < node.Beta && !worker.Aborted()) {
            {
                const std::lock_guard lock(m_mutex);
                alpha = std::max(alpha, node.Alpha);
            }
            value = -worker.FullWidthNode(child, node.Depth - 1, -node.Beta, -alpha, childKind, node.Ply + 1);
        }
        if (!worker.Aborted()) {
            const std::lock_guard lock(m_mutex);
            if (value > node.Best) {
                node.Best = value;
                node.BestFrom = StoredFrom(move.From, move.To);
                node.BestTo = move.To;
                node.Alpha = std::max(node.Alpha, value);
            }
        }
        if (node.Busy.fetch_sub(1) == 1) node.Busy.notify_all();
        if (worker.Aborted()) return;
    }
}

void SharedNodes::WaitForFirstMove(SearchWorker& worker) {
    for (uint32_t share; StateOf(share = m_share.load()) != FirstMoveDone;) {
        if (StateOf(share) == NodeShared) Help(worker, share);
        m_share.wait(share);
    }
}

// Only the thread of the first root move changes the state.
void SharedNodes::SetShare(ShareState state, int ply) {
    const uint32_t generation = (m_share.load() >> 6) + 1;
    m_share.store(generation << 6 | static_cast<uint32_t>(ply) << 2 | state);
    m_share.notify_all();
}
