#include "tools/MatchPlay.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>

#include "rules/Layouts.h"
#include "rules/LegalMoves.h"
#include "rules/MoveNotation.h"
#include "text/Decimal.h"
#include "text/Lines.h"

namespace {

bool ReadInt(std::string_view text, int& value) {
    const std::optional<int> read = ReadDecimal(text, {.Minus = true});
    if (read) value = *read;
    return read.has_value();
}

// SplitMix64: a fully specified generator, so the shuffle is the same wherever it runs.
uint64_t NextRandom(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int CountPieces(const ValueGrid& grid, int player) {
    return static_cast<int>(std::count(grid.Cells.begin(), grid.Cells.end(), player));
}

ValueGrid Played(const ValueGrid& grid, const Move& move, int side) {
    ValueGrid after;
    ApplyMoveToGrid(grid, after, move, side, OtherPlayer(side));
    return after;
}

double EloOf(double share) {
    if (share <= 0) return -std::numeric_limits<double>::infinity();
    if (share >= 1) return std::numeric_limits<double>::infinity();
    return -400.0 * std::log10(1.0 / share - 1.0);
}

} // namespace

std::variant<SearchSettings, std::string> ParseMatchPlayer(std::string_view text) {
    const std::vector<std::string_view> fields = SplitFields(text, ':');
    if (fields.size() < 2 || fields.size() > 3)
        return "'" + std::string(text) + "' is not ALGO:LEVEL or ALGO:LEVEL:BRANCH";
    int algo = 0, level = 0, branch = 5;
    if (!ReadInt(fields[0], algo) || algo < Complete || algo > HomeMade)
        return "the algorithm of '" + std::string(text) + "' must be 0 to 3";
    if (!ReadInt(fields[1], level) || level < MinLevel || level > MaxLevel)
        return "the level of '" + std::string(text) + "' must be 0 to 8";
    if (fields.size() == 3 && (!ReadInt(fields[2], branch) || branch < MinBranch || branch > MaxBranch))
        return "the branch of '" + std::string(text) + "' must be 3 to 30";
    return MakeSearchSettings(algo, level, branch);
}

std::string MatchPlayerName(const SearchSettings& settings) {
    std::string name = std::to_string(settings.Algo) + ':' + std::to_string(settings.Level);
    if (settings.Algo == HomeMade) name += ':' + std::to_string(settings.Branch);
    return name;
}

std::vector<Opening> ShuffledOpenings(uint64_t seed) {
    std::vector<Opening> openings;
    for (int layout = Standard; layout <= Swedish; ++layout) {
        const ValueGrid start = StartingGrid(layout);
        for (const Move& first : LegalMoves(start, 1))
            for (const Move& second : LegalMoves(Played(start, first, 1), 2))
                openings.push_back({layout, first, second});
    }
    uint64_t state = seed;
    for (std::size_t i = openings.size(); i > 1; --i)
        std::swap(openings[i - 1], openings[NextRandom(state) % i]);
    return openings;
}

int MatchGame::ResultForA() const {
    if (End == GameEnd::Repeats || Pieces1 == Pieces2) return 0;
    const bool player1Won = Pieces1 > Pieces2;
    return player1Won == (FirstPlayer == 1) ? 1 : -1;
}

MatchGame PlannedGame(const std::vector<Opening>& openings, int index) {
    MatchGame game;
    game.Index = index;
    game.Start = openings[static_cast<std::size_t>(index / 2) % openings.size()];
    game.FirstPlayer = index % 2 == 0 ? 1 : 2;
    return game;
}

MatchGame PlayMatchGame(MatchGame game, const SearchSettings& a, const SearchSettings& b, FastEngine& engine,
                        MoveTimes* times) {
    using Clock = std::chrono::steady_clock;
    const bool aFirst = game.FirstPlayer == 1;
    ValueGrid grid = StartingGrid(game.Start.Layout);
    int side = 1;
    game.Plies = 0;
    std::set<std::pair<std::array<int32_t, 81>, int>> seen;
    const Move opening[2] = {game.Start.First, game.Start.Second};
    while (true) {
        if (!HasLegalMove(grid, side)) {
            game.End = GameEnd::NoMove;
            break;
        }
        if (!seen.insert({grid.Cells, side}).second) {
            game.End = GameEnd::Repeats;
            break;
        }
        Move move;
        if (game.Plies < 2) {
            move = opening[game.Plies];
        } else {
            const bool aMoves = (side == 1) == aFirst;
            const auto begin = Clock::now();
            const SearchOutcome outcome = engine.Search(grid, side, aMoves ? a : b, nullptr);
            const double seconds = std::chrono::duration<double>(Clock::now() - begin).count();
            if (times) (aMoves ? times->A : times->B).push_back(seconds);
            if (outcome.NoMove || outcome.Stopped)
                throw std::logic_error("the search found no move where the rules give one");
            move = outcome.BestMove;
        }
        if (!IsLegalMove(grid, move, side)) throw std::logic_error("an illegal move: " + MoveText(move));
        grid = Played(grid, move, side);
        side = OtherPlayer(side);
        ++game.Plies;
    }
    game.Final = grid;
    game.FinalToMove = side;
    game.Pieces1 = CountPieces(grid, Player1);
    game.Pieces2 = CountPieces(grid, Player2);
    return game;
}

std::string MatchGameLine(const SearchSettings& a, const SearchSettings& b, uint64_t seed,
                          const MatchGame& game) {
    const int result = game.ResultForA();
    std::ostringstream line;
    line << MatchPlayerName(a) << " vs " << MatchPlayerName(b) << " seed " << seed << " game " << game.Index
         << " layout " << game.Start.Layout << " opening " << MoveText(game.Start.First) << ' '
         << MoveText(game.Start.Second) << " first " << (game.FirstPlayer == 1 ? 'A' : 'B') << " pieces "
         << game.Pieces1 << ' ' << game.Pieces2 << " plies " << game.Plies << " end "
         << (game.End == GameEnd::NoMove ? "nomove" : "repeats") << " result "
         << (result > 0   ? "A"
             : result < 0 ? "B"
                          : "draw");
    return line.str();
}

std::optional<MatchGame> ParseMatchGameLine(std::string_view line, const SearchSettings& a,
                                            const SearchSettings& b, uint64_t seed) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::vector<std::string_view> f = SplitFields(line, ' ');
    const std::string prefix =
        MatchPlayerName(a) + " vs " + MatchPlayerName(b) + " seed " + std::to_string(seed) + " game ";
    if (f.size() != 23 || line.substr(0, prefix.size()) != prefix) return std::nullopt;
    MatchGame game;
    const std::optional<Move> first = ParseMoveText(f[10]), second = ParseMoveText(f[11]);
    if (!ReadInt(f[6], game.Index) || game.Index < 0 || f[7] != "layout" ||
        !ReadInt(f[8], game.Start.Layout) || f[9] != "opening" || !first || !second || f[12] != "first" ||
        (f[13] != "A" && f[13] != "B") || f[14] != "pieces" || !ReadInt(f[15], game.Pieces1) ||
        !ReadInt(f[16], game.Pieces2) || f[17] != "plies" || !ReadInt(f[18], game.Plies) || f[19] != "end" ||
        (f[20] != "nomove" && f[20] != "repeats") || f[21] != "result")
        return std::nullopt;
    game.Start.First = *first;
    game.Start.Second = *second;
    game.FirstPlayer = f[13] == "A" ? 1 : 2;
    game.End = f[20] == "nomove" ? GameEnd::NoMove : GameEnd::Repeats;
    // The result follows from the pieces; a line whose words disagree with them is not trusted.
    const int result = game.ResultForA();
    if (f[22] != (result > 0 ? "A" : result < 0 ? "B" : "draw")) return std::nullopt;
    return game;
}

void MatchScore::Add(int resultForA) {
    (resultForA > 0 ? Wins : resultForA < 0 ? Losses : Draws) += 1;
}

double MatchScore::Share() const {
    return Games() == 0 ? 0.5 : (Wins + 0.5 * Draws) / Games();
}

double MatchScore::Elo() const {
    return EloOf(Share());
}

// The normal approximation of the mean points per game, carried through the logistic curve.
double MatchScore::EloMargin() const {
    const int n = Games();
    // No games, or a sweep: the difference is unbounded on one side.
    if (n == 0 || !std::isfinite(Elo())) return std::numeric_limits<double>::infinity();
    const double p = Share();
    const double variance = (Wins + 0.25 * Draws) / n - p * p;
    const double deviation = std::sqrt(std::max(0.0, variance) / n);
    const double low = EloOf(p - 1.96 * deviation), high = EloOf(p + 1.96 * deviation);
    return (high - low) / 2;
}

std::string MatchSummaryLine(const SearchSettings& a, const SearchSettings& b, const MatchScore& score) {
    char numbers[96];
    // Rounded before printing, so an even match reads "elo 0" rather than "-0".
    const double elo =
        std::isfinite(score.Elo()) ? static_cast<double>(std::lround(score.Elo())) + 0.0 : score.Elo();
    std::snprintf(numbers, sizeof numbers, "%d-%d-%d score %.1f%% elo %.0f \u00b1 %.0f", score.Wins,
                  score.Draws, score.Losses, 100 * score.Share(), elo == 0 ? 0.0 : elo, score.EloMargin());
    return MatchPlayerName(a) + " vs " + MatchPlayerName(b) + ": " + numbers;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
