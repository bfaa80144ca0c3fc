// tessaron-bench: times the fast engine against the literal one on fixed positions, and with
// --verify compares their answers on many seeded random positions.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "BenchPositions.h"
#include "RandomPositions.h"
#include "SearchQuery.h"
#include "ai/FastSearch.h"
#include "ai/ReferenceSearch.h"

namespace {

using Clock = std::chrono::steady_clock;

const char* const AlgoNames[] = {"Complete", "Branch and Bound", "Alpha-Beta", "Home Made"};

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

// The deepest level at which the literal search finishes in reasonable time on every set.
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
// the worst over the middle games and the four algorithms.
void MeasureStopLatency(FastEngine& engine) {
    double worst = 0;
    for (int algo : {Complete, BranchAndBound, AlphaBeta, HomeMade})
        for (const BenchPosition& position : BenchPositions()) {
            if (std::strcmp(position.Set, "middle") != 0) continue;
            engine.ClearTable();
            Deadline deadline(0.2);
            const auto start = Clock::now();
            const SearchOutcome outcome = engine.Search(GridOf(position), position.Side,
                                                        MakeSearchSettings(algo, MaxLevel, 30), &deadline);
            const double late = std::chrono::duration<double>(Clock::now() - start).count() - 0.2;
            if (outcome.Stopped) worst = std::max(worst, late);
        }
    std::printf("stop request during a level-8 search: honoured within %s\n", FormatSeconds(worst).c_str());
}

int RunBenchmark(int minLevel, int maxLevel, double cap, bool withReference, int onlyAlgo,
                 const std::string& onlySet) {
    FastEngine engine;
    std::printf("transposition table: %zu MiB\n", engine.TableBytes() >> 20);
    if (maxLevel == MaxLevel) MeasureStopLatency(engine);
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
                std::printf("%-17s %-8s %5d %12s %12s %14s %12.3g %10s %s\n", AlgoNames[algo], set, level,
                            refText.c_str(), FormatSeconds(fastMedian).c_str(), FormatSeconds(worst).c_str(),
                            nodes / fastTotal, ratioText.c_str(), answers.c_str());
                std::fflush(stdout);
                if (timeouts) break; // deeper levels would only hit the cap too
            }
        }
    }
    return mismatches == 0 ? 0 : 1;
}

int RunVerify(int count, uint32_t firstSeed) {
    FastEngine engine;
    int mismatches = 0;
    long queries = 0;
    const auto start = Clock::now();
    for (int i = 0; i < count; ++i) {
        const uint32_t seed = firstSeed + static_cast<uint32_t>(i);
        int side = 1;
        const ValueGrid grid = DifferentialPosition(seed, side);
        const int moves = static_cast<int>(LegalMoves(grid, side).size());
        for (int algo : {Complete, BranchAndBound, AlphaBeta, HomeMade}) {
            // Level 4 where the literal search is quick enough, else 3.
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

} // namespace

int main(int argc, char** argv) {
    int minLevel = 0, maxLevel = MaxLevel, onlyAlgo = -1;
    std::string onlySet;
    double cap = 30;
    bool withReference = true;
    int verify = 0;
    uint32_t seed = 1;
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
        else if (arg == "--seed" && hasValue)
            seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        else {
            std::fprintf(stderr, "usage: tessaron-bench [--min-level L] [--max-level L] [--algo 0-3] [--set "
                                 "opening|middle|end]\n"
                                 "                      [--cap SECONDS] [--no-reference]\n"
                                 "       tessaron-bench --verify POSITIONS [--seed S]\n");
            return 2;
        }
    }
    return verify ? RunVerify(verify, seed)
                  : RunBenchmark(minLevel, maxLevel, cap, withReference, onlyAlgo, onlySet);
}
