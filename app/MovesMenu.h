#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstddef>
#include <filesystem>
#include <optional>

#include "rules/GameRecord.h"

class QAction;
class QMenu;
class QPainter;
class PieceObject;
class TForm1;
class TMoveList;
class THowToPlay;
struct SavedGame;

// The outline of the last move's two cells: green, apart from the red and yellow lights.
inline const QColor LastMoveOutlineColor(0, 230, 0);

// The Moves menu of the main window: the game's record with Undo and Redo, the move list,
// hints, the last move's outline, saving, opening and resuming games, and the rules window.
// The window tells it of every placed layout, played move, emptied board and ended game;
// it sets positions on the window's board without animation.
class TMovesMenu final : public QObject {
    Q_OBJECT
  public:
    explicit TMovesMenu(TForm1& form);
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

    // What the window reports.
    void GameStarted();
    void MovePlayed(const Move& move);
    void BoardEmptied();
    void GameEnded();
    void PlayersChanged();
    void PaintOverlay(QPainter& painter) const;

    // The directory of the settings file: an unfinished game is kept there at close.
    void SetStoreDirectory(const std::filesystem::path& directory);
    std::filesystem::path LastGameFile() const;
    // At close: keeps an unfinished local game for Resume Last Game. When this run played a
    // local game and none is unfinished, the kept one is forgotten; a run that played no
    // game leaves it for the next.
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

    const GameRecord& record() const { return m_record; }
    // The record follows the game on the board (or the game that just ended).
    bool RecordLive() const { return m_active || m_ended; }
    // The ended game's final position is on the board, the game over (Undo after the result
    // of a game in which no person was ever to move).
    bool FinalPositionShown() const { return m_final; }
    // The hint on show, if any.
    std::optional<Move> shownHint() const { return m_hint; }
    TMoveList* moveList() const { return m_moveList; }

    // Enables the items for the game's state.
    void Refresh();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool MayBrowse() const;
    bool IsStop(std::size_t ply) const;
    std::optional<std::size_t> UndoTarget() const;
    std::optional<std::size_t> RedoTarget() const;
    bool MayHint() const;
    bool MaySaveOrOpen() const;
    void ShowPosition();
    void ShowFinalPosition();
    void ContinueGame();
    void LoadGame(SavedGame game);
    void ClearHint();
    void Changed();

    TForm1& m_form;
    GameRecord m_record;
    int m_variant = 1;
    bool m_active = false;        // the record follows the running game
    bool m_ended = false;         // the record holds a game that ended with its result
    bool m_endable = false;       // the record was live when the board was last emptied
    bool m_final = false;         // the ended game's final position is shown, the game over
    bool m_playedLocally = false; // a local game was started, opened or resumed in this run
    std::optional<Move> m_hint;
    QPointer<PieceObject> m_hintPiece; // followed by the object: it may move or go
    std::filesystem::path m_storeDirectory;
    TMoveList* m_moveList = nullptr;
    THowToPlay* m_howToPlay = nullptr;
};
