#pragma once

#include <QDialog>
#include <QWidget>

class QLabel;

// A small part of the board after a clone or after a jump, drawn with the board's own
// geometry: the white piece has copied itself to the red cell, turning the yellow piece
// beside it, or has jumped to the yellow cell and left its own cell empty.
class TCloneJumpPicture final : public QWidget {
    Q_OBJECT
  public:
    TCloneJumpPicture(bool clone, QWidget* parent);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool m_clone;
};

// Moves > How to Play: the rules, the players and levels, network play and the Moves menu.
class THowToPlay final : public QDialog {
    Q_OBJECT
  public:
    explicit THowToPlay(QWidget* owner);

    TCloneJumpPicture* ClonePicture;
    TCloneJumpPicture* JumpPicture;
    QLabel* Rules;
};
