#include "app/WindowWait.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// Input, socket notifications and timers are left queued. Everything else that is
// pending is handled: the window system's expose and geometry events, and the posted
// paint and layout requests they cause.
constexpr QEventLoop::ProcessEventsFlags WindowSystemOnly =
    QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers | QEventLoop::X11ExcludeTimers;

// Serves the window system until `done` holds or the deadline passes. The thread sleeps
// in the event dispatcher between events; since timers stay queued, an alarm thread wakes
// the dispatcher at the deadline.
template <typename Done> void ServeWindowSystemUntil(QDeadlineTimer deadline, Done done) {
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher) {
        // No event loop in this thread: nothing to serve, the wait is a plain sleep.
        std::this_thread::sleep_for(std::chrono::milliseconds(std::max<qint64>(deadline.remainingTime(), 0)));
        return;
    }
    std::mutex mutex;
    std::condition_variable finished;
    bool over = false;
    std::thread alarm([&] {
        std::unique_lock lock(mutex);
        const auto due =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(deadline.remainingTime());
        finished.wait_until(lock, due, [&] { return over; });
        dispatcher->wakeUp();
    });
    QCoreApplication::processEvents(WindowSystemOnly);
    while (!done() && !deadline.hasExpired())
        dispatcher->processEvents(WindowSystemOnly | QEventLoop::WaitForMoreEvents);
    {
        const std::lock_guard lock(mutex);
        over = true;
    }
    finished.notify_one();
    alarm.join();
    // Input that came during the wait is still queued, but the window system's event source
    // only looks at its queue again when woken; without this a key pressed during the wait
    // would sit there until the next event from the display.
    dispatcher->wakeUp();
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
