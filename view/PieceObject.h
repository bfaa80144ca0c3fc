#pragma once

#include <QColor>
#include <QWidget>
#include <functional>

// A filled circle with a black outline, drawn in its square box: the player markers and,
// through PieceObject, the pieces. It swallows the mouse, so the surface beneath does not
// see movements or clicks over it.
class CircleShape : public QWidget {
    Q_OBJECT
  public:
    CircleShape(const QColor& fill, QWidget* parent);

    QColor fill() const { return m_fill; }
    void setFill(const QColor& fill);
    int outlineWidth() const { return m_outlineWidth; }
    void setOutlineWidth(int width);
    QColor outlineColor() const { return m_outlineColor; }
    void setOutlineColor(const QColor& colour);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QColor m_fill;
    int m_outlineWidth = 1;
    QColor m_outlineColor{0, 0, 0};
};

inline const QColor Player1PieceColor(255, 255, 255);
inline const QColor Player2PieceColor(255, 255, 0);
inline QColor PieceColorOf(int owner) {
    return owner == 1 ? Player1PieceColor : Player2PieceColor;
}

// The on-screen piece of one board cell. It records the cell it stands on, so that a click
// names the cell, and reports clicks of any button to its handler.
class PieceObject final : public CircleShape {
    Q_OBJECT
  public:
    PieceObject(int owner, QWidget* parent);

    int owner() const { return m_owner; }
    void setOwner(int owner);
    int row() const { return m_row; }
    int col() const { return m_col; }
    void setCell(int row, int col);

    std::function<void(PieceObject*)> OnMouseDown;

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    int m_owner;
    int m_row = 0;
    int m_col = 0;
};
