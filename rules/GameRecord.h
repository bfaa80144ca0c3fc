#pragma once

#include <cstddef>
#include <vector>

#include "rules/Move.h"
#include "rules/ValueGrid.h"

// A position of a game: the cell values and the player to move. The scores are the piece
// counts of the grid.
struct GamePosition {
    ValueGrid Grid{};
    int ToMove = 1;
    friend bool operator==(const GamePosition&, const GamePosition&) = default;
};

int PieceCount(const ValueGrid& grid, int player);

// The moves of one game and the position after each of them, with a cursor that Undo and
// Redo move through them. Every move is checked and applied by the rules, so the positions
// are always a replay of the moves from the start.
class GameRecord {
  public:
    GameRecord() = default;
    explicit GameRecord(const GamePosition& start);

    // Plays `move` for the side to move at the cursor. A move that differs from the next kept
    // one drops the kept moves after the cursor; the same move keeps them (it is a Redo).
    // An illegal move changes nothing and gives false.
    bool Play(const Move& move);
    // Keeps `move` and the position `after` it, for a move its caller has already judged and
    // applied to the position at the cursor; the kept moves are treated as by Play.
    void Add(const Move& move, const GamePosition& after);

    // The number of moves kept, and how many of them lead to the position shown.
    std::size_t Size() const { return m_moves.size(); }
    std::size_t Cursor() const { return m_cursor; }
    bool CanUndo() const { return m_cursor > 0; }
    bool CanRedo() const { return m_cursor < m_moves.size(); }
    // Moves the cursor to `ply` (0 is the start, Size() the last kept move); beyond is ignored.
    void GoTo(std::size_t ply);

    const std::vector<Move>& Moves() const { return m_moves; }
    const GamePosition& Current() const { return m_positions[m_cursor]; }
    const GamePosition& At(std::size_t ply) const { return m_positions[ply]; }
    const GamePosition& Start() const { return m_positions.front(); }

  private:
    std::vector<Move> m_moves;
    std::vector<GamePosition> m_positions{GamePosition{}}; // one more than the moves
    std::size_t m_cursor = 0;
};
