#pragma once

#include <cstddef>
#include <optional>
#include <span>

#include "rules/Board.h"
#include "rules/GameRecord.h"
#include "rules/Move.h"

// One game as the program plays it: the board's values, whose turn it is, whether a game
// runs, and the record of its moves with Undo and Redo. The window, the Moves menu, the
// network receiver and the computer turn all play through it, and every move is judged and
// applied here, once; the board on screen only shows it.
class Game {
  public:
    Game();

    // The player to move and whether a game runs. The window shows them under the names
    // CurrentPlayer and GameRunning, and sets them as the game's steps require (the end of
    // the game hands the turn over for the fill).
    int ToMove = 1;
    bool Running = false;

    const ::Board& board() const { return m_board; }
    ValueGrid Grid() const { return CopyToValueGrid(m_board); }
    GamePosition Position() const { return {Grid(), ToMove}; }

    // Pieces put and taken outside of moves: a layout's values, one piece of the placement or
    // of the end-of-game fill, an emptied board (every piece goes; a record that followed the
    // game becomes the one the result may end).
    void WriteLayout(int variant);
    void Place(int row, int col, int owner);
    void Clear();

    // Judges a move of ToMove and, when legal, applies it: the destination gets the mover, a
    // jump empties its origin, and the opponent's pieces around the destination become the
    // mover's. The turn passes and a record that follows the game keeps the move. The result
    // is the converted cells in the order of the move offsets, for the animation and the
    // sounds; nothing for an illegal move, which changes nothing.
    std::optional<Captures> Play(const Move& move);

    // The record. It follows the game from a started layout while every move goes through
    // Play; a board that parted from it (a position set by hand) ends that.
    void StartRecord(int variant);
    // The game ended with its result: the record it followed is kept as ended.
    void EndRecord();
    // New players: an ended game is theirs no more.
    void ForgetEnded();
    // A record from elsewhere (a saved game), shown at its cursor by ShowRecordAt.
    void TakeRecord(GameRecord record, int variant);
    // The position after `ply` kept moves, as a running game that the record follows again.
    void ShowRecordAt(std::size_t ply);
    // The ended game's final position, the game over.
    void ShowFinalPosition();

    const GameRecord& record() const { return m_record; }
    int RecordVariant() const { return m_variant; }
    // The record follows the game on the board.
    bool RecordFollows() const { return m_following; }
    // The record follows the game on the board or holds the game that just ended.
    bool RecordLive() const { return m_following || m_ended; }
    bool RecordEnded() const { return m_ended; }
    bool FinalPositionShown() const { return m_final; }

    // Where Undo and Redo go: the nearest position, back or forward, where a person is to
    // move, or the last one kept. In a game against the computer, Undo thus takes back the
    // computer's reply with the move; after the result of a game in which no person was to
    // move, Undo brings back its final position. `isComputer` is indexed by player 1 and 2.
    std::optional<std::size_t> UndoTarget(std::span<const bool, 3> isComputer) const;
    std::optional<std::size_t> RedoTarget(std::span<const bool, 3> isComputer) const;

  private:
    bool IsStop(std::size_t ply, std::span<const bool, 3> isComputer) const;

    ::Board m_board;
    GameRecord m_record;
    int m_variant = 1;
    bool m_following = false; // the record follows the game on the board
    bool m_ended = false;     // the record holds a game that ended with its result
    bool m_endable = false;   // the record followed the game when the board was last emptied
    bool m_final = false;     // the ended game's final position is shown, the game over
};
