#pragma once

#include <QObject>
#include <cstddef>
#include <filesystem>
#include <optional>

#include "rules/Game.h"

class QAction;
class QMainWindow;
class QMenu;
class BoardView;
class GameAnalysis;
class MovesMenuHost;
class Platform;
class TMoveList;
class THowToPlay;
struct SavedGame;

// The Moves menu of the main window: Undo and Redo through the game's record, the move list,
// hints, the last move's outline, saving, opening and resuming games, and the rules window.
// It reads and sets the game through the game model and shows positions through the board
// view, without animation; the window tells it when the game changed.
class TMovesMenu final : public QObject {
    Q_OBJECT
  public:
    // The menu goes on the window's menu bar before `before`.
    TMovesMenu(QMainWindow& window, QMenu* before, MovesMenuHost& host, Platform& platform, Game& game,
               BoardView& view);
    ~TMovesMenu() override;

    QMenu* Moves1;
    QAction* Undo1;
    QAction* Redo1;
    QAction* MoveList1;
    QAction* Hint1;
    QAction* ShowLastMove1;
    QAction* SaveGame1;
    QAction* OpenGame1;
    QAction* ResumeLastGame1;
    QAction* HowToPlay1;

    // What the window reports: a layout was placed and its record started; the game changed
    // in any other way (a move, an emptied board, a result); the players changed.
    void GameStarted();
    void GameChanged();
    void PlayersChanged();

    // The directory of the settings file: an unfinished game is kept there at close.
    void SetStoreDirectory(const std::filesystem::path& directory);
    std::filesystem::path LastGameFile() const;
    // At close: keeps an unfinished local game for Resume Last Game, or says in a box why it
    // could not. When this run played a local game and none is unfinished, the kept one is
    // forgotten; a run that played no game leaves it for the next.
    void KeepForResume();

    bool ShowLastMove() const;
    void SetShowLastMove(bool on);

    // The commands.
    void Undo1Click();
    void Redo1Click();
    void Hint1Click();
    void SaveGame1Click();
    void OpenGame1Click();
    void ResumeLastGame1Click();
    void HowToPlay1Click();
    // Goes to the position after `ply` moves (0 the start), as Undo and Redo do.
    void GoToPly(std::size_t ply);
    // The Move List's Replay and Pause.
    void ReplayClick();
    void PauseClick();

    const GameRecord& record() const { return m_game.record(); }
    bool RecordLive() const { return m_game.RecordLive(); }
    bool FinalPositionShown() const { return m_game.FinalPositionShown(); }
    std::optional<Move> shownHint() const;
    TMoveList* moveList() const { return m_moveList; }
    GameAnalysis* analysis() const { return m_analysis; }

    // Enables the items for the game's state.
    void Refresh();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool MayBrowse() const;
    bool MayHint() const;
    bool MaySaveOrOpen() const;
    void ShowPosition(std::size_t ply);
    void ShowFinalPosition();
    void LoadGame(SavedGame game);
    std::optional<Move> LastMoveShown() const;
    // The game in the Move List is reviewed while the list is on show.
    void ReviewShownGame();

    QMainWindow& m_window;
    MovesMenuHost& m_host;
    Platform& m_platform;
    Game& m_game;
    BoardView& m_view;
    bool m_playedLocally = false; // a local game was started, opened or resumed in this run
    std::filesystem::path m_storeDirectory;
    TMoveList* m_moveList = nullptr;
    GameAnalysis* m_analysis = nullptr;
    THowToPlay* m_howToPlay = nullptr;
};
