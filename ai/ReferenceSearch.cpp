#include "ai/ReferenceSearch.h"

#include "ai/CandidateList.h"
#include "rules/LegalMoves.h"
#include "rules/MoveOffsets.h"

namespace reference {

namespace {

struct PieceCounts {
    int Mine = 0;
    int Theirs = 0;
};

PieceCounts CountPieces(const ValueGrid& grid, int side, int opponent) {
    PieceCounts counts;
    for (int32_t value : grid.Cells) {
        if (value == side)
            ++counts.Mine;
        else if (value == opponent)
            ++counts.Theirs;
    }
    return counts;
}

} // namespace

int FullWidthSearch(const ValueGrid& grid, int side, int depth, int bound, int alpha, int beta, Move& move,
                    bool& noMove, const SearchRequest& request) {
    // Opponent, starting best, piece counts.
    const int opponent = OtherPlayer(side);
    const int algo = request.Settings.Algo;
    const bool topLevel = depth == request.Settings.Level;
    int best = algo == AlphaBeta ? alpha : -1000;
    const PieceCounts counts = CountPieces(grid, side, opponent);

    // The progress bar counts the own pieces of the root.
    if (topLevel && request.Progress) request.Progress->SetMaximum(counts.Mine);

    ValueGrid child;
    bool cut = false;
    // Own pieces in row-major order, each with its 18 targets in offset order.
    for (int row = 1; row <= 9 && counts.Mine > 0 && !cut; ++row) {
        for (int col = 1; col <= 9 && !cut; ++col) {
            if (grid(row, col) != side) continue;
            // Report the step; a stop request abandons the search unwritten.
            if (topLevel && request.Progress && request.Progress->Step()) return best;
            for (int j = 0; j < static_cast<int>(MoveOffsets.size()); ++j) {
                // Only empty cells of the board are targets.
                const int toRow = row + MoveOffsets[j].dRow;
                const int toCol = col + MoveOffsets[j].dCol;
                if (!CellValid(toRow, toCol) || grid(toRow, toCol) != Empty) continue;
                const bool clone = j < NeighbourCount;
                // The move itself.
                int mine = counts.Mine;
                int theirs = counts.Theirs;
                if (depth > 0) CopyGrid(grid, child);
                if (clone) {
                    ++mine;
                } else if (depth > 0) {
                    child(row, col) = Empty;
                }
                if (depth > 0) child(toRow, toCol) = side;
                // Captures, judged on the parent grid.
                for (int k = 0; k < NeighbourCount; ++k) {
                    const int nRow = toRow + MoveOffsets[k].dRow;
                    const int nCol = toCol + MoveOffsets[k].dCol;
                    if (CellValid(nRow, nCol) && grid(nRow, nCol) == opponent) {
                        if (depth > 0) child(nRow, nCol) = side;
                        ++mine;
                        --theirs;
                    }
                }
                // Score the move, by counts or by the opponent's best reply.
                int value;
                if (depth > 0) {
                    Move scratchMove;
                    bool scratchNoMove = false;
                    value = -FullWidthSearch(child, opponent, depth - 1, -best, -beta, -best, scratchMove,
                                             scratchNoMove, request);
                } else {
                    value = mine - theirs;
                }
                // Only a strictly better move replaces the best: the first generated wins ties.
                if (value > best) {
                    move = {row, col, toRow, toCol, clone};
                    best = value;
                }
                // Cut-offs of Branch and Bound and Alpha-Beta.
                if ((algo == BranchAndBound && best >= bound) || (algo == AlphaBeta && best >= beta)) {
                    cut = true;
                    break;
                }
            }
        }
    }

    // A node without moves is scored by its piece difference.
    noMove = best == -1000;
    if (best == -1000) best = 10 * (counts.Mine - counts.Theirs);
    return best;
}

int HomeMadeSearch(const ValueGrid& grid, int side, int depth, Move& move, bool& noMove,
                   const SearchRequest& request) {
    // Empty candidate list of N slots, piece counts.
    const int opponent = OtherPlayer(side);
    const int n = ClampBranch(request.Settings.Branch);
    const bool topLevel = depth == request.Settings.Level;
    CandidateList list{};
    const PieceCounts counts = CountPieces(grid, side, opponent);

    // Score every legal move by its one-ply count and offer it to the list.
    if (counts.Mine > 0) {
        for (const Move& move : LegalMoves(grid, side)) {
            const int captured = CapturedCells(grid, {move.ToRow, move.ToCol}, opponent).Count;
            const int value = counts.Mine - counts.Theirs + (move.Clone ? 1 : 0) + 2 * captured;
            InsertCandidate(list, {move.FromRow, move.FromCol, move.ToRow, move.ToCol, value, move.Clone}, n);
        }
    }

    // The progress bar counts the candidate slots of the root.
    if (topLevel && request.Progress) request.Progress->SetMaximum(n);

    // Deepen every kept candidate; the lowest slot wins ties.
    int best = -1000;
    int bestSlot = 0;
    ValueGrid child;
    for (int k = 0; k < n; ++k) {
        if (topLevel && request.Progress && request.Progress->Step()) return best;
        int value;
        if (depth > 0 && list[k].Value > -1000) {
            ApplyMoveToGrid(grid, child, list[k].AsMove(), side, opponent);
            Move scratchMove;
            bool scratchNoMove = false;
            value = -HomeMadeSearch(child, opponent, depth - 1, scratchMove, scratchNoMove, request);
        } else {
            value = list[k].Value;
        }
        if (value > best) {
            best = value;
            bestSlot = k;
        }
    }

    // The best slot's move; a node without moves is scored by its piece difference.
    move = list[bestSlot].AsMove();
    noMove = best == -1000;
    if (best == -1000) best = 10 * (counts.Mine - counts.Theirs);
    return best;
}

} // namespace reference
