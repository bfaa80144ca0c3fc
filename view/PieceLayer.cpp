#include "view/PieceLayer.h"

#include <utility>

#include "view/PieceObject.h"

PieceObject* PieceLayer::At(int row, int col) const {
    return Inside(row, col) ? m_pieces[(row - 1) * 9 + (col - 1)] : nullptr;
}

void PieceLayer::Put(int row, int col, PieceObject* piece) {
    if (!Inside(row, col)) return;
    delete std::exchange(Slot(row, col), piece);
}

void PieceLayer::Move(int fromRow, int fromCol, int toRow, int toCol) {
    if (!Inside(fromRow, fromCol) || !Inside(toRow, toCol)) return;
    Put(toRow, toCol, std::exchange(Slot(fromRow, fromCol), nullptr));
}

void PieceLayer::Clear() {
    for (PieceObject*& piece : m_pieces)
        delete std::exchange(piece, nullptr);
}
