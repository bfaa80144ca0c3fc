#pragma once

#include <QWidget>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "ai/MoveReview.h"

// The review of a game as a graph: the value for white after each move (white above the
// axis, yellow below), a mark on each inaccuracy, mistake and blunder, and the position on the
// board marked. Hovering a move tells it, its value, the best move and the loss; a click goes
// to the position after it.
class ReviewGraph final : public QWidget {
    Q_OBJECT
  public:
    explicit ReviewGraph(QWidget* parent = nullptr);

    // The reviews of the game's moves (one entry a move, empty while not yet reviewed) and the
    // number of moves that lead to the position on the board.
    void Show(const std::vector<std::optional<MoveReview>>& reviews, std::size_t current);

    // Where a move's point stands (`ply` from 1), and which move a point of the widget names:
    // the nearest, or none outside the moves.
    QPointF PointOf(std::size_t ply) const;
    std::optional<std::size_t> MoveAt(QPoint at) const;
    // What hovering a move tells.
    QString Describe(std::size_t ply) const;

    std::function<void(std::size_t)> OnChoose;

    QSize sizeHint() const override { return {220, 110}; }
    QSize minimumSizeHint() const override { return {140, 70}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QRectF Plot() const;
    double Scale() const;

    std::vector<std::optional<MoveReview>> m_reviews;
    std::size_t m_current = 0;
};

// The colours of the marks: inaccuracy, mistake, blunder.
QColor MarkColour(MoveMark mark);
