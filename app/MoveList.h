#pragma once

#include <QWidget>
#include <cstddef>
#include <functional>

class GameRecord;
class QListWidget;

// The side window of Moves > Move List: the game's moves in their line notation, numbered,
// with the player who made each. Its first line is the start. The line of the position on
// the board is selected; moves that Redo would bring back are greyed. Clicking a line asks
// for the position after that move.
class TMoveList final : public QWidget {
    Q_OBJECT
  public:
    explicit TMoveList(QWidget* owner);

    // Shows the record's moves; a record that no longer follows a game is shown empty.
    void Show(const GameRecord& record, bool live);
    // Shows or hides the window, beside the main window the first time.
    void ShowBeside(const QWidget& mainWindow, bool visible);

    QListWidget* Lines;
    std::function<void(std::size_t)> OnChoose;
    std::function<void()> OnClosed;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    bool m_placed = false;
};
