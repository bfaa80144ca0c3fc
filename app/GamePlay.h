#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/MovesMenuHost.h"
#include "net/ReceivedMove.h"

class BoardView;
class Game;
class NetworkGame;
class PieceObject;
class Platform;
class QProgressBar;
class QString;
class SearchJob;
class TMovesMenu;
struct PlayerConfig;

// Plays the game on the board for the main window: the layout placed and the board emptied,
// the player's moves with the mouse, the computer's turns on their worker, the moves of a
// network peer, the end test and the result. It keeps the game's names for each step; the
// game model judges and applies, the board view shows, and this decides what comes next.
class GamePlay final : public MovesMenuHost {
  public:
    GamePlay(Game& game, BoardView& view, Platform& platform, PlayerConfig& players);

    // Made by the window after the game's play: the bar the searches report on, the Moves
    // menu that hears of every change, and the network play that gets the local moves.
    QProgressBar* ProgressBar = nullptr;
    TMovesMenu* Moves = nullptr;
    NetworkGame* Network = nullptr;

    // The window's settings of play, under the names the window gives them.
    int ChosenVariant = 1;
    bool SoundOn = false;
    int AnimDelay = 10;
    // A computer turn is searching (the mouse waits), and the searches are asked to stop.
    bool ComputerBusy = false;
    bool StopSearch = false;

    // The board.
    void MettreLesPions();
    void VideDamier();
    void CreatePion(int fromRow, int fromCol, int row, int col, int owner);
    // Plays a move of the player to move of the kind in CloneMove (the view's pending kind).
    bool PlayMove(int fromRow, int fromCol, int toRow, int toCol);

    // A new local game: placed afresh, then the computer's turns if it plays first.
    void StartLocalGame();
    // A new game with the network peer: the starting position, player 1 to move.
    void BeginNetworkGame();
    // The moves of the mouse and of the network peer.
    void Shape1MouseDown(PieceObject* piece);
    void FormMouseMove(int x, int y);
    void FormMouseDown();
    ReceiveSituation Situation() const;
    void PlayReceivedMove(const Move& move);
    // A key on the board: the arrows move the cursor, Space or Return act on its cell as a
    // click there would, Escape drops the selection, and four digits typed (spaces and dashes
    // between them allowed) play that move as the mouse would. False for any other key.
    bool BoardKeyPress(int key, const QString& text);

    // Turns and the end of the game.
    void ComputerTurn();
    void IsItTheEnd();
    void FinJeu();

    // The window closes: every search gives up and no turn starts again.
    void Close();

    // What the Moves menu asks.
    PlayerConfig& Players() override { return m_players; }
    bool Closing() const override { return m_closing; }
    bool ComputerThinking() const override { return ComputerBusy || m_replaying; }
    void EmptyBoard() override;
    void ContinueGame() override;
    void Replay(const std::vector<Move>& moves, std::function<int()> pace,
                std::function<void()> atEnd) override;
    bool Replaying() const override { return m_replaying; }
    bool MayPause() const override;
    bool Paused() const override { return m_paused; }
    void SetPaused(bool paused) override { m_paused = paused; }

  private:
    void FollowCursor();
    void ActivateCursor();
    void DropSelection();
    void PlayTypedMove(const std::string& digits);
    // A loop of computer turns waits here while paused; false when its game is gone.
    bool WaitWhilePaused(uint64_t game);
    bool TurnStillValid(uint64_t boardGeneration) const;
    void StopSearches();

    Game& m_game;
    BoardView& m_view;
    Platform& m_platform;
    PlayerConfig& m_players;
    // Counts the emptyings of the board: a turn or a loop of turns started before the
    // latest one belongs to a game that is gone.
    uint64_t m_boardGeneration = 0;
    bool m_closing = false;
    std::vector<SearchJob*> m_runningSearches;
    // The digits of a move being typed.
    std::string m_typed;
    bool m_replaying = false;
    bool m_paused = false;
};
