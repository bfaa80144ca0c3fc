#include "WindowWait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

// Input, socket notifications and timers are left queued. Everything else that is
// pending is handled: the window system's expose and geometry events, and the posted
// paint and layout requests they cause.
constexpr QEventLoop::ProcessEventsFlags WindowSystemOnly =
    QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers | QEventLoop::X11ExcludeTimers;

// How often the wait looks for new window-system events.
constexpr int PollMilliseconds = 2;

template <typename Done> void ServeWindowSystemUntil(QDeadlineTimer deadline, Done done) {
    for (;;) {
        QCoreApplication::processEvents(WindowSystemOnly);
        if (done() || deadline.hasExpired()) return;
        const qint64 left = deadline.remainingTime();
        QThread::msleep(static_cast<unsigned long>(std::clamp<qint64>(left, 0, PollMilliseconds)));
    }
}

} // namespace

void WaitPainting(int milliseconds) {
    if (milliseconds <= 0) return;
    ServeWindowSystemUntil(QDeadlineTimer(milliseconds), [] { return false; });
}

bool WaitUntilExposed(QWidget* window, int limitMilliseconds) {
    auto exposed = [window] { return window->windowHandle() && window->windowHandle()->isExposed(); };
    ServeWindowSystemUntil(QDeadlineTimer(limitMilliseconds), exposed);
    return exposed();
}
