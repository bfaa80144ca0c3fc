#include "app/OuterSize.h"

#include <QEvent>
#include <QMargins>
#include <QWidget>
#include <QWindow>

namespace {

class OuterSizeKeeper final : public QObject {
  public:
    OuterSizeKeeper(QWidget* window, QSize outer) : QObject(window), m_window(window), m_outer(outer) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // The window handle exists once the window is shown; its first expose comes after
        // the window manager has put its frame around it and announced the frame's size.
        if (event->type() == QEvent::Show && watched == m_window) {
            if (QWindow* handle = m_window->windowHandle()) handle->installEventFilter(this);
        } else if (event->type() == QEvent::Expose && watched != m_window) {
            Fit();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void Fit() {
        const QWindow* handle = m_window->windowHandle();
        if (m_fitted || !handle || !m_window->isVisible()) return;
        // A maximized or full-screen window has the frame of that state, not its own.
        if (m_window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))
            return;
        const QMargins frame = handle->frameMargins();
        // No frame (yet), or margins that cannot be a frame's: nothing to take off.
        const bool plausible = frame.left() >= 0 && frame.right() >= 0 && frame.top() >= 0 &&
                               frame.bottom() >= 0 && frame.left() + frame.right() < m_outer.width() / 2 &&
                               frame.top() + frame.bottom() < m_outer.height() / 2;
        if (frame.isNull() || !plausible) return;
        // Once: later changes of size are the user's.
        m_fitted = true;
        const QSize client = m_outer.shrunkBy(frame);
        if (m_window->minimumSize() == m_window->maximumSize())
            m_window->setFixedSize(client);
        else
            m_window->resize(client);
    }

    QWidget* m_window;
    QSize m_outer;
    bool m_fitted = false;
};

} // namespace

void KeepOuterSize(QWidget* window, QSize outer) {
    new OuterSizeKeeper(window, outer);
}
