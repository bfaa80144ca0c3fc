#include "rules/GameRecord.h"

int PieceCount(const ValueGrid& grid, int player) {
    int count = 0;
    for (int32_t value : grid.Cells)
        count += value == player ? 1 : 0;
    return count;
}

GameRecord::GameRecord(const GamePosition& start) : m_positions{start} {}

bool GameRecord::Play(const Move& move) {
    const GamePosition& from = Current();
    if (!IsLegalMove(from.Grid, move, from.ToMove)) return false;
    GamePosition next;
    ApplyMoveToGrid(from.Grid, next.Grid, move, from.ToMove, OtherPlayer(from.ToMove));
    next.ToMove = OtherPlayer(from.ToMove);
    Add(move, next);
    return true;
}

void GameRecord::Add(const Move& move, const GamePosition& after) {
    if (m_cursor < m_moves.size() && m_moves[m_cursor] == move) {
        ++m_cursor;
        return;
    }
    m_moves.resize(m_cursor);
    m_positions.resize(m_cursor + 1);
    m_moves.push_back(move);
    m_positions.push_back(after);
    ++m_cursor;
}

void GameRecord::GoTo(std::size_t ply) {
    if (ply <= m_moves.size()) m_cursor = ply;
}
