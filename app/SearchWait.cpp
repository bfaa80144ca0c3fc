#include "app/SearchWait.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "app/SearchJob.h"

namespace {

// How often the window thread looks at a running search.
constexpr int SearchPollMilliseconds = 5;

} // namespace

void WaitForSearch(const SearchJob& job, const std::function<bool()>& stillWanted,
                   const std::function<void()>& poll) {
    QEventLoop loop;
    QTimer timer;
    timer.setInterval(SearchPollMilliseconds);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        poll();
        if (job.Finished() || !stillWanted()) {
            timer.stop();
            loop.quit();
        }
    });
    timer.start();
    loop.exec();
}

bool ServeWindowFor(int milliseconds, const std::function<bool()>& paused,
                    const std::function<bool()>& stillWanted) {
    QEventLoop loop;
    QTimer timer;
    timer.setInterval(SearchPollMilliseconds);
    QElapsedTimer clock;
    clock.start();
    qint64 counted = 0;
    qint64 last = 0;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        const qint64 now = clock.elapsed();
        const bool held = paused();
        if (!held) counted += now - last;
        last = now;
        if (!stillWanted() || (!held && counted >= milliseconds)) {
            timer.stop();
            loop.quit();
        }
    });
    timer.start();
    loop.exec();
    return stillWanted();
}
