// tessaron-same-moves: on many positions of play, whether settings choose the same move, so
// that settings which play alike are rated once. The positions are those of games that
// Alpha-Beta plays against itself at the level compared, from the match tool's openings: the
// positions that matches meet, end games with players short of moves included, which is
// where the full-width algorithms part. Compares, at every level, Complete with Branch
// and Bound and with Alpha-Beta, and Home Made at branch 5 with branch 30 and with Alpha-Beta.
// Up to --reference-max-level the reference searches answer, written node by node as the game
// defines them (the fast engine computes Complete and Branch and Bound as one search, so only
// the reference can tell them apart); above it the fast engine, whose answers equal them.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "ai/Engine.h"
#include "rules/Layouts.h"
#include "rules/LegalMoves.h"
#include "tools/MatchPlay.h"

namespace {

struct Comparison {
    const char* Name;
    SearchSettings First;
    SearchSettings Second;
};

bool SameChoice(const SearchOutcome& x, const SearchOutcome& y) {
    return x.NoMove == y.NoMove && (x.NoMove || x.BestMove == y.BestMove);
}

} // namespace

int main(int argc, char** argv) {
    int positions = 2000, referenceMaxLevel = 3, maxLevel = MaxLevel;
    unsigned seed = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        int* target = arg == "--positions"             ? &positions
                      : arg == "--reference-max-level" ? &referenceMaxLevel
                      : arg == "--max-level"           ? &maxLevel
                                                       : nullptr;
        const char* value = hasValue ? argv[i + 1] : "";
        const char* end = value + std::strlen(value);
        if (target && hasValue && std::from_chars(value, end, *target).ptr == end && *target >= 0) {
            ++i;
        } else if (arg == "--seed" && hasValue && std::from_chars(value, end, seed).ptr == end) {
            ++i;
        } else {
            std::cerr << "usage: tessaron-same-moves [--positions N] [--seed S] [--max-level L]\n"
                         "                           [--reference-max-level L]\n";
            return 2;
        }
    }
    SetSearchThreads(2);
    for (int level = MinLevel; level <= std::min(maxLevel, MaxLevel); ++level) {
        const EngineKind engine = level <= referenceMaxLevel ? EngineKind::Reference : EngineKind::Fast;
        const Comparison comparisons[] = {
            {"Complete / Branch and Bound", {Complete, level, 5}, {BranchAndBound, level, 5}},
            {"Complete / Alpha-Beta", {Complete, level, 5}, {AlphaBeta, level, 5}},
            {"Home Made branch 5 / 30", {HomeMade, level, 5}, {HomeMade, level, 30}},
            {"Home Made 5 / Alpha-Beta", {HomeMade, level, 5}, {AlphaBeta, level, 5}},
        };
        // Fewer positions at the slow levels; every level still sees hundreds.
        const int count = level >= 8 ? positions / 8 : level >= 7 ? positions / 4 : positions;
        int differ[4] = {};
        const std::vector<Opening> openings = ShuffledOpenings(seed);
        int compared = 0;
        for (std::size_t g = 0; compared < count && g < openings.size(); ++g) {
            ValueGrid grid = StartingGrid(openings[g].Layout);
            int side = 1;
            for (const Move& move : {openings[g].First, openings[g].Second}) {
                ValueGrid after;
                ApplyMoveToGrid(grid, after, move, side, OtherPlayer(side));
                grid = after;
                side = OtherPlayer(side);
            }
            for (int ply = 0; compared < count && ply < 200 && HasLegalMove(grid, side); ++ply, ++compared) {
                for (int c = 0; c < 4; ++c) {
                    const Comparison& comparison = comparisons[c];
                    const SearchOutcome x = SearchTopLevel(engine, grid, side, comparison.First, nullptr);
                    const SearchOutcome y = SearchTopLevel(engine, grid, side, comparison.Second, nullptr);
                    if (!SameChoice(x, y)) ++differ[c];
                }
                const SearchOutcome next =
                    SearchTopLevel(EngineKind::Fast, grid, side, {AlphaBeta, level, 5}, nullptr);
                ValueGrid after;
                ApplyMoveToGrid(grid, after, next.BestMove, side, OtherPlayer(side));
                grid = after;
                side = OtherPlayer(side);
            }
        }
        for (int c = 0; c < 4; ++c) {
            std::printf("level %d %-28s %s engine: %d of %d positions differ\n", level, comparisons[c].Name,
                        engine == EngineKind::Reference ? "reference" : "fast", differ[c], compared);
        }
        std::fflush(stdout);
    }
    return 0;
}
