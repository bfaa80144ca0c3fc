#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "ai/MoveReview.h"

// Reviews the moves of a game off the window thread, the latest first, so that the graph
// fills in from the moves the player has just seen. Searches found once are kept for the
// positions they belong to: a game reviewed again after one more move searches only that.
// A new game, new moves or a new level stop the review under way and start another.
class GameAnalysis final : public QObject {
    Q_OBJECT
  public:
    explicit GameAnalysis(QObject* parent = nullptr);
    // Stops the review and waits for its worker.
    ~GameAnalysis() override;

    // Reviews `record`'s moves at `level`; the same moves at the same level go on as they are.
    void Review(const GameRecord& record, int level);
    // Stops the review under way; what it found stays.
    void Stop();

    // One entry a move of the last record given, filled in as the moves are reviewed.
    const std::vector<std::optional<MoveReview>>& reviews() const { return m_reviews; }
    bool Finished() const;
    // How many searches are kept for the game under review.
    std::size_t KeptSearches() const { return m_searches->Size(); }

    // Called on the window thread after each move reviewed.
    std::function<void()> OnChanged;

  private:
    struct Run;
    void Join();

    std::vector<Move> m_moves;
    std::vector<GamePosition> m_positions;
    int m_level = 0;
    std::vector<std::optional<MoveReview>> m_reviews;
    // The positions of the game last reviewed: Stop forgets m_positions, not this.
    std::vector<GamePosition> m_reviewedPositions;
    // The searches outlive every run; each run is the only one to use them while it lasts.
    std::shared_ptr<ReviewSearches> m_searches = std::make_shared<ReviewSearches>();
    std::shared_ptr<Run> m_run;
    std::thread m_worker;
    uint64_t m_generation = 0;
};
