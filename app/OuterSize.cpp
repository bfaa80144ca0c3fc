#include "OuterSize.h"

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
        // The frame shows up after the window manager has reparented the window; the
        // move, resize or expose that follows is the first moment Qt knows it.
        switch (event->type()) {
        case QEvent::Show:
            if (QWindow* handle = m_window->windowHandle()) handle->installEventFilter(this);
            Fit();
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Expose:
            Fit();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void Fit() {
        const QWindow* handle = m_window->windowHandle();
        if (!handle || !m_window->isVisible()) return;
        const QMargins frame = handle->frameMargins();
        if (frame == m_fittedFrame) return;
        m_fittedFrame = frame;
        const QSize client = m_outer.shrunkBy(frame);
        if (m_window->minimumSize() == m_window->maximumSize())
            m_window->setFixedSize(client);
        else
            m_window->resize(client);
    }

    QWidget* m_window;
    QSize m_outer;
    QMargins m_fittedFrame;
};

} // namespace

void KeepOuterSize(QWidget* window, QSize outer) {
    new OuterSizeKeeper(window, outer);
}
