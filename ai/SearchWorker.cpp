#include "ai/SearchWorker.h"

#include <algorithm>

#include "ai/ReachAndGain.h"

namespace {

inline bool HasClone(Bitboard pieces, Bitboard empty) {
    for (; pieces; pieces &= pieces - 1)
        if (Hexagon.Neighbours[LowestCell(pieces)] & empty) return true;
    return false;
}

// Whether a side can clone whatever move its opponent makes first. Two of its pieces with
// two empty neighbours each, three or more cells apart, are enough: one move captures only
// pieces next to its destination, which cannot be next to both, and fills only one of the
// cells around a piece.
inline bool AlwaysClones(Bitboard pieces, Bitboard empty) {
    Bitboard roomy = 0;
    for (Bitboard p = pieces; p; p &= p - 1) {
        const int cell = LowestCell(p);
        if (PopCount(Hexagon.Neighbours[cell] & empty) >= 2) roomy |= CellBit(cell);
    }
    if (!roomy) return false;
    const int first = LowestCell(roomy);
    return (roomy & ~(CellBit(first) | Hexagon.Neighbours[first] | Hexagon.Ring2[first])) != 0;
}

// A lower bound on the best gain of the opponent's reply after a move to `to` (-1 when the
// opponent might have no move at all): a clone next to `to` takes back at least the
// destination; otherwise any clone gains at least 1.
inline int ReplyFloor(Bitboard opponent, Bitboard mover, Bitboard emptyAfter, int to) {
    int floor = -1;
    for (Bitboard cells = Hexagon.Neighbours[to] & emptyAfter; cells; cells &= cells - 1) {
        const int cell = LowestCell(cells);
        if (Hexagon.Neighbours[cell] & opponent)
            floor = std::max(floor, 1 + 2 * PopCount(Hexagon.Neighbours[cell] & mover));
    }
    if (floor < 0 && HasClone(opponent, emptyAfter)) floor = 1;
    return floor;
}

// Whether a move remembered from another position (the table's hint, a killer) can be played
// here: its destination is empty and its source is the side's own piece (for a clone, any own
// piece next to the destination).
inline bool CanPlay(SidePosition pos, Bitboard empty, int from, int to) {
    if (to == NoCell || !(empty & CellBit(to))) return false;
    return from == NoCell ? (Hexagon.Neighbours[to] & pos.Mine) != 0 : (pos.Mine & CellBit(from)) != 0;
}

// The shallowest full-width nodes that use the table.
constexpr int TableFromDepth = 3;

// Nodes between two polls of the stop request: well under a millisecond of work.
constexpr uint64_t StopPollInterval = 4096;

// A stored entry bounds the node's value: it settles the node when the bounds meet or
// fall outside the window (the value is then `settled`); otherwise it narrows the window.
inline bool SettledByTable(const TranspositionTable::Probe& probe, int& alpha, int& beta, int& settled) {
    if (!probe.Found) return false;
    const int lower = probe.Lower;
    const int upper = probe.Upper;
    if (lower == upper || lower >= beta) {
        settled = lower;
        return true;
    }
    if (upper <= alpha) {
        settled = upper;
        return true;
    }
    alpha = std::max(alpha, lower);
    beta = std::min(beta, upper);
    return false;
}

} // namespace

void SearchWorker::Begin(SharedSearchState* search) {
    m_search = search;
    m_table = search->Table;
    m_playable = search->Playable;
    m_branch = search->Branch;
    m_aborted = false;
    m_nodes = 0;
    m_nextPoll = StopPollInterval;
    m_killers.fill({NoCell, NoCell, 0, 0});
}

// The stop request of the caller, or of another thread of this search that saw it first.
bool SearchWorker::PollStop() {
    m_nextPoll = m_nodes + StopPollInterval;
    if (m_search->Aborted.load(std::memory_order_relaxed) ||
        (m_search->Progress && m_search->Progress->ShouldStop())) {
        m_aborted = true;
        m_search->Aborted.store(true, std::memory_order_relaxed);
    }
    return m_aborted;
}

// The leaf: the best one-ply score, from the reach of the side and the opponent
// pieces around each target; no move list is built.
// A value of `enough` or more may be returned as soon as it is reached: the caller then
// learns only that the value is at least that much, which is all it needs.
int SearchWorker::LeafValue(SidePosition pos, bool terminalExact, int enough) const {
    const Bitboard empty = m_playable & ~(pos.Mine | pos.Theirs);
    const Reach reach = ReachOf(pos.Mine, empty);
    if (!reach.Any()) return terminalExact ? TerminalScore(pos.Mine, pos.Theirs) : -Infinite;
    const int difference = PopCount(pos.Mine) - PopCount(pos.Theirs);
    return difference + BestGain(reach, pos.Theirs, enough - difference);
}

// Moves of an inner full-width node: one clone per target cell, every jump, and, when
// `markFirst`, the first generated move once more on its own (its child has another kind).
int SearchWorker::GenerateFullWidth(SidePosition pos, Bitboard empty, bool markFirst, TreeMove* moves) const {
    int count = 0;
    for (Bitboard t = NearOf(pos.Mine) & empty; t; t &= t - 1) {
        const int to = LowestCell(t);
        moves[count++] = {NoCell, static_cast<int8_t>(to),
                          static_cast<uint8_t>(1 + 2 * CaptureCount(to, pos.Theirs)), 0};
    }
    for (Bitboard pieces = pos.Mine; pieces; pieces &= pieces - 1) {
        const int from = LowestCell(pieces);
        for (Bitboard t = Hexagon.Ring2[from] & empty; t; t &= t - 1) {
            const int to = LowestCell(t);
            moves[count++] = {static_cast<int8_t>(from), static_cast<int8_t>(to),
                              static_cast<uint8_t>(2 * CaptureCount(to, pos.Theirs)), 0};
        }
    }
    if (markFirst && count > 0) {
        for (Bitboard pieces = pos.Mine; pieces; pieces &= pieces - 1) {
            const int from = LowestCell(pieces);
            if (!((Hexagon.Neighbours[from] | Hexagon.Ring2[from]) & empty)) continue;
            // Only the first of them.
            ForEachEmptyTarget(from, empty, [&](int to, bool clone) {
                const int gain = (clone ? 1 : 0) + 2 * CaptureCount(to, pos.Theirs);
                moves[count++] = {static_cast<int8_t>(from), static_cast<int8_t>(to),
                                  static_cast<uint8_t>(gain), 1};
                return false;
            });
            break;
        }
    }
    return count;
}

// The kept candidates of an inner Home Made node: every move in generation order offered
// to N slots by the insertion rule (a newcomer replaces the first-found lowest slot when
// strictly better). Scores differ from gains by the same piece difference, so gains are
// compared; a bit mask of slots per gain finds the first lowest slot at once.
int SearchWorker::SelectHomeMade(SidePosition pos, Bitboard empty, TreeMove* moves) const {
    const int n = m_branch;
    uint32_t slotsOfGain[14] = {};
    int filled = 0;
    int lowest = 0;
    for (Bitboard pieces = pos.Mine; pieces; pieces &= pieces - 1) {
        const int from = LowestCell(pieces);
        if (!((Hexagon.Neighbours[from] | Hexagon.Ring2[from]) & empty)) continue;
        ForEachEmptyTarget(from, empty, [&](int to, bool clone) {
            const int gain = (clone ? 1 : 0) + 2 * CaptureCount(to, pos.Theirs);
            int slot;
            if (filled < n) {
                slot = filled++;
            } else {
                if (gain <= lowest) return true;
                slot = std::countr_zero(slotsOfGain[lowest]);
                slotsOfGain[lowest] &= ~(1u << slot);
            }
            slotsOfGain[gain] |= 1u << slot;
            moves[slot] = {static_cast<int8_t>(from), static_cast<int8_t>(to), static_cast<uint8_t>(gain), 0};
            if (filled == n) {
                lowest = 0;
                while (!slotsOfGain[lowest])
                    ++lowest;
            }
            return true;
        });
    }
    // Inside the tree a clone's source does not matter: the position is the same.
    for (int k = 0; k < filled; ++k)
        if (Hexagon.Neighbours[moves[k].From] & CellBit(moves[k].To)) moves[k].From = NoCell;
    return filled;
}

int SearchWorker::ListFullWidth(SidePosition pos, int depth, int kind, TreeMove* moves) {
    const Bitboard empty = m_playable & ~(pos.Mine | pos.Theirs);
    const bool markFirst = ChildKind(kind, true) != ChildKind(kind, false);
    const int count = GenerateFullWidth(pos, empty, markFirst, moves);
    const TranspositionTable::Probe probe = m_table->Find(pos.Mine, pos.Theirs, kind, depth);
    OrderWithHint(moves, count, probe.HintFrom, probe.HintTo);
    return count;
}

// By immediate gain, highest first; a stable counting sort.
void SearchWorker::OrderMoves(TreeMove* moves, int count) {
    int counts[14] = {};
    for (int i = 0; i < count; ++i)
        ++counts[moves[i].Gain];
    int offsets[14];
    for (int g = 13, next = 0; g >= 0; --g) {
        offsets[g] = next;
        next += counts[g];
    }
    TreeMove* sorted = m_sortBuffer.data();
    for (int i = 0; i < count; ++i)
        sorted[offsets[moves[i].Gain]++] = moves[i];
    std::copy(sorted, sorted + count, moves);
}

// The move that was best here before first (never the repeated first-generated move, whose
// child has another kind), then the others by immediate gain.
void SearchWorker::OrderWithHint(TreeMove* moves, int count, int hintFrom, int hintTo) {
    OrderMoves(moves, count);
    for (int i = 0; i < count; ++i)
        if (!moves[i].IsFirst && moves[i].From == hintFrom && moves[i].To == hintTo) {
            std::rotate(moves, moves + i, moves + i + 1);
            return;
        }
}

// A full-width node of depth 1, whose children are leaves.
// Futility: after a move of gain g the mover leads by d + g, and whenever the opponent can
// reply at all its best reply gains at least ReplyFloor, so the move is worth at most
// d + g - floor. When that cannot beat alpha the leaf is not scored; the bound stands in
// for the value, and the node fails low with an upper bound, as fail-soft alpha-beta may.
// The moves are taken by target cell, best gain first: all moves to one cell capture the
// same pieces, so one test covers them all (a jump leaves one piece fewer next to the
// destination and frees a cell, which the jump floor allows for). The first-generated move
// needs no special care here: its leaf scores a node without moves the same way as every
// other child's leaf does.
int SearchWorker::AboveLeaves(SidePosition pos, int alpha, int beta, int kind, int ply) {
    const Bitboard empty = m_playable & ~(pos.Mine | pos.Theirs);
    const bool exactLeaves = TerminalExact(ChildKind(kind, false));

    // Most of these nodes are cut off by their first move, very often by the move that cut
    // off a sibling: try that one before anything about the position is counted.
    const TreeMove killer = m_killers[ply];
    if (CanPlay(pos, empty, killer.From, killer.To)) {
        ++m_nodes;
        const int value = -LeafValue(Play(pos, killer.From, killer.To), exactLeaves, -alpha);
        if (value >= beta) return value;
    }

    const Around around = AroundOf(pos.Mine);
    const Bitboard near = around.Near & empty;
    const Bitboard far = around.Far & empty;
    if (!(near | far)) return TerminalExact(kind) ? TerminalScore(pos.Mine, pos.Theirs) : -Infinite;
    const int difference = PopCount(pos.Mine) - PopCount(pos.Theirs);

    m_nodes += PopCount(near | far);

    // Targets by their best gain, highest first: cells next to k opponent pieces, from k = 6
    // down, the clone targets (gain 1 + 2k) before the jump-only ones (gain 2k). The count
    // of opponent neighbours of every cell is added up bit-sliced, three bits per cell.
    Bitboard ones = 0, twos = 0, fours = 0;
    for (Bitboard pieces = pos.Theirs; pieces; pieces &= pieces - 1) {
        const Bitboard around = Hexagon.Neighbours[LowestCell(pieces)];
        const Bitboard carry = ones & around;
        ones ^= around;
        fours |= twos & carry;
        twos ^= carry;
    }
    int best = -Widest;
    int alwaysClones = -1; // not yet known
    for (int round = 13; round >= 0; --round) {
        const int k = round / 2;
        const Bitboard withK =
            ((k & 1) ? ones : ~ones) & ((k & 2) ? twos : ~twos) & ((k & 4) ? fours : ~fours);
        const Bitboard targets = withK & ((round & 1) ? near : far & ~near);
        if (!targets) continue;
        // Once even a reply gaining only 1 leaves this gain and every smaller one at or
        // below alpha, the node fails low, provided the opponent can clone after any move.
        const int plainBound = difference + round - 1;
        if (plainBound <= alpha) {
            if (alwaysClones < 0) alwaysClones = AlwaysClones(pos.Theirs, empty);
            if (alwaysClones) {
                best = std::max(best, plainBound);
                break;
            }
        }
        for (Bitboard t = targets; t; t &= t - 1) {
            const int to = LowestCell(t);
            const Bitboard captured = Hexagon.Neighbours[to] & pos.Theirs;
            const Bitboard opponent = pos.Theirs & ~captured;
            const Bitboard mover = pos.Mine | CellBit(to) | captured;
            const Bitboard emptyAfter = empty & ~CellBit(to);
            const int gain = 2 * PopCount(captured);
            const bool clone = near & CellBit(to);
            const bool jump = far & CellBit(to);
            // Bounds on every move to this cell: the clone, and any jump (which leaves one piece
            // fewer to take back, and frees a cell).
            const int floor = ReplyFloor(opponent, mover, emptyAfter, to);
            const int jumpFloor = floor >= 3 ? std::max(floor - 2, 3) : floor;
            if (floor >= 0) {
                const int cloneBound = clone ? difference + gain + 1 - floor : -Widest;
                const int jumpBound = jump ? difference + gain - jumpFloor : -Widest;
                const int bound = std::max(cloneBound, jumpBound);
                if (bound <= alpha) {
                    best = std::max(best, bound);
                    continue;
                }
            }
            if (clone) {
                const int value = -LeafValue({opponent, mover}, exactLeaves, -alpha);
                if (value > best) {
                    best = value;
                    if (best > alpha && (alpha = best) >= beta) {
                        m_killers[ply] = {NoCell, static_cast<int8_t>(to), 0, 0};
                        return best;
                    }
                }
            }
            if (!jump) continue;
            for (Bitboard sources = Hexagon.Ring2[to] & pos.Mine; sources; sources &= sources - 1) {
                const int from = LowestCell(sources);
                int value;
                if (jumpFloor >= 0 && difference + gain - jumpFloor <= alpha)
                    value = difference + gain - jumpFloor;
                else
                    value = -LeafValue({opponent, mover & ~CellBit(from)}, exactLeaves, -alpha);
                if (value > best) {
                    best = value;
                    if (best > alpha && (alpha = best) >= beta) {
                        m_killers[ply] = {static_cast<int8_t>(from), static_cast<int8_t>(to), 0, 0};
                        return best;
                    }
                }
            }
        }
    }
    return best;
}

// An inner node of Complete, Branch and Bound or Alpha-Beta (depth >= 1): fail-soft
// alpha-beta with principal-variation null windows. The value returned is exact when it
// lies strictly inside (alpha, beta), a lower bound when >= beta, an upper bound when <= alpha.
int SearchWorker::FullWidthNode(SidePosition pos, int depth, int alpha, int beta, int kind, int ply) {
    if (++m_nodes >= m_nextPoll) PollStop();
    if (m_aborted) return 0;
    if (depth == 1) return AboveLeaves(pos, alpha, beta, kind, ply);

    // Nodes of depth 2 are the most numerous that the table could hold, and their subtrees
    // are cheap: probing the table there costs more (a cache miss each) than it saves.
    const TranspositionTable::Probe probe = depth >= TableFromDepth
                                                ? m_table->Find(pos.Mine, pos.Theirs, kind, depth)
                                                : TranspositionTable::Probe{};
    if (int settled; SettledByTable(probe, alpha, beta, settled)) return settled;

    const Bitboard empty = m_playable & ~(pos.Mine | pos.Theirs);
    const int alphaAtStart = alpha;
    int best = -Widest;
    int bestFrom = NoCell;
    int bestTo = NoCell;
    int searched = 0;
    // Searches one move; true when it cuts the node off.
    auto search = [&](int from, int to, bool isFirst) {
        const SidePosition child = Play(pos, from, to);
        const int childKind = ChildKind(kind, isFirst);
        int value;
        if (depth == 2) {
            // A child above the leaves costs about one leaf whatever its window: searching it
            // with the full window spares the search again that a null window would need.
            ++m_nodes;
            value = -AboveLeaves(child, -beta, -alpha, childKind, ply + 1);
        } else if (searched++ == 0) {
            value = -FullWidthNode(child, depth - 1, -beta, -alpha, childKind, ply + 1);
        } else {
            value = -FullWidthNode(child, depth - 1, -alpha - 1, -alpha, childKind, ply + 1);
            if (value > alpha && value < beta && !m_aborted)
                value = -FullWidthNode(child, depth - 1, -beta, -alpha, childKind, ply + 1);
        }
        if (m_aborted) return true;
        if (value > best) {
            best = value;
            bestFrom = StoredFrom(from, to);
            bestTo = to;
            if (best > alpha) alpha = best;
        }
        return alpha >= beta;
    };

    // Stage 1. The move that was best here before, before any move is generated: it often
    // cuts the node off at once.
    const bool hinted = CanPlay(pos, empty, probe.HintFrom, probe.HintTo);
    if (hinted && search(probe.HintFrom, probe.HintTo, false))
        return Cutoff(pos, depth, kind, best, alphaAtStart, beta, bestFrom, bestTo, ply);

    // Stage 2. The move that refuted a sibling (the killer), if it is legal here.
    const TreeMove killer = m_killers[ply];
    const bool killerTried = !(hinted && killer.From == probe.HintFrom && killer.To == probe.HintTo) &&
                             CanPlay(pos, empty, killer.From, killer.To);
    if (killerTried && search(killer.From, killer.To, false))
        return Cutoff(pos, depth, kind, best, alphaAtStart, beta, bestFrom, bestTo, ply);

    // Stage 3. The clone of the best immediate gain, found from the clone targets alone.
    int greedyTo = NoCell;
    {
        int greedyCaptures = -1;
        for (Bitboard t = NearOf(pos.Mine) & empty; t; t &= t - 1) {
            const int to = LowestCell(t);
            const int captures = CaptureCount(to, pos.Theirs);
            if (captures > greedyCaptures) {
                greedyCaptures = captures;
                greedyTo = to;
            }
        }
        if ((hinted && probe.HintFrom == NoCell && probe.HintTo == greedyTo) ||
            (killerTried && killer.From == NoCell && killer.To == greedyTo))
            greedyTo = NoCell;
        if (greedyTo != NoCell && search(NoCell, greedyTo, false))
            return Cutoff(pos, depth, kind, best, alphaAtStart, beta, bestFrom, bestTo, ply);
    }

    // Stage 4. Every other move, the best immediate gain first; nodes of depth 2 take them in
    // the order generated, as nearly all of them search every move.
    TreeMove* moves = m_moves[ply].data();
    const bool markFirst = ChildKind(kind, true) != ChildKind(kind, false);
    const int count = GenerateFullWidth(pos, empty, markFirst, moves);
    if (count == 0) return TerminalExact(kind) ? TerminalScore(pos.Mine, pos.Theirs) : -Infinite;
    if (depth > 2) OrderMoves(moves, count);
    for (int i = 0; i < count; ++i) {
        const TreeMove& move = moves[i];
        if (hinted && !move.IsFirst && move.To == probe.HintTo && move.From == probe.HintFrom) continue;
        if (!move.IsFirst && move.From == NoCell && move.To == greedyTo) continue;
        if (killerTried && !move.IsFirst && move.To == killer.To && move.From == killer.From) continue;
        if (search(move.From, move.To, move.IsFirst))
            return Cutoff(pos, depth, kind, best, alphaAtStart, beta, bestFrom, bestTo, ply);
    }
    return Finish(pos, depth, kind, best, alphaAtStart, beta, bestFrom, bestTo);
}

// A move cut the node off: it becomes the killer of this ply, which its siblings try early.
int SearchWorker::Cutoff(SidePosition pos, int depth, int kind, int best, int alphaAtStart, int beta,
                         int bestFrom, int bestTo, int ply) {
    if (!m_aborted) m_killers[ply] = {static_cast<int8_t>(bestFrom), static_cast<int8_t>(bestTo), 0, 0};
    return Finish(pos, depth, kind, best, alphaAtStart, beta, bestFrom, bestTo);
}

int SearchWorker::Finish(SidePosition pos, int depth, int kind, int best, int alphaAtStart, int beta,
                         int bestFrom, int bestTo) {
    if (m_aborted) return 0;
    const int lower = best > alphaAtStart ? best : -Widest;
    const int upper = best < beta ? best : Widest;
    // Full-width nodes of depth 2 are not stored (see FullWidthNode); Home Made's all are.
    if (depth >= TableFromDepth || kind >= HomeMadeKindBase)
        m_table->Store(pos.Mine, pos.Theirs, kind, depth, lower, upper, bestFrom, bestTo);
    return best;
}

// An inner Home Made node (depth >= 1): alpha-beta over the kept candidates.
int SearchWorker::HomeMadeNode(SidePosition pos, int depth, int alpha, int beta, int ply) {
    if (++m_nodes >= m_nextPoll) PollStop();
    if (m_aborted) return 0;

    const int kind = HomeMadeKindBase + m_branch;
    const TranspositionTable::Probe probe = m_table->Find(pos.Mine, pos.Theirs, kind, depth);
    if (int settled; SettledByTable(probe, alpha, beta, settled)) return settled;

    const Bitboard empty = m_playable & ~(pos.Mine | pos.Theirs);
    TreeMove* moves = m_moves[ply].data();
    const int count = SelectHomeMade(pos, empty, moves);
    if (count == 0) return TerminalScore(pos.Mine, pos.Theirs);
    OrderWithHint(moves, count, probe.HintFrom, probe.HintTo);
    if (depth == 1) m_nodes += count;

    const int alphaAtStart = alpha;
    int best = -Widest;
    int bestFrom = NoCell;
    int bestTo = NoCell;
    Bitboard clonesSearched = 0;
    for (int i = 0; i < count; ++i) {
        const TreeMove& move = moves[i];
        // Clones to one cell from several pieces lead to one position.
        if (move.From == NoCell) {
            if (clonesSearched & CellBit(move.To)) continue;
            clonesSearched |= CellBit(move.To);
        }
        const SidePosition child = Play(pos, move.From, move.To);
        int value;
        if (depth == 1) {
            // The futility bound of the full-width nodes above leaves, move by move.
            const int floor =
                ReplyFloor(child.Mine, child.Theirs, m_playable & ~(child.Mine | child.Theirs), move.To);
            const int bound = PopCount(pos.Mine) - PopCount(pos.Theirs) + move.Gain - floor;
            value = floor >= 0 && bound <= alpha ? bound : -LeafValue(child, true, -alpha);
        } else if (i == 0) {
            value = -HomeMadeNode(child, depth - 1, -beta, -alpha, ply + 1);
        } else {
            value = -HomeMadeNode(child, depth - 1, -alpha - 1, -alpha, ply + 1);
            if (value > alpha && value < beta && !m_aborted)
                value = -HomeMadeNode(child, depth - 1, -beta, -alpha, ply + 1);
        }
        if (m_aborted) return 0;
        if (value > best) {
            best = value;
            bestFrom = move.From;
            bestTo = move.To;
            if (best > alpha) {
                alpha = best;
                if (alpha >= beta) break;
            }
        }
    }

    return Finish(pos, depth, kind, best, alphaAtStart, beta, bestFrom, bestTo);
}
