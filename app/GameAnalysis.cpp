#include "app/GameAnalysis.h"

#include <QMetaObject>
#include <QPointer>
#include <algorithm>

// What one run shares with its worker: the stop request, as the searches poll it.
struct GameAnalysis::Run final : SearchProgress {
    std::atomic<bool> Stop{false};
    void SetMaximum(int) override {}
    bool Step() override { return Stop.load(); }
    bool ShouldStop() const override { return Stop.load(); }
};

GameAnalysis::GameAnalysis(QObject* parent) : QObject(parent) {}

GameAnalysis::~GameAnalysis() {
    Stop();
}

void GameAnalysis::Stop() {
    if (m_run) m_run->Stop = true;
    Join();
    // What was not reviewed yet is reviewed when asked again, from the searches kept.
    m_moves.clear();
    m_positions.clear();
}

void GameAnalysis::Join() {
    if (m_worker.joinable()) m_worker.join();
}

bool GameAnalysis::Finished() const {
    return std::all_of(m_reviews.begin(), m_reviews.end(),
                       [](const auto& review) { return review.has_value(); });
}

void GameAnalysis::Review(const GameRecord& record, int level) {
    std::vector<GamePosition> positions;
    for (std::size_t ply = 0; ply < record.Size(); ++ply)
        positions.push_back(record.At(ply));
    if (record.Moves() == m_moves && positions == m_positions && level == m_level) return;
    Stop();
    // The searches kept serve the game under review: another game (another start, or other
    // moves than the ones reviewed) starts afresh, so hours of play keep one game's worth.
    const bool sameGame =
        !m_reviewedPositions.empty() && !positions.empty() &&
        positions.front() == m_reviewedPositions.front() &&
        std::equal(positions.begin(),
                   positions.begin() + std::min(positions.size(), m_reviewedPositions.size()),
                   m_reviewedPositions.begin());
    if (!sameGame) m_searches = std::make_shared<ReviewSearches>();
    if (!positions.empty()) m_reviewedPositions = positions;
    m_moves = record.Moves();
    m_positions = std::move(positions);
    m_level = level;
    m_reviews.assign(m_moves.size(), std::nullopt);
    const uint64_t generation = ++m_generation;
    if (m_moves.empty()) return;
    m_run = std::make_shared<Run>();
    // The worker reports each move to the window thread; a report of an older run, or one
    // that arrives after this object is gone, is dropped.
    m_worker = std::thread([run = m_run, searches = m_searches, moves = m_moves, positions = m_positions,
                            level, generation, self = QPointer<GameAnalysis>(this)] {
        for (std::size_t ply = moves.size(); ply-- > 0;) {
            const std::optional<MoveReview> review =
                ReviewMove(*searches, positions[ply], moves[ply], level, run.get());
            if (!review) return;
            QMetaObject::invokeMethod(
                self,
                [self, generation, ply, review] {
                    if (!self || generation != self->m_generation || ply >= self->m_reviews.size()) return;
                    self->m_reviews[ply] = review;
                    if (self->OnChanged) self->OnChanged();
                },
                Qt::QueuedConnection);
        }
    });
}
