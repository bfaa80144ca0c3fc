#include "app/SearchWait.h"

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
