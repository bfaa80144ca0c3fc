#pragma once

#include <QStringList>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "ai/MoveReview.h"

class GameRecord;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class ReviewGraph;

// The side window of Moves > Move List: the review graph of the game, each player's losses,
// and the game's moves in their line notation, numbered, with the player who made each and,
// once reviewed, the move's loss and mark ("-2 ?!"). Its first line is the start. The line of the
// position on the board is selected; moves that Redo would bring back are greyed. Clicking a
// line or a point of the graph asks for the position after that move. Below, Replay plays the
// game again from its start at the pace chosen, and Pause holds a replay or a game of two
// computers.
class TMoveList final : public QWidget {
    Q_OBJECT
  public:
    explicit TMoveList(QWidget* owner);

    // Shows the record's moves; a record that no longer follows a game is shown empty.
    void Show(const GameRecord& record, bool live);
    // Shows what the review found so far, one entry a move of the record shown.
    void ShowReview(const std::vector<std::optional<MoveReview>>& reviews);
    // Shows or hides the window, beside the main window the first time.
    void ShowBeside(const QWidget& mainWindow, bool visible);
    // Replay and Pause as the game allows; Pause reads Resume while held.
    void ShowPlayControls(bool mayReplay, bool mayPause, bool paused);
    // The pace of a replay, in milliseconds a move.
    int PaceMilliseconds() const;

    ReviewGraph* Graph;
    QLabel* Summary;
    QListWidget* Lines;
    QSpinBox* Level;
    QPushButton* Replay;
    QDoubleSpinBox* Pace;
    QPushButton* Pause;
    std::function<void(std::size_t)> OnChoose;
    std::function<void()> OnClosed;
    std::function<void()> OnReplay;
    std::function<void()> OnPause;
    std::function<void(int)> OnLevel;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QStringList m_lines; // the moves' lines without their review
    std::size_t m_cursor = 0;
    bool m_placed = false;
};
