#include "app/SearchJob.h"

struct SearchJob::Shared final : SearchProgress {
    std::atomic<bool> Stop{false};
    std::atomic<bool> Done{false};
    std::atomic<int> Maximum{-1};
    std::atomic<int> Steps{0};
    SearchOutcome Outcome; // written by the worker before Done is set

    void SetMaximum(int maximum) override { Maximum.store(maximum); }
    bool Step() override {
        Steps.fetch_add(1);
        return Stop.load();
    }
    bool ShouldStop() const override { return Stop.load(std::memory_order_relaxed); }
};

SearchJob::SearchJob(const ValueGrid& grid, int side, const SearchSettings& settings)
    : m_shared(std::make_shared<Shared>()) {
    // The worker owns copies of everything it reads, and a share of the state it writes.
    m_worker = std::thread([shared = m_shared, grid, side, settings] {
        shared->Outcome = SearchTopLevel(EngineKind::Fast, grid, side, settings, shared.get());
        shared->Done.store(true, std::memory_order_release);
    });
}

SearchJob::~SearchJob() {
    RequestStop();
    if (m_worker.joinable()) m_worker.join();
}

void SearchJob::RequestStop() {
    m_shared->Stop.store(true);
}
bool SearchJob::Finished() const {
    return m_shared->Done.load(std::memory_order_acquire);
}
int SearchJob::Maximum() const {
    return m_shared->Maximum.load();
}
int SearchJob::Steps() const {
    return m_shared->Steps.load();
}
const SearchOutcome& SearchJob::Outcome() const {
    return m_shared->Outcome;
}

void SearchJob::Abandon() {
    RequestStop();
    if (m_worker.joinable()) m_worker.detach();
}
