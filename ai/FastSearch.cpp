#include "ai/FastSearch.h"

#include <algorithm>
#include <system_error>
#include <thread>

#include "ai/CandidateList.h"
#include "ai/OnePly.h"

FastEngine::FastEngine(int tableLog2, int threads) : m_table(tableLog2) {
    SetThreads(threads);
}

FastEngine::~FastEngine() = default;

void FastEngine::SetThreads(int threads) {
    m_workers.resize(static_cast<std::size_t>(std::clamp(threads, 1, MaxThreads)));
    for (auto& worker : m_workers)
        if (!worker) worker = std::make_unique<SearchWorker>();
}

void FastEngine::ClearTable() {
    m_table.Clear();
    m_tableValid = false;
}

SearchOutcome FastEngine::Search(const ValueGrid& grid, int side, const SearchSettings& settings,
                                 SearchProgress* progress) {
    const GridMasks masks = MasksOf(grid);
    // Stored values hold for one set of playable cells only.
    if (!m_tableValid || masks.Playable != m_playable) {
        if (m_tableValid) m_table.Clear();
        m_playable = masks.Playable;
        m_tableValid = true;
    }
    m_context.Table = &m_table;
    m_context.Playable = m_playable;
    m_context.Branch = settings.Branch;
    m_context.Progress = progress;
    m_context.Aborted.store(false);
    m_nodes = 0;
    const SidePosition root{masks.Player[side], masks.Player[OtherPlayer(side)]};
    SearchOutcome outcome;
    switch (settings.Algo) {
    case HomeMade:
        outcome = SearchHomeMade(root, settings.Level);
        break;
    case AlphaBeta:
        outcome = SearchFullWidth(root, settings.Level, BothOpen);
        break;
    default:
        outcome = SearchFullWidth(root, settings.Level, ExactKind);
        break;
    }
    if (m_context.Aborted.load()) outcome = SearchOutcome{{}, true, 0, true};
    m_context.Progress = nullptr;
    return outcome;
}

// The top level of Complete, Branch and Bound and Alpha-Beta: the moves listed in
// generation order (their rank), one progress step per own piece, and the first move of the
// highest value wins.
SearchOutcome FastEngine::SearchFullWidth(SidePosition root, int level, int rootKind) {
    const int mineCount = PopCount(root.Mine);
    if (m_context.Progress) m_context.Progress->SetMaximum(mineCount);
    const Bitboard empty = m_playable & ~(root.Mine | root.Theirs);

    int count = 0;
    bool firstMove = true;
    Bitboard clonesSearched = 0;
    for (Bitboard pieces = root.Mine; pieces; pieces &= pieces - 1) {
        const int from = LowestCell(pieces);
        ForEachEmptyTarget(from, empty, [&](int to, bool clone) {
            const int childKind = ChildKind(rootKind, firstMove);
            // A clone to a cell already listed with the same kind gives the same value, which
            // cannot be strictly better.
            const bool special = firstMove && ChildKind(rootKind, true) != ChildKind(rootKind, false);
            firstMove = false;
            if (clone && !special) {
                if (clonesSearched & CellBit(to)) return true;
                clonesSearched |= CellBit(to);
            }
            m_rootMoves[count] = {static_cast<int8_t>(from), static_cast<int8_t>(to),
                                  static_cast<uint8_t>(childKind), clone, count};
            ++count;
            return true;
        });
    }
    SearchDeepening(root, level, count, mineCount, false);

    const int winner = Winner(count);
    SearchOutcome outcome = Scored(root, winner);
    if (!outcome.NoMove) {
        const RootMove& move = *std::find_if(m_rootMoves.begin(), m_rootMoves.begin() + count,
                                             [winner](const RootMove& m) { return m.Rank == winner; });
        outcome.BestMove = {Cells.Pos[move.From].Row, Cells.Pos[move.From].Col, Cells.Pos[move.To].Row,
                            Cells.Pos[move.To].Col, move.Clone};
    }
    return outcome;
}

// The top level of Home Made: the candidate list built by the reference search's insertion
// rule, one progress step per slot, the lowest slot winning ties.
SearchOutcome FastEngine::SearchHomeMade(SidePosition root, int level) {
    const int n = m_context.Branch;
    const Bitboard empty = m_playable & ~(root.Mine | root.Theirs);
    const int difference = PopCount(root.Mine) - PopCount(root.Theirs);
    CandidateList list{};
    for (Bitboard pieces = root.Mine; pieces; pieces &= pieces - 1) {
        const int from = LowestCell(pieces);
        ForEachEmptyTarget(from, empty, [&](int to, bool clone) {
            const int value = difference + (clone ? 1 : 0) + 2 * CapturesAt(to, root.Theirs);
            InsertCandidate(list,
                            {Cells.Pos[from].Row, Cells.Pos[from].Col, Cells.Pos[to].Row, Cells.Pos[to].Col,
                             value, clone},
                            n);
            return true;
        });
    }
    if (m_context.Progress) m_context.Progress->SetMaximum(n);

    // The filled slots come first: they are filled in generation order until the list is full.
    int count = 0;
    while (count < n && list[count].Value > -1000) {
        const CandidateMove& slot = list[count];
        m_rootMoves[count] = {Cells.Index[slot.FromRow][slot.FromCol], Cells.Index[slot.ToRow][slot.ToCol],
                              static_cast<uint8_t>(HomeMadeKindBase + n), slot.Clone, count};
        ++count;
    }
    SearchDeepening(root, level, count, n, true);

    const int winner = Winner(count);
    SearchOutcome outcome = Scored(root, winner);
    // Without a winner the first slot is still named, as the reference search does.
    outcome.BestMove = list[outcome.NoMove ? 0 : winner].AsMove();
    return outcome;
}

// Deep searches first search the root moves less deep, from level 2 up to three
// levels less: each pass fills the table with the moves that were best in the positions
// below, and leaves the root moves in the order of their values, the best first, which makes
// the last pass quicker. (A pass one or two levels short costs nearly as much as the last
// one: in this game a level often costs little more than the one before.) The passes before
// the last make no progress steps.
void FastEngine::SearchDeepening(SidePosition root, int level, int count, int steps, bool homeMade) {
    if (level >= DeepeningFromLevel)
        for (int pass = 2; pass <= level - 3; ++pass) {
            SearchRootMoves(root, pass, count, 0, homeMade);
            if (m_context.Aborted.load()) return;
            OrderRootMoves(count);
        }
    SearchRootMoves(root, level, count, steps, homeMade);
}

// The root moves by the values of the last pass, highest first; a move whose value is only
// an upper bound goes by that bound. Equal values keep their order (an insertion sort: the
// lists are short, and nothing is allocated).
void FastEngine::OrderRootMoves(int count) {
    for (int i = 1; i < count; ++i) {
        const RootMove move = m_rootMoves[i];
        const int value = m_lastValue[move.Rank];
        int j = i;
        for (; j > 0 && m_lastValue[m_rootMoves[j - 1].Rank] < value; --j)
            m_rootMoves[j] = m_rootMoves[j - 1];
        m_rootMoves[j] = move;
    }
}

// Shares the root moves out among the threads. Each thread takes the next move not
// yet begun; the caller's thread is one of them.
void FastEngine::SearchRootMoves(SidePosition root, int level, int count, int steps, bool homeMade) {
    std::fill_n(m_exact.begin(), count, Unknown);
    std::fill_n(m_lastValue.begin(), count, -Widest);
    m_rootCount = count;
    m_nextRootMove.store(0);
    m_together.store(Alone);
    m_steps = 0;
    if (count == 0) {
        StepTo(steps);
        return;
    }
    // Shallow searches take less time than starting a thread.
    const int threads = level >= ParallelFromLevel ? std::min(Threads(), count) : 1;
    for (int t = 0; t < threads; ++t)
        m_workers[t]->Begin(&m_context);
    m_activeThreads = threads;
    std::vector<std::thread> helpers;
    if (threads > 1) {
        helpers.reserve(threads - 1);
        for (int t = 1; t < threads; ++t) {
            try {
                helpers.emplace_back([this, t, root, level, count, steps, homeMade] {
                    SearchOnThread(*m_workers[t], root, level, count, steps, homeMade);
                });
            } catch (const std::system_error&) {
                break; // fewer threads: the answer is the same
            }
        }
    }
    SearchOnThread(*m_workers[0], root, level, count, steps, homeMade);
    for (std::thread& helper : helpers)
        helper.join();
    for (int t = 0; t < threads; ++t)
        m_nodes += m_workers[t]->Nodes();
}

// One thread's share of the root moves. Only the thread of the first move (the best of the
// last pass) takes root moves while that move is open: any other move searched meanwhile would
// have no threshold yet, and would cost a full search where a null window usually does. The
// other threads help inside the first move instead (SearchTogether).
void FastEngine::SearchOnThread(SearchWorker& worker, SidePosition root, int level, int count, int steps,
                                bool homeMade) {
    for (;;) {
        if (m_context.Aborted.load(std::memory_order_relaxed)) return;
        const int k = m_nextRootMove.fetch_add(1);
        if (k >= count) return;
        // The progress bar moves as the moves are begun, and is full once the last one is.
        const bool stepped =
            StepTo(k + 1 == count ? steps : 1 + static_cast<int>(int64_t{k} * steps / count));
        if (k == 0) {
            if (stepped) SearchRootMove(worker, root, level, homeMade, m_rootMoves[0], true);
            SetTogether(Done);
        } else {
            WaitForFirstMove(worker);
            if (stepped) SearchRootMove(worker, root, level, homeMade, m_rootMoves[k], false);
        }
        if (!stepped || worker.Aborted()) return;
    }
}

void FastEngine::WaitForFirstMove(SearchWorker& worker) {
    for (uint32_t together; StateOf(together = m_together.load()) != Done;) {
        if (StateOf(together) == Shared) HelpTogether(worker, together);
        m_together.wait(together);
    }
}

// Only the thread of the first root move changes the state.
void FastEngine::SetTogether(TogetherState state, int ply) {
    const uint32_t generation = (m_together.load() >> 6) + 1;
    m_together.store(generation << 6 | static_cast<uint32_t>(ply) << 2 | state);
    m_together.notify_all();
}

// A move is first tested with a null window against its threshold; only a move that passes
// it is searched for its exact value, by all the threads together when it is the first.
void FastEngine::SearchRootMove(SearchWorker& worker, SidePosition root, int level, bool homeMade,
                                const RootMove& move, bool first) {
    int alpha = Threshold(move.Rank);
    // Against the lowest threshold the test would prove nothing (nearly every value passes
    // it): the first move of a pass goes straight to its exact search.
    if (alpha > -1000) {
        const int bound = RootMoveValue(worker, root, move, level, homeMade, alpha, alpha + 1);
        if (worker.Aborted()) return;
        m_lastValue[move.Rank] = bound;
        if (bound <= alpha) return;
        // The move reaches alpha + 1 at least (a lower bound only): its exact value is searched
        // against the threshold as it stands now, which other threads may have raised.
        alpha = Threshold(move.Rank);
    }
    int value;
    if (first && !homeMade && level - 1 >= SharedFromDepth && m_activeThreads > 1)
        value = -SearchTogether(worker, Play(root, move.Clone ? NoCell : move.From, move.To), level - 1,
                                move.Kind, -Widest, -alpha, 1);
    else
        value = RootMoveValue(worker, root, move, level, homeMade, alpha, Widest);
    if (worker.Aborted()) return;
    m_lastValue[move.Rank] = value;
    if (value <= alpha) return;
    const std::lock_guard lock(m_rootMutex);
    m_exact[move.Rank] = value;
}

// A full-width node whose moves all threads share, with the guarantees of a worker's
// node. Its first move is searched first, to set alpha: shared in the same way while it is
// deep enough (so the threads share every node on the chain of first moves, the deepest first),
// alone below that. Then every thread takes the next move not yet begun and tests it with a
// null window against alpha as it then stands. Alpha only ever rises to values found exactly,
// so a move that fails low against it cannot be better than the best, and the best is exact
// whatever the order in which the moves end.
int FastEngine::SearchTogether(SearchWorker& worker, SidePosition pos, int depth, int kind, int alpha,
                               int beta, int ply) {
    SharedNode& node = m_shared[ply];
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
    const int best = depth - 1 >= SharedFromDepth
                         ? -SearchTogether(worker, child, depth - 1, childKind, -beta, -alpha, ply + 1)
                         : -worker.FullWidthNode(child, depth - 1, -beta, -alpha, childKind, ply + 1);
    if (worker.Aborted()) return 0;
    // No other thread sees the node before it is shared.
    node.Best = best;
    node.Alpha = std::max(alpha, best);
    node.BestFrom = StoredFrom(first.From, first.To);
    node.BestTo = first.To;
    if (node.Alpha < beta && node.Count > 1) {
        node.Next.store(1);
        SetTogether(Shared, ply);
        HelpTogether(worker, m_together.load());
        // No thread takes a move once the share is over; those taken end before the node does.
        SetTogether(Alone);
        for (int busy; (busy = node.Busy.load()) != 0;)
            node.Busy.wait(busy);
    }
    if (m_context.Aborted.load()) return 0;
    return worker.Finish(pos, depth, kind, node.Best, alpha, beta, node.BestFrom, node.BestTo);
}

// Takes the moves of the node shared in `together` until none is left, the node is cut off,
// or the share is over. A thread counts itself busy before it looks whether the share still
// stands, and the owner ends the share before it waits for the busy ones: so no thread enters
// a node that its owner has finished.
void FastEngine::HelpTogether(SearchWorker& worker, uint32_t together) {
    SharedNode& node = m_shared[PlyOf(together)];
    for (;;) {
        node.Busy.fetch_add(1);
        const bool open = m_together.load() == together;
        const int i = open ? node.Next.fetch_add(1) : 0;
        int alpha = 0;
        if (open) {
            const std::lock_guard lock(m_rootMutex);
            alpha = node.Alpha;
        }
        if (!open || i >= node.Count || alpha >= node.Beta || m_context.Aborted.load()) {
            if (node.Busy.fetch_sub(1) == 1) node.Busy.notify_all();
            return;
        }
        const SearchWorker::TreeMove move = node.Moves[i];
        const SidePosition child = Play(node.Pos, move.From, move.To);
        const int childKind = ChildKind(node.Kind, move.IsFirst);
        int value = -worker.FullWidthNode(child, node.Depth - 1, -alpha - 1, -alpha, childKind, node.Ply + 1);
        if (value > alpha && value < node.Beta && !worker.Aborted()) {
            {
                const std::lock_guard lock(m_rootMutex);
                alpha = std::max(alpha, node.Alpha);
            }
            value = -worker.FullWidthNode(child, node.Depth - 1, -node.Beta, -alpha, childKind, node.Ply + 1);
        }
        if (!worker.Aborted()) {
            const std::lock_guard lock(m_rootMutex);
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

// The value of a root move seen from the side to move, with the guarantees of the worker's
// searches for the window (alpha, beta); levels 0 and 1 are always exact.
int FastEngine::RootMoveValue(SearchWorker& worker, SidePosition root, const RootMove& move, int level,
                              bool homeMade, int alpha, int beta) {
    if (level == 0)
        return PopCount(root.Mine) - PopCount(root.Theirs) + (move.Clone ? 1 : 0) +
               2 * CapturesAt(move.To, root.Theirs);
    const SidePosition child = Play(root, move.Clone ? NoCell : move.From, move.To);
    if (level == 1) return -worker.LeafValue(child, homeMade || TerminalExact(move.Kind));
    if (homeMade) return -worker.HomeMadeNode(child, level - 1, -beta, -alpha, 1);
    return -worker.FullWidthNode(child, level - 1, -beta, -alpha, move.Kind, 1);
}

// The value a root move must exceed to be the winner, from the moves known exactly so far:
// an earlier move's value must be beaten, a later move's value reached.
int FastEngine::Threshold(int rank) {
    const std::lock_guard lock(m_rootMutex);
    int threshold = -1000;
    for (int j = 0; j < m_rootCount; ++j)
        if (m_exact[j] != Unknown) threshold = std::max(threshold, j < rank ? m_exact[j] : m_exact[j] - 1);
    return threshold;
}

// Makes the progress steps up to `target`; false when the caller asked to stop.
bool FastEngine::StepTo(int target) {
    const std::lock_guard lock(m_rootMutex);
    while (m_steps < target && !m_context.Aborted.load()) {
        ++m_steps;
        if (m_context.Progress && m_context.Progress->Step()) m_context.Aborted.store(true);
    }
    return !m_context.Aborted.load();
}

// The winner's exact value; without a winner, no move and the score of a side without moves.
SearchOutcome FastEngine::Scored(SidePosition root, int winner) const {
    SearchOutcome outcome;
    outcome.NoMove = winner < 0;
    outcome.Score = outcome.NoMove ? TerminalScore(root.Mine, root.Theirs) : m_exact[winner];
    return outcome;
}

int FastEngine::Winner(int count) const {
    int winner = -1;
    int best = -1000;
    for (int rank = 0; rank < count; ++rank)
        if (m_exact[rank] != Unknown && m_exact[rank] > best) {
            best = m_exact[rank];
            winner = rank;
        }
    return winner;
}
