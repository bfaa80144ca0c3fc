#include "ai/Engine.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <thread>

#include "ai/FastSearch.h"
#include "ai/ReferenceSearch.h"

namespace {

// Remembers whether the caller asked the search to stop, so the outcome can say so.
class StopRecorder final : public SearchProgress {
  public:
    explicit StopRecorder(SearchProgress* inner) : m_inner(inner) {}
    void SetMaximum(int maximum) override {
        if (m_inner) m_inner->SetMaximum(maximum);
    }
    bool Step() override {
        if (m_inner && m_inner->Step()) m_stopped = true;
        return m_stopped;
    }
    bool ShouldStop() const override { return m_inner && m_inner->ShouldStop(); }
    bool stopped() const { return m_stopped; }

  private:
    SearchProgress* m_inner;
    bool m_stopped = false;
};

// The fast engine of the process, shared by every computer player: its transposition table
// is allocated once, on the first fast search, and kept, since what it holds stays true from
// one search to the next. Each search uses all its threads; searches started on several
// threads take turns. Neither the engine nor its lock is ever destroyed: a search abandoned
// by a closing window may still be finishing on its thread while the program's static
// objects are torn down.
struct ProcessEngine {
    std::mutex Mutex;
    FastEngine* Engine = nullptr;
    int Threads = DefaultSearchThreads();
};

ProcessEngine& TheEngine() {
    static ProcessEngine& engine = *new ProcessEngine;
    return engine;
}

SearchOutcome FastSearch(const ValueGrid& grid, int side, const SearchSettings& settings,
                         SearchProgress* progress) {
    ProcessEngine& process = TheEngine();
    const std::lock_guard lock(process.Mutex);
    if (!process.Engine) process.Engine = new FastEngine(FastEngine::DefaultTableLog2, process.Threads);
    return process.Engine->Search(grid, side, settings, progress);
}

} // namespace

SearchOutcome SearchTopLevel(EngineKind engine, const ValueGrid& grid, int side,
                             const SearchSettings& requested, SearchProgress* progress) {
    const SearchSettings settings = MakeSearchSettings(requested.Algo, requested.Level, requested.Branch);
    // The bitboards hold the hexagon and the two players only: a grid with something else
    // outside the hexagon or values beyond 0..3, or a side other than 1 or 2, is left to the
    // reference search.
    const bool fastFits = (side == 1 || side == 2) && MasksOf(grid).Regular;
    if (engine == EngineKind::Fast && fastFits) return FastSearch(grid, side, settings, progress);
    StopRecorder recorder(progress);
    const reference::SearchRequest request{settings, &recorder};
    SearchOutcome outcome;
    if (settings.Algo == HomeMade)
        outcome.Score =
            reference::HomeMadeSearch(grid, side, settings.Level, outcome.BestMove, outcome.NoMove, request);
    else
        outcome.Score = reference::FullWidthSearch(grid, side, settings.Level, 1000, -1000, 1000,
                                                   outcome.BestMove, outcome.NoMove, request);
    outcome.Stopped = recorder.stopped();
    return outcome;
}

int DefaultSearchThreads() {
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

void SetSearchThreads(int threads) {
    ProcessEngine& process = TheEngine();
    const std::lock_guard lock(process.Mutex);
    process.Threads = std::max(1, threads);
    if (process.Engine) process.Engine->SetThreads(process.Threads);
}

SearchOutcome EndTest(const ValueGrid& grid, int side, const SearchSettings& requested,
                      SearchProgress* progress) {
    const SearchSettings settings = MakeSearchSettings(requested.Algo, requested.Level, requested.Branch);
    StopRecorder recorder(progress);
    const reference::SearchRequest request{settings, &recorder};
    SearchOutcome outcome;
    outcome.Score = reference::HomeMadeSearch(grid, side, 0, outcome.BestMove, outcome.NoMove, request);
    outcome.Stopped = recorder.stopped();
    return outcome;
}
