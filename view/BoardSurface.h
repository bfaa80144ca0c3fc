#pragma once

#include <QWidget>
#include <functional>

class BoardReading;

// What the board surface reports to the window that owns the game: its paint event and
// the mouse events on its uncovered parts (pieces and labels take their own).
class BoardSurfaceHandler {
  public:
    virtual ~BoardSurfaceHandler() = default;
    virtual void FormPaint(QPainter& painter) = 0;
    virtual void FormMouseMove(int x, int y) = 0;
    virtual void FormMouseDown(Qt::MouseButton button) = 0;
    // A key pressed while the board has the keyboard focus; false leaves it to the window.
    virtual bool FormKeyPress(int key, const QString& text) = 0;
    // The surface changed size (the window did, or the bottom line was swapped).
    virtual void FormResize() = 0;
};

// The client area of the main window on which the board is drawn and over which the
// pieces, markers and score labels are laid as child widgets. Its coordinates are the
// board's pixel coordinates. It takes the keyboard focus from Tab and from a click.
class BoardSurface final : public QWidget {
    Q_OBJECT
  public:
    BoardSurface(BoardSurfaceHandler& handler, QWidget* parent);

    // What its accessible objects read; set by the board view.
    const BoardReading* Reading = nullptr;
    // A press anywhere on the surface, before the handler hears of it; and the keyboard focus
    // coming or going.
    std::function<void(QPoint)> PressedAt;
    std::function<void()> FocusChanged;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    BoardSurfaceHandler& m_handler;
};
