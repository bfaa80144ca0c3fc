#include "ai/MoveReview.h"

std::string_view MarkText(MoveMark mark) {
    switch (mark) {
    case MoveMark::Inaccuracy:
        return "?!";
    case MoveMark::Mistake:
        return "?";
    case MoveMark::Blunder:
        return "??";
    case MoveMark::None:
        break;
    }
    return "";
}

std::optional<SearchOutcome> ReviewSearches::Search(const GamePosition& position, int level,
                                                    SearchProgress* stop) {
    std::vector<int32_t> cells(position.Grid.Cells.begin(), position.Grid.Cells.end());
    cells.push_back(position.ToMove);
    Key key{std::move(cells), level};
    if (const auto found = m_found.find(key); found != m_found.end()) return found->second;
    NoProgress quiet;
    const SearchOutcome outcome =
        SearchTopLevel(m_engine, position.Grid, position.ToMove,
                       MakeSearchSettings(Complete, level, MinBranch), stop ? stop : &quiet);
    if (outcome.Stopped || (stop && stop->ShouldStop())) return std::nullopt;
    m_found.emplace(std::move(key), outcome);
    return outcome;
}

std::optional<MoveReview> ReviewMove(ReviewSearches& searches, const GamePosition& before, const Move& played,
                                     int level, SearchProgress* stop) {
    level = level < MinReviewLevel ? MinReviewLevel : level > MaxReviewLevel ? MaxReviewLevel : level;
    const std::optional<SearchOutcome> best = searches.Search(before, level, stop);
    if (!best) return std::nullopt;
    GamePosition after;
    ApplyMoveToGrid(before.Grid, after.Grid, played, before.ToMove, OtherPlayer(before.ToMove));
    after.ToMove = OtherPlayer(before.ToMove);
    const std::optional<SearchOutcome> reply = searches.Search(after, level - 1, stop);
    if (!reply) return std::nullopt;
    MoveReview review;
    review.Played = played;
    review.Side = before.ToMove;
    review.Best = best->BestMove;
    review.BestValue = best->Score;
    review.PlayedValue = -reply->Score;
    return review;
}

std::vector<MoveReview> ReviewGame(ReviewSearches& searches, const GameRecord& record, int level) {
    std::vector<MoveReview> reviews;
    for (std::size_t ply = 0; ply < record.Size(); ++ply)
        reviews.push_back(*ReviewMove(searches, record.At(ply), record.Moves()[ply], level));
    return reviews;
}

ReviewSummary Summarize(const std::vector<std::optional<MoveReview>>& reviews, int side) {
    ReviewSummary summary;
    int totalLoss = 0;
    for (const std::optional<MoveReview>& review : reviews) {
        if (!review || review->Side != side) continue;
        ++summary.Moves;
        totalLoss += review->Loss();
        switch (MarkOf(review->Loss())) {
        case MoveMark::Inaccuracy:
            ++summary.Inaccuracies;
            break;
        case MoveMark::Mistake:
            ++summary.Mistakes;
            break;
        case MoveMark::Blunder:
            ++summary.Blunders;
            break;
        case MoveMark::None:
            break;
        }
    }
    if (summary.Moves > 0) summary.AverageLoss = static_cast<double>(totalLoss) / summary.Moves;
    return summary;
}
