// tessaron-review: how good each move of a saved game was, as the Move List's graph shows it:
// one line a move, then each player's summary.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

#include "ai/MoveReview.h"
#include "app/SavedGameFile.h"
#include "rules/MoveNotation.h"
#include "text/Decimal.h"

namespace {

int Usage(const char* problem) {
    std::cerr << problem << "\n"
              << "usage: tessaron-review [--level L] [--engine fast|reference] FILE.tgame\n"
                 "--level: the Complete search's level, 1 to 8 (4 by default)\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    int level = DefaultReviewLevel;
    EngineKind engine = EngineKind::Fast;
    const char* file = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--level") == 0 && i + 1 < argc) {
            const std::optional<int> value = ReadDecimal(argv[++i]);
            if (!value || *value < MinReviewLevel || *value > MaxReviewLevel)
                return Usage("--level takes 1 to 8");
            level = *value;
        } else if (std::strcmp(argv[i], "--engine") == 0 && i + 1 < argc) {
            const std::string name = argv[++i];
            if (name != "fast" && name != "reference") return Usage("--engine takes fast or reference");
            engine = name == "fast" ? EngineKind::Fast : EngineKind::Reference;
        } else if (argv[i][0] != '-' && !file) {
            file = argv[i];
        } else {
            return Usage(("unknown argument '" + std::string(argv[i]) + "'").c_str());
        }
    }
    if (!file) return Usage("no game file given");

    auto read = ReadSavedGame(file);
    if (const GameFileError* error = std::get_if<GameFileError>(&read)) {
        std::cerr << file << " is not a game this program can open.\n" << error->Text() << "\n";
        return 2;
    }
    const GameRecord& record = std::get<SavedGame>(read).Record;
    ReviewSearches searches(engine);
    std::vector<std::optional<MoveReview>> reviews;
    for (std::size_t ply = 0; ply < record.Size(); ++ply) {
        const MoveReview review = *ReviewMove(searches, record.At(ply), record.Moves()[ply], level);
        reviews.push_back(review);
        std::string line = std::to_string(ply + 1) + " " + std::to_string(review.Side) + " " +
                           MoveText(review.Played) + " value " + std::to_string(review.PlayedValue) +
                           " best " + MoveText(review.Best) + " " + std::to_string(review.BestValue) +
                           " loss " + std::to_string(review.Loss());
        const std::string_view mark = MarkText(MarkOf(review.Loss()));
        if (!mark.empty()) line += " " + std::string(mark);
        std::cout << line << "\n";
    }
    for (int side = 1; side <= 2; ++side) {
        const ReviewSummary summary = Summarize(reviews, side);
        std::printf("player %d moves %d average loss %.2f inaccuracies %d mistakes %d blunders %d\n", side,
                    summary.Moves, summary.AverageLoss, summary.Inaccuracies, summary.Mistakes,
                    summary.Blunders);
    }
    return 0;
}
