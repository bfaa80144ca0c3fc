#pragma once

#include <functional>
#include <vector>

#include "rules/Move.h"

struct PlayerConfig;

// What the Moves menu asks of the window that runs the game; the game itself it reads and
// sets through the game model, and the board through the board view.
class MovesMenuHost {
  public:
    virtual ~MovesMenuHost() = default;

    // The players. An opened game's players take over, as if chosen in the Players dialog.
    virtual PlayerConfig& Players() = 0;
    // The window is closing: nothing may start.
    virtual bool Closing() const = 0;
    // A computer turn is searching, or a replay plays: the board is not the player's.
    virtual bool ComputerThinking() const = 0;
    // Ends the game on the board: GameRunning false and the board emptied (VideDamier), which
    // stops a running search and drops its move.
    virtual void EmptyBoard() = 0;
    // The game goes on from the position shown: computer players move, then the end test runs
    // for the player to move, as after a move with the mouse.
    virtual void ContinueGame() = 0;
    // Plays `moves` from the position on show, one every pace() milliseconds, as they were
    // played; `atEnd` follows unless the game changed meanwhile.
    virtual void Replay(const std::vector<Move>& moves, std::function<int()> pace,
                        std::function<void()> atEnd) = 0;
    virtual bool Replaying() const = 0;
    // Pause holds a replay or a game of two computers between two moves.
    virtual bool MayPause() const = 0;
    virtual bool Paused() const = 0;
    virtual void SetPaused(bool paused) = 0;
};
