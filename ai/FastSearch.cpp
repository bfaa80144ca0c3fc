#include "ai/FastSearch.h"

#include <algorithm>
#include <system_error>
#include <thread>

#include "ai/CandidateList.h"
#include "ai/ReachAndGain.h"

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
    m_search.Table = &m_table;
    m_search.Playable = m_playable;
    m_search.Branch = settings.Branch;
    m_search.Progress = progress;
    m_search.Aborted.store(false);
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
    if (m_search.Aborted.load()) outcome = SearchOutcome{{}, true, 0, true};
    m_search.Progress = nullptr;
    return outcome;
}

// The top level of Complete, Branch and Bound and Alpha-Beta: the moves listed in
// generation order (their rank), one progress step per own piece, and the first move of the
// highest value wins.
SearchOutcome FastEngine::SearchFullWidth(SidePosition root, int level, int rootKind) {
    const int mineCount = PopCount(root.Mine);
    if (m_search.Progress) m_search.Progress->SetMaximum(mineCount);
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
        outcome.BestMove = {Hexagon.Pos[move.From].Row, Hexagon.Pos[move.From].Col, Hexagon.Pos[move.To].Row,
                            Hexagon.Pos[move.To].Col, move.Clone};
    }
    return outcome;
}

// The top level of Home Made: the candidate list built by the reference search's insertion
// rule, one progress step per slot, the lowest slot winning ties.
SearchOutcome FastEngine::SearchHomeMade(SidePosition root, int level) {
    const int n = m_search.Branch;
    const Bitboard empty = m_playable & ~(root.Mine | root.Theirs);
    const int difference = PopCount(root.Mine) - PopCount(root.Theirs);
    CandidateList list{};
    for (Bitboard pieces = root.Mine; pieces; pieces &= pieces - 1) {
        const int from = LowestCell(pieces);
        ForEachEmptyTarget(from, empty, [&](int to, bool clone) {
            const int value = difference + (clone ? 1 : 0) + 2 * CaptureCount(to, root.Theirs);
            InsertCandidate(list,
                            {Hexagon.Pos[from].Row, Hexagon.Pos[from].Col, Hexagon.Pos[to].Row,
                             Hexagon.Pos[to].Col, value, clone},
                            n);
            return true;
        });
    }
    if (m_search.Progress) m_search.Progress->SetMaximum(n);

    // The filled slots come first: they are filled in generation order until the list is full.
    int count = 0;
    while (count < n && list[count].Value > -1000) {
        const CandidateMove& slot = list[count];
        m_rootMoves[count] = {Hexagon.Index[slot.FromRow][slot.FromCol],
                              Hexagon.Index[slot.ToRow][slot.ToCol],
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
            if (m_search.Aborted.load()) return;
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
    m_sharedNodes.Reset();
    m_steps = 0;
    if (count == 0) {
        StepTo(steps);
        return;
    }
    // Shallow searches take less time than starting a thread.
    const int threads = level >= ParallelFromLevel ? std::min(Threads(), count) : 1;
    for (int t = 0; t < threads; ++t)
        m_workers[t]->Begin(&m_search);
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
// other threads help inside the first move instead (SharedNodes).
void FastEngine::SearchOnThread(SearchWorker& worker, SidePosition root, int level, int count, int steps,
                                bool homeMade) {
    for (;;) {
        if (m_search.Aborted.load(std::memory_order_relaxed)) return;
        const int k = m_nextRootMove.fetch_add(1);
        if (k >= count) return;
        // The progress bar moves as the moves are begun, and is full once the last one is.
        const bool stepped =
            StepTo(k + 1 == count ? steps : 1 + static_cast<int>(int64_t{k} * steps / count));
        if (k == 0) {
            if (stepped) SearchRootMove(worker, root, level, homeMade, m_rootMoves[0], true);
            m_sharedNodes.EndFirstMove();
        } else {
            m_sharedNodes.WaitForFirstMove(worker);
            if (stepped) SearchRootMove(worker, root, level, homeMade, m_rootMoves[k], false);
        }
        if (!stepped || worker.Aborted()) return;
    }
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
    if (first && !homeMade && level - 1 >= SharedNodes::FromDepth && m_activeThreads > 1)
        value = -m_sharedNodes.Search(worker, Play(root, move.Clone ? NoCell : move.From, move.To), level - 1,
                                      move.Kind, -Widest, -alpha, 1);
    else
        value = RootMoveValue(worker, root, move, level, homeMade, alpha, Widest);
    if (worker.Aborted()) return;
    m_lastValue[move.Rank] = value;
    if (value <= alpha) return;
    const std::lock_guard lock(m_rootMutex);
    m_exact[move.Rank] = value;
}

// The value of a root move seen from the side to move, with the guarantees of the worker's
// searches for the window (alpha, beta); levels 0 and 1 are always exact.
int FastEngine::RootMoveValue(SearchWorker& worker, SidePosition root, const RootMove& move, int level,
                              bool homeMade, int alpha, int beta) {
    if (level == 0)
        return PopCount(root.Mine) - PopCount(root.Theirs) + (move.Clone ? 1 : 0) +
               2 * CaptureCount(move.To, root.Theirs);
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
    while (m_steps < target && !m_search.Aborted.load()) {
        ++m_steps;
        if (m_search.Progress && m_search.Progress->Step()) m_search.Aborted.store(true);
    }
    return !m_search.Aborted.load();
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
