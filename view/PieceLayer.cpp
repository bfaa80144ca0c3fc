#include "view/PieceLayer.h"

#include <utility>

#include "view/PieceObject.h"

PieceObject* PieceLayer::At(int row, int col) const {
    return Inside(row, col) ? m_pieces[(row - 1) * 9 + (col - 1)] : nullptr;
}

void PieceLayer::Put(int row, int col, PieceObject* piece) {
    if (!Inside(row, col)) return;
    Keep(std::exchange(Slot(row, col), piece));
}

void PieceLayer::Move(int fromRow, int fromCol, int toRow, int toCol) {
    if (!Inside(fromRow, fromCol) || !Inside(toRow, toCol)) return;
    Put(toRow, toCol, std::exchange(Slot(fromRow, fromCol), nullptr));
}

void PieceLayer::Clear() {
    for (PieceObject*& piece : m_pieces)
        Keep(std::exchange(piece, nullptr));
}

PieceObject* PieceLayer::TakeKept() {
    if (m_kept.empty()) return nullptr;
    PieceObject* piece = m_kept.back();
    m_kept.pop_back();
    return piece;
}

void PieceLayer::Keep(PieceObject* piece) {
    if (!piece) return;
    piece->hide();
    m_kept.push_back(piece);
}
