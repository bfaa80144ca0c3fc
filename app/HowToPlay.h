#pragma once

#include <QDialog>
#include <QWidget>

class QLabel;

// A small part of the board showing one clone and one jump, drawn with the board's own
// geometry: the piece at the centre copies itself to the red cell or jumps to the yellow one.
class TCloneJumpPicture final : public QWidget {
    Q_OBJECT
  public:
    explicit TCloneJumpPicture(QWidget* parent);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// Moves > How to Play: the rules, the players and levels, network play and the Moves menu.
class THowToPlay final : public QDialog {
    Q_OBJECT
  public:
    explicit THowToPlay(QWidget* owner);

    TCloneJumpPicture* Picture;
    QLabel* Rules;
};
