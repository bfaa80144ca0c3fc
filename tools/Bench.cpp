// tessaron-bench: times the fast engine against the reference one on fixed positions, and with
// --verify compares their answers on many seeded random positions.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "ai/FastSearch.h"
#include "ai/MoveReview.h"
#include "ai/ReferenceSearch.h"
#include "ai/SearchSettings.h"
#include "rules/Layouts.h"
#include "rules/LegalMoves.h"
#include "tools/BenchPositions.h"
#include "tools/RandomPositions.h"
#include "tools/RecordedAnswers.h"
#include "tools/SearchQuery.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int BusyCount = 10;

// Stops a search once its time is up.
class Deadline final : public SearchProgress {
  public:
    explicit Deadline(double seconds)
        : m_end(Clock::now() +
                std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds))) {}
    void SetMaximum(int) override {}
    bool Step() override { return ShouldStop(); }
    bool ShouldStop() const override { return Clock::now() > m_end; }

  private:
    Clock::time_point m_end;
};

ValueGrid GridOf(const BenchPosition& position) {
    ValueGrid grid;
    for (int i = 0; i < 81; ++i)
        grid.Cells[i] = position.Grid[i] - '0';
    return grid;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Timed {
    SearchOutcome Outcome;
    double Seconds = 0;
    uint64_t Nodes = 0;
};

// A search is timed by its fastest of several runs (three at least, more while the runs
// together take under 20 ms), which keeps other load on the machine out of the figures.
// Every run of the fast engine starts with an empty transposition table.
template <typename Run> Timed TimeRuns(Run run) {
    Timed timed;
    double total = 0;
    for (int runs = 0; runs < 3 || (total < 0.02 && runs < 2000); ++runs) {
        const auto start = Clock::now();
        uint64_t nodes = 0;
        timed.Outcome = run(nodes);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (runs == 0 || seconds < timed.Seconds) {
            timed.Seconds = seconds;
            timed.Nodes = nodes;
        }
        total += seconds;
        if (seconds > 1) break; // long searches are steady enough with one run
    }
    return timed;
}

Timed TimeFast(FastEngine& engine, const ValueGrid& grid, int side, const SearchSettings& settings,
               double cap) {
    return TimeRuns([&](uint64_t& nodes) {
        engine.ClearTable();
        Deadline deadline(cap);
        const SearchOutcome outcome = engine.Search(grid, side, settings, &deadline);
        nodes = engine.NodeCount();
        return outcome;
    });
}

Timed TimeReference(const ValueGrid& grid, int side, const SearchSettings& settings) {
    return TimeRuns(
        [&](uint64_t&) { return SearchTopLevel(EngineKind::Reference, grid, side, settings, nullptr); });
}

std::string FormatSeconds(double s) {
    char text[32];
    if (s < 1e-3)
        std::snprintf(text, sizeof text, "%.1f us", s * 1e6);
    else if (s < 1)
        std::snprintf(text, sizeof text, "%.2f ms", s * 1e3);
    else
        std::snprintf(text, sizeof text, "%.2f s", s);
    return text;
}

// The deepest level at which the reference search finishes in reasonable time on every set.
int ReferenceMaxLevel(int algo) {
    switch (algo) {
    case Complete:
        return 3;
    case HomeMade:
        return 3;
    default:
        return 4;
    }
}

// How long a level-8 search takes to give up after a stop request made 200 ms into it,
// the worst over the given positions and the four algorithms, on all the engine's threads.
void MeasureStopLatency(FastEngine& engine, const std::vector<std::pair<ValueGrid, int>>& positions) {
    double worst = 0;
    std::vector<double> all;
    for (int algo : {Complete, BranchAndBound, AlphaBeta, HomeMade})
        for (const auto& [grid, side] : positions) {
            engine.ClearTable();
            Deadline deadline(0.2);
            const auto start = Clock::now();
            const SearchOutcome outcome =
                engine.Search(grid, side, MakeSearchSettings(algo, MaxLevel, 30), &deadline);
            const double late = std::chrono::duration<double>(Clock::now() - start).count() - 0.2;
            if (!outcome.Stopped) continue;
            worst = std::max(worst, late);
            all.push_back(late);
        }
    if (all.empty()) return;
    std::printf("stop request during a level-8 search on %d threads: honoured within %s (median %s)\n",
                engine.Threads(), FormatSeconds(worst).c_str(), FormatSeconds(Median(all)).c_str());
}

std::vector<std::pair<ValueGrid, int>> MiddleGames() {
    std::vector<std::pair<ValueGrid, int>> positions;
    for (const BenchPosition& position : BenchPositions())
        if (std::strcmp(position.Set, "middle") == 0) positions.emplace_back(GridOf(position), position.Side);
    return positions;
}

int RunBenchmark(int minLevel, int maxLevel, double cap, bool withReference, int onlyAlgo,
                 const std::string& onlySet, int threads) {
    FastEngine engine(FastEngine::DefaultTableLog2, threads);
    std::printf("transposition table: %zu MiB; %d threads, engine memory %zu MiB\n",
                engine.TableBytes() >> 20, threads, engine.MemoryBytes() >> 20);
    if (maxLevel == MaxLevel) MeasureStopLatency(engine, MiddleGames());
    std::printf("%-17s %-8s %5s %12s %12s %14s %12s %10s %s\n", "algorithm", "set", "level", "ref median",
                "fast median", "fast worst", "fast nodes/s", "ref/fast", "answers");
    int mismatches = 0;
    for (int algo : {Complete, BranchAndBound, AlphaBeta, HomeMade}) {
        if (onlyAlgo >= 0 && algo != onlyAlgo) continue;
        for (const char* set : {"opening", "middle", "end"}) {
            if (!onlySet.empty() && onlySet != set) continue;
            for (int level = minLevel; level <= maxLevel; ++level) {
                const SearchSettings settings = MakeSearchSettings(algo, level, 30);
                const bool reference = withReference && level <= ReferenceMaxLevel(algo);
                std::vector<double> fastTimes, refTimes;
                uint64_t nodes = 0;
                double fastTotal = 0;
                int timeouts = 0, differing = 0;
                for (const BenchPosition& position : BenchPositions()) {
                    if (std::strcmp(position.Set, set) != 0) continue;
                    const ValueGrid grid = GridOf(position);
                    const Timed fast = TimeFast(engine, grid, position.Side, settings, cap);
                    if (fast.Outcome.Stopped) ++timeouts;
                    fastTimes.push_back(fast.Seconds);
                    fastTotal += fast.Seconds;
                    nodes += fast.Nodes;
                    if (reference) {
                        const Timed ref = TimeReference(grid, position.Side, settings);
                        refTimes.push_back(ref.Seconds);
                        if (FormatSearchAnswer(ref.Outcome) != FormatSearchAnswer(fast.Outcome)) ++differing;
                    }
                }
                mismatches += differing;
                const double fastMedian = Median(fastTimes);
                const double worst = *std::max_element(fastTimes.begin(), fastTimes.end());
                std::string refText = "-", ratioText = "-", answers = reference ? "same" : "";
                if (reference) {
                    const double refMedian = Median(refTimes);
                    refText = FormatSeconds(refMedian);
                    char ratio[32];
                    std::snprintf(ratio, sizeof ratio, "%.0f", refMedian / fastMedian);
                    ratioText = ratio;
                    if (differing) answers = std::to_string(differing) + " DIFFERENT";
                }
                if (timeouts) answers += " " + std::to_string(timeouts) + " stopped at the time cap";
                std::printf("%-17s %-8s %5d %12s %12s %14s %12.3g %10s %s\n", AlgorithmNames[algo].data(),
                            set, level, refText.c_str(), FormatSeconds(fastMedian).c_str(),
                            FormatSeconds(worst).c_str(), nodes / fastTotal, ratioText.c_str(),
                            answers.c_str());
                std::fflush(stdout);
                if (timeouts) break; // deeper levels would only hit the cap too
            }
        }
    }
    return mismatches == 0 ? 0 : 1;
}

int RunVerify(int count, uint32_t firstSeed, int threads) {
    FastEngine engine(FastEngine::DefaultTableLog2, threads);
    int mismatches = 0;
    long queries = 0;
    const auto start = Clock::now();
    for (int i = 0; i < count; ++i) {
        const uint32_t seed = firstSeed + static_cast<uint32_t>(i);
        int side = 1;
        const ValueGrid grid = DifferentialPosition(seed, side);
        const int moves = static_cast<int>(LegalMoves(grid, side).size());
        for (int algo : {Complete, BranchAndBound, AlphaBeta, HomeMade}) {
            // Level 4 where the reference search is quick enough, else 3.
            const int deepest = algo == Complete ? (moves <= 25 ? 4 : moves <= 70 ? 3 : 2) : 4;
            for (int level = 0; level <= deepest; ++level) {
                const int branch = 3 + static_cast<int>((seed * 7 + level * 5 + algo) % 28);
                const SearchSettings settings = MakeSearchSettings(algo, level, branch);
                const std::string expected =
                    FormatSearchAnswer(SearchTopLevel(EngineKind::Reference, grid, side, settings, nullptr));
                const std::string actual = FormatSearchAnswer(engine.Search(grid, side, settings, nullptr));
                ++queries;
                if (expected != actual) {
                    ++mismatches;
                    std::printf("DIFFERENT %s %d %d %d %d: reference '%s', fast '%s'\n",
                                GridText(grid).c_str(), side, algo, level, branch, expected.c_str(),
                                actual.c_str());
                }
            }
        }
    }
    std::printf("%ld queries on %d positions, %d different, %.1f s\n", queries, count, mismatches,
                std::chrono::duration<double>(Clock::now() - start).count());
    return mismatches == 0 ? 0 : 1;
}

// Level 8 on the busiest positions, each searched with one thread and then with `threads`,
// one after the other, so that both see the same load on the machine. The answers must agree.
int RunBusy(int level, int threads, int onlyAlgo, double cap) {
    const std::vector<BusyPosition> positions = BusiestPositions(BusyCount);
    FastEngine engine(FastEngine::DefaultTableLog2, threads);
    std::printf("busiest positions, level %d, branch 30; legal moves:", level);
    for (const BusyPosition& position : positions)
        std::printf(" %d", position.Moves);
    std::printf("\nengine memory with %d threads: %zu MiB\n", threads, engine.MemoryBytes() >> 20);
    std::vector<std::pair<ValueGrid, int>> busy;
    for (const BusyPosition& position : positions)
        busy.emplace_back(position.Grid, position.Side);
    MeasureStopLatency(engine, busy);
    std::printf("%-17s %10s %12s %12s %12s %12s %9s %9s %s\n", "algorithm", "nodes", "1 median", "1 worst",
                (std::to_string(threads) + " median").c_str(), (std::to_string(threads) + " worst").c_str(),
                "speed-up", "(range)", "answers");
    int mismatches = 0;
    for (int algo : {Complete, BranchAndBound, AlphaBeta, HomeMade}) {
        if (onlyAlgo >= 0 && algo != onlyAlgo) continue;
        const SearchSettings settings = MakeSearchSettings(algo, level, 30);
        std::vector<double> one, many, ratios, nodes;
        int differing = 0, timeouts = 0;
        for (const BusyPosition& position : positions) {
            engine.SetThreads(1);
            const Timed single = TimeFast(engine, position.Grid, position.Side, settings, cap);
            engine.SetThreads(threads);
            const Timed parallel = TimeFast(engine, position.Grid, position.Side, settings, cap);
            one.push_back(single.Seconds);
            nodes.push_back(static_cast<double>(single.Nodes));
            many.push_back(parallel.Seconds);
            ratios.push_back(single.Seconds / parallel.Seconds);
            timeouts += single.Outcome.Stopped + parallel.Outcome.Stopped;
            if (FormatSearchAnswer(single.Outcome) != FormatSearchAnswer(parallel.Outcome)) {
                ++differing;
                std::printf("DIFFERENT %s %d %d: 1 thread '%s', %d threads '%s'\n",
                            GridText(position.Grid).c_str(), position.Side, algo,
                            FormatSearchAnswer(single.Outcome).c_str(), threads,
                            FormatSearchAnswer(parallel.Outcome).c_str());
            }
        }
        mismatches += differing;
        char range[32];
        std::snprintf(range, sizeof range, "%.2f-%.2f", *std::min_element(ratios.begin(), ratios.end()),
                      *std::max_element(ratios.begin(), ratios.end()));
        std::string answers = differing ? std::to_string(differing) + " DIFFERENT" : "same";
        if (timeouts) answers += " " + std::to_string(timeouts) + " stopped at the time cap";
        std::printf("%-17s %10.3g %12s %12s %12s %12s %8.2fx %9s %s\n", AlgorithmNames[algo].data(),
                    Median(nodes), FormatSeconds(Median(one)).c_str(),
                    FormatSeconds(*std::max_element(one.begin(), one.end())).c_str(),
                    FormatSeconds(Median(many)).c_str(),
                    FormatSeconds(*std::max_element(many.begin(), many.end())).c_str(), Median(ratios), range,
                    answers.c_str());
        std::fflush(stdout);
    }
    return mismatches == 0 ? 0 : 1;
}

// The recorded level-8 answers, searched again (each with a cold table) on `threads`.
int CheckRecordedAnswers(int threads) {
    FastEngine engine(FastEngine::DefaultTableLog2, threads);
    int differing = 0, checked = 0;
    const auto start = Clock::now();
    for (const RecordedAnswer& recorded : RecordedLevel8Answers()) {
        const auto parsed =
            ParseSearchQuery(std::string(recorded.Grid) + ' ' + std::to_string(recorded.Side) + ' ' +
                             std::to_string(recorded.Algo) + " 8 30");
        const SearchQuery& query = std::get<SearchQuery>(parsed);
        engine.ClearTable();
        const std::string answer =
            FormatSearchAnswer(engine.Search(query.Grid, query.Side, query.Settings, nullptr));
        ++checked;
        if (answer != recorded.Answer) {
            ++differing;
            std::printf("DIFFERENT %s %d %d: recorded '%s', now '%s'\n", recorded.Grid, recorded.Side,
                        recorded.Algo, recorded.Answer, answer.c_str());
        }
    }
    std::printf("%d recorded level-8 answers checked on %d threads, %d different, %.1f s\n", checked, threads,
                differing, std::chrono::duration<double>(Clock::now() - start).count());
    return differing == 0 ? 0 : 1;
}

// The busiest positions as search tool queries at level 8 (all four algorithms, branch 30),
// for recording answers with any build of the search tool.
int ListBusy() {
    for (const BusyPosition& position : BusiestPositions(BusyCount))
        for (int algo : {Complete, BranchAndBound, AlphaBeta, HomeMade})
            std::printf("%s %d %d %d 30\n", GridText(position.Grid).c_str(), position.Side, algo, MaxLevel);
    return 0;
}

// A game of 75 moves between the engine at levels 2 and 1, every fifth move drawn from the
// seed: a game like one a player would want reviewed.
GameRecord ReviewedGame(uint32_t seed) {
    for (;; ++seed) {
        std::mt19937 random(seed);
        GameRecord record(GamePosition{StartingGrid(Standard), 1});
        while (record.Size() < 75) {
            const GamePosition& position = record.Current();
            const std::vector<Move> legal = LegalMoves(position.Grid, position.ToMove);
            if (legal.empty()) break;
            const Move move =
                record.Size() < 2 || random() % 5 == 0
                    ? legal[random() % legal.size()]
                    : SearchTopLevel(EngineKind::Fast, position.Grid, position.ToMove,
                                     MakeSearchSettings(AlphaBeta, position.ToMove == 1 ? 2 : 1, 5), nullptr)
                          .BestMove;
            record.Play(move);
        }
        if (record.Size() == 75) return record;
    }
}

// The review of a 75-move game (as the Move List's graph makes it) at levels 4 and 6: the
// first run, with nothing found before, and the median of the runs.
int RunReview(int runs, uint32_t seed, int threads) {
    SetSearchThreads(threads);
    const GameRecord game = ReviewedGame(seed);
    for (int level : {4, 6}) {
        std::vector<double> seconds;
        for (int run = 0; run < runs; ++run) {
            ReviewSearches searches;
            const auto start = Clock::now();
            const std::vector<MoveReview> reviews = ReviewGame(searches, game, level);
            seconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
            if (reviews.size() != game.Size()) return 1;
        }
        std::printf("review of a %zu-move game at level %d on %d threads: first run %.3f s, median %.3f s of "
                    "%d runs\n",
                    game.Size(), level, threads, seconds.front(), Median(seconds), runs);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    int minLevel = 0, maxLevel = MaxLevel, onlyAlgo = -1;
    std::string onlySet;
    double cap = 30;
    bool withReference = true;
    int verify = 0;
    uint32_t seed = 1;
    int threads = DefaultSearchThreads();
    bool busy = false, checkAnswers = false;
    int review = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--max-level" && hasValue)
            maxLevel = std::clamp(std::atoi(argv[++i]), 0, MaxLevel);
        else if (arg == "--min-level" && hasValue)
            minLevel = std::clamp(std::atoi(argv[++i]), 0, MaxLevel);
        else if (arg == "--algo" && hasValue)
            onlyAlgo = std::clamp(std::atoi(argv[++i]), 0, 3);
        else if (arg == "--set" && hasValue)
            onlySet = argv[++i];
        else if (arg == "--cap" && hasValue)
            cap = std::atof(argv[++i]);
        else if (arg == "--no-reference")
            withReference = false;
        else if (arg == "--verify" && hasValue)
            verify = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--threads" && hasValue)
            threads = std::clamp(std::atoi(argv[++i]), 1, 64);
        else if (arg == "--busy")
            busy = true;
        else if (arg == "--check-answers")
            checkAnswers = true;
        else if (arg == "--review" && hasValue)
            review = std::clamp(std::atoi(argv[++i]), 1, 100);
        else if (arg == "--list-busy")
            return ListBusy();
        else if (arg == "--seed" && hasValue)
            seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        else {
            std::fprintf(
                stderr,
                "usage: tessaron-bench [--min-level L] [--max-level L] [--algo 0-3] [--set "
                "opening|middle|end]\n"
                "                      [--cap SECONDS] [--no-reference] [--threads N]\n"
                "       tessaron-bench --busy [--max-level L] [--algo 0-3] [--cap SECONDS] [--threads N]\n"
                "       tessaron-bench --list-busy\n"
                "       tessaron-bench --verify POSITIONS [--seed S]\n"
                "       tessaron-bench --review RUNS [--seed S] [--threads N]\n");
            return 2;
        }
    }
    if (busy) return RunBusy(maxLevel, threads, onlyAlgo, cap);
    if (checkAnswers) return CheckRecordedAnswers(threads);
    if (review) return RunReview(review, seed, threads);
    return verify ? RunVerify(verify, seed, threads)
                  : RunBenchmark(minLevel, maxLevel, cap, withReference, onlyAlgo, onlySet, threads);
}
