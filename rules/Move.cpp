#include "rules/Move.h"

#include "rules/MoveOffsets.h"

Captures CapturedCells(const ValueGrid& grid, CellPos to, int opponent) {
    Captures captures;
    for (int k = 0; k < NeighbourCount; ++k) {
        const int row = to.Row + MoveOffsets[k].dRow;
        const int col = to.Col + MoveOffsets[k].dCol;
        if (CellValid(row, col) && grid(row, col) == opponent) captures.Cells[captures.Count++] = {row, col};
    }
    return captures;
}

bool IsLegalMove(const ValueGrid& grid, const Move& move, int player) {
    if (!CellValid(move.FromRow, move.FromCol) || grid(move.FromRow, move.FromCol) != player) return false;
    if (!CellValid(move.ToRow, move.ToCol) || grid(move.ToRow, move.ToCol) != Empty) return false;
    const int dRow = move.ToRow - move.FromRow;
    const int dCol = move.ToCol - move.FromCol;
    for (int j = 0; j < static_cast<int>(MoveOffsets.size()); ++j)
        if (MoveOffsets[j].dRow == dRow && MoveOffsets[j].dCol == dCol)
            return move.Clone == (j < NeighbourCount);
    return false;
}

bool HasLegalMove(const ValueGrid& grid, int player) {
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            if (grid(row, col) != player) continue;
            for (const Offset& offset : MoveOffsets) {
                const int toRow = row + offset.dRow;
                const int toCol = col + offset.dCol;
                if (CellValid(toRow, toCol) && grid(toRow, toCol) == Empty) return true;
            }
        }
    return false;
}

Captures ApplyMoveToGrid(const ValueGrid& source, ValueGrid& target, const Move& move, int mover,
                         int opponent) {
    CopyGrid(source, target);
    if (!move.Clone) target(move.FromRow, move.FromCol) = Empty;
    target(move.ToRow, move.ToCol) = mover;
    const Captures captures = CapturedCells(target, {move.ToRow, move.ToCol}, opponent);
    for (int i = 0; i < captures.Count; ++i)
        target(captures.Cells[i].Row, captures.Cells[i].Col) = mover;
    return captures;
}
