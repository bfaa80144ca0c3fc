#include "rules/LegalMoves.h"

#include "rules/MoveOffsets.h"

std::vector<Move> LegalMoves(const ValueGrid& grid, int side) {
    std::vector<Move> moves;
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            if (grid(row, col) != side) continue;
            for (int j = 0; j < static_cast<int>(MoveOffsets.size()); ++j) {
                const int toRow = row + MoveOffsets[j].dRow;
                const int toCol = col + MoveOffsets[j].dCol;
                if (CellValid(toRow, toCol) && grid(toRow, toCol) == Empty)
                    moves.push_back({row, col, toRow, toCol, j < NeighbourCount});
            }
        }
    return moves;
}
