#include "app/WindowWait.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Input, socket notifications and timers are left queued. Everything else that is
// pending is handled: the window system's expose and geometry events, and the posted
// paint and layout requests they cause.
constexpr QEventLoop::ProcessEventsFlags WindowSystemOnly =
    QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers | QEventLoop::X11ExcludeTimers;

// Holds the socket notifications of the window thread while a wait runs. Qt's GLib event
// dispatcher, the one used under X11, does not honour ExcludeSocketNotifiers: a socket that
// became ready during a wait would run its handler in the middle of an animation, and a
// hang-up would empty the board under the code that is placing or moving its pieces. The
// filter swallows each activation, turns its notifier off and remembers it; when the
// outermost wait ends the notifiers are turned on again and, since a socket stays ready
// until it is read, fire in the event loop's next pass. No owner of a notifier runs
// meanwhile, so none can have changed it.
class SocketHold final : public QObject {
  public:
    using QObject::QObject;

    // The hold of the application, made on first use and owned by it.
    static SocketHold& Instance() {
        static QPointer<SocketHold> hold;
        if (!hold) {
            hold = new SocketHold(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(hold);
        }
        return *hold;
    }

    void Begin() { ++m_depth; }
    void End() {
        if (--m_depth > 0) return;
        const std::vector<QPointer<QSocketNotifier>> held = std::move(m_held);
        m_held.clear();
        for (const QPointer<QSocketNotifier>& notifier : held)
            if (notifier) notifier->setEnabled(true);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (m_depth == 0 || event->type() != QEvent::SockAct) return false;
        auto* notifier = qobject_cast<QSocketNotifier*>(watched);
        if (!notifier) return false;
        notifier->setEnabled(false);
        m_held.emplace_back(notifier);
        return true;
    }

  private:
    int m_depth = 0;
    std::vector<QPointer<QSocketNotifier>> m_held;
};

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
    SocketHold& hold = SocketHold::Instance();
    hold.Begin();
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
    hold.End();
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
