#include "rules/Game.h"

#include <utility>

#include "rules/Layouts.h"

Game::Game() {
    InitBoard(m_board);
}

void Game::WriteLayout(int variant) {
    ::WriteLayout(m_board, variant);
}

void Game::Place(int row, int col, int owner) {
    if (CellValid(row, col)) m_board(row, col).Value = owner;
}

void Game::Clear() {
    for (Cell& cell : m_board.Cells)
        if (cell.Value == Player1 || cell.Value == Player2) cell.Value = Empty;
    m_endable = m_following;
    m_following = false;
    m_ended = false;
    m_final = false;
}

std::optional<Captures> Game::Play(const Move& move) {
    const GamePosition before = Position();
    if (!IsLegalMove(before.Grid, move, before.ToMove)) return std::nullopt;
    // A record that does not stand where the board stands no longer follows the game.
    if (m_following && m_record.Current() != before) m_following = false;

    GamePosition after{{}, OtherPlayer(before.ToMove)};
    const Captures captures = ApplyMoveToGrid(before.Grid, after.Grid, move, before.ToMove, after.ToMove);
    CopyFromValueGrid(after.Grid, m_board);
    ToMove = after.ToMove;
    if (m_following) m_record.Add(move, after);
    return captures;
}

void Game::StartRecord(int variant) {
    m_record = GameRecord(GamePosition{Grid(), 1});
    m_variant = variant;
    m_following = true;
    m_ended = false;
    m_final = false;
}

void Game::EndRecord() {
    m_ended = m_endable;
}

void Game::ForgetEnded() {
    m_ended = false;
}

void Game::TakeRecord(GameRecord record, int variant) {
    m_record = std::move(record);
    m_variant = variant;
}

void Game::ShowRecordAt(std::size_t ply) {
    m_record.GoTo(ply);
    const GamePosition& position = m_record.Current();
    CopyFromValueGrid(position.Grid, m_board);
    ToMove = position.ToMove;
    Running = true;
    m_following = true;
    m_ended = false;
    m_final = false;
}

void Game::ShowFinalPosition() {
    ShowRecordAt(m_record.Size());
    Running = false;
    m_ended = true;
    m_final = true;
}

bool Game::IsStop(std::size_t ply, std::span<const bool, 3> isComputer) const {
    return ply == m_record.Size() || !isComputer[m_record.At(ply).ToMove];
}

std::optional<std::size_t> Game::UndoTarget(std::span<const bool, 3> isComputer) const {
    for (std::size_t ply = m_record.Cursor(); ply-- > 0;)
        if (IsStop(ply, isComputer)) return ply;
    if (m_ended && !m_final && m_record.Size() > 0) return m_record.Size();
    return std::nullopt;
}

std::optional<std::size_t> Game::RedoTarget(std::span<const bool, 3> isComputer) const {
    if (m_ended) return std::nullopt;
    for (std::size_t ply = m_record.Cursor() + 1; ply <= m_record.Size(); ++ply)
        if (IsStop(ply, isComputer)) return ply;
    return std::nullopt;
}
