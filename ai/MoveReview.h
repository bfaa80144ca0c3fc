#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "ai/Engine.h"
#include "rules/GameRecord.h"

// How good each move of a game was, measured with the game's own Complete search at one
// level L: the best move and its value B in the position before the move (the search's
// answer and score at level L for the player to move), the value V of the move played (minus
// the score at level L - 1 for the opponent in the position after it, which is the value the
// level-L search gives that move), and the loss B - V. Values are piece differences seen from
// the player who moved.
struct MoveReview {
    Move Played;
    int Side = 1;
    Move Best;
    int BestValue = 0;
    int PlayedValue = 0;
    int Loss() const { return BestValue > PlayedValue ? BestValue - PlayedValue : 0; }
    // The value after the move seen from white: above the axis when white stands better.
    int WhiteValue() const { return Side == 1 ? PlayedValue : -PlayedValue; }
};

// What a loss makes of a move; the thresholds stand here only.
enum class MoveMark { None, Inaccuracy, Mistake, Blunder };
inline constexpr int InaccuracyLoss = 2;
inline constexpr int MistakeLoss = 4;
inline constexpr int BlunderLoss = 8;
constexpr MoveMark MarkOf(int loss) {
    return loss >= BlunderLoss      ? MoveMark::Blunder
           : loss >= MistakeLoss    ? MoveMark::Mistake
           : loss >= InaccuracyLoss ? MoveMark::Inaccuracy
                                    : MoveMark::None;
}
// "", "?!", "?" or "??".
std::string_view MarkText(MoveMark mark);

inline constexpr int DefaultReviewLevel = 4;
inline constexpr int MinReviewLevel = 1;
inline constexpr int MaxReviewLevel = 8;

// The searches of a review, kept per position and level: a game reviewed again, or a position
// met twice, is searched once. Its owner bounds it (a new game, a new set). Not thread-safe:
// one reviewer uses it at a time.
class ReviewSearches {
  public:
    explicit ReviewSearches(EngineKind engine = EngineKind::Fast) : m_engine(engine) {}
    // The Complete search's outcome; nothing when `stop` asked to stop first.
    std::optional<SearchOutcome> Search(const GamePosition& position, int level, SearchProgress* stop);
    // How many searches are kept.
    std::size_t Size() const { return m_found.size(); }

  private:
    using Key = std::pair<std::vector<int32_t>, int>; // cells, side to move and level
    EngineKind m_engine;
    std::map<Key, SearchOutcome> m_found;
};

// Reviews one move played in `before`; nothing when `stop` asked to stop first.
std::optional<MoveReview> ReviewMove(ReviewSearches& searches, const GamePosition& before, const Move& played,
                                     int level, SearchProgress* stop = nullptr);

// Every move of a record in order, at one level.
std::vector<MoveReview> ReviewGame(ReviewSearches& searches, const GameRecord& record, int level);

// One player's part of a review: moves, average loss and the marked moves.
struct ReviewSummary {
    int Moves = 0;
    double AverageLoss = 0;
    int Inaccuracies = 0;
    int Mistakes = 0;
    int Blunders = 0;
};
ReviewSummary Summarize(const std::vector<std::optional<MoveReview>>& reviews, int side);
