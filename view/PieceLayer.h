#pragma once

#include <array>

class PieceObject;

// The piece objects that show the board's pieces, one for each occupied cell of rows and
// columns 1 to 9. The rules keep the cells' values; this keeps what shows them on the surface.
// The objects are children of the board surface, which deletes what is left of them.
class PieceLayer {
  public:
    // The piece on a cell, or none (also outside rows and columns 1 to 9).
    PieceObject* At(int row, int col) const;
    // The cell's piece becomes `piece`; a piece the cell had is deleted.
    void Put(int row, int col, PieceObject* piece);
    // The piece of one cell moves to another, whose piece, if any, is deleted.
    void Move(int fromRow, int fromCol, int toRow, int toCol);
    // Deletes every piece.
    void Clear();

  private:
    static bool Inside(int row, int col) { return row >= 1 && row <= 9 && col >= 1 && col <= 9; }
    PieceObject*& Slot(int row, int col) { return m_pieces[(row - 1) * 9 + (col - 1)]; }

    std::array<PieceObject*, 81> m_pieces{};
};
