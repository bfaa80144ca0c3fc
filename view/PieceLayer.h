#pragma once

#include <array>
#include <vector>

class PieceObject;

// The piece objects that show the board's pieces, one for each occupied cell of rows and
// columns 1 to 9. The rules keep the cells' values; this keeps what shows them on the surface.
// A piece taken off the board is hidden and kept for the next piece to be shown, instead of
// deleted: a game makes and clears some sixty pieces, and over hours of play making them anew
// each time left the heap ever more fragmented. The objects are children of the board
// surface, which deletes them, kept ones too.
class PieceLayer {
  public:
    // The piece on a cell, or none (also outside rows and columns 1 to 9).
    PieceObject* At(int row, int col) const;
    // The cell's piece becomes `piece`; a piece the cell had is hidden and kept.
    void Put(int row, int col, PieceObject* piece);
    // The piece of one cell moves to another, whose piece, if any, is hidden and kept.
    void Move(int fromRow, int fromCol, int toRow, int toCol);
    // Hides and keeps every piece.
    void Clear();
    // A kept piece for a cell to show, or none when every piece is on the board.
    PieceObject* TakeKept();

  private:
    static bool Inside(int row, int col) { return row >= 1 && row <= 9 && col >= 1 && col <= 9; }
    PieceObject*& Slot(int row, int col) { return m_pieces[(row - 1) * 9 + (col - 1)]; }

    void Keep(PieceObject* piece);

    std::array<PieceObject*, 81> m_pieces{};
    std::vector<PieceObject*> m_kept;
};
