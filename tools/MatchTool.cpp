// tessaron-match: plays games between two computer players without a window and rates the
// first against the second. Games are played several at a time, one per thread, each thread
// with an engine of its own searching on that thread alone.
#include <algorithm>
#include <atomic>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "tools/MatchPlay.h"

namespace {

constexpr const char* Usage =
    "usage: tessaron-match --a ALGO:LEVEL[:BRANCH] --b ALGO:LEVEL[:BRANCH] [--games N] [--seed S]\n"
    "                      [--threads T] [--results FILE]\n"
    "ALGO 0 Complete, 1 Branch and Bound, 2 Alpha-Beta, 3 Home Made; LEVEL 0 to 8; BRANCH 3 to 30 (5)\n"
    "--games: how many games (100), each opening twice with the colours swapped\n"
    "--seed: draws the openings (1); the same seed gives the same games\n"
    "--threads: games played at a time (one per core)\n"
    "--results: a line a game is appended to FILE; games already in it are not played again\n";

int Refuse(const std::string& why) {
    std::cerr << "tessaron-match: " << why << "\n" << Usage;
    return 2;
}

template <typename Number> bool ReadNumber(const char* text, Number& value) {
    const char* end = text + std::strlen(text);
    auto [ptr, ec] = std::from_chars(text, end, value);
    return ec == std::errc() && ptr == end && ptr != text;
}

// A copy of its game lines in a results file, read back when the match is resumed.
std::map<int, MatchGame> ReadResults(const std::string& path, const SearchSettings& a,
                                     const SearchSettings& b, uint64_t seed) {
    std::map<int, MatchGame> games;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line))
        if (const std::optional<MatchGame> game = ParseMatchGameLine(line, a, b, seed))
            games.emplace(game->Index, *game);
    return games;
}

} // namespace

int main(int argc, char** argv) {
    std::optional<SearchSettings> a, b;
    int games = 100;
    uint64_t seed = 1;
    int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    std::string resultsPath;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) return Refuse("'" + arg + "' needs a value");
        const char* value = argv[++i];
        if (arg == "--a" || arg == "--b") {
            auto parsed = ParseMatchPlayer(value);
            if (auto* error = std::get_if<std::string>(&parsed)) return Refuse(*error);
            (arg == "--a" ? a : b) = std::get<SearchSettings>(parsed);
        } else if (arg == "--games") {
            if (!ReadNumber(value, games) || games < 1 || games > 1000000)
                return Refuse("--games needs a count from 1 to 1000000");
        } else if (arg == "--seed") {
            if (!ReadNumber(value, seed)) return Refuse("--seed needs a whole number from 0 up");
        } else if (arg == "--threads") {
            if (!ReadNumber(value, threads) || threads < 1 || threads > 64)
                return Refuse("--threads needs a count from 1 to 64");
        } else if (arg == "--results") {
            resultsPath = value;
        } else {
            return Refuse("unknown argument '" + arg + "'");
        }
    }
    if (!a || !b) return Refuse("both --a and --b are needed");

    const std::vector<Opening> openings = ShuffledOpenings(seed);
    if (games > 2 * static_cast<int>(openings.size()))
        std::cerr << "tessaron-match: only " << openings.size() << " openings; games beyond "
                  << 2 * openings.size() << " repeat earlier ones\n";

    std::vector<std::optional<MatchGame>> finished(games);
    std::ofstream results;
    if (!resultsPath.empty()) {
        for (auto& [index, game] : ReadResults(resultsPath, *a, *b, seed))
            if (index < games) finished[index] = game;
        // A line cut short by an interrupted run is ended, so the next one starts on its own.
        std::ifstream last(resultsPath, std::ios::binary | std::ios::ate);
        const bool cutShort = last && last.tellg() > 0 && (last.seekg(-1, std::ios::end), last.get() != '\n');
        results.open(resultsPath, std::ios::app);
        if (!results) {
            std::cerr << "tessaron-match: cannot write " << resultsPath << "\n";
            return 1;
        }
        if (cutShort) results << '\n';
    }

    std::mutex mutex;
    MoveTimes times;
    MatchScore score;
    int printed = 0;
    std::string failure;
    // Lines come out in game order whatever order the threads finish in.
    auto printReady = [&] {
        while (printed < games && finished[printed]) {
            std::cout << MatchGameLine(*a, *b, seed, *finished[printed]) << '\n';
            score.Add(finished[printed]->ResultForA());
            ++printed;
        }
        std::cout.flush();
    };
    {
        const std::lock_guard lock(mutex);
        printReady();
    }
    std::atomic<int> next{0};
    auto work = [&] {
        FastEngine engine(17, 1);
        MoveTimes own;
        try {
            for (int index = next++; index < games; index = next++) {
                {
                    const std::lock_guard lock(mutex);
                    if (finished[index] || !failure.empty()) continue;
                }
                const MatchGame game = PlayMatchGame(PlannedGame(openings, index), *a, *b, engine, &own);
                const std::lock_guard lock(mutex);
                finished[index] = game;
                if (results) results << MatchGameLine(*a, *b, seed, game) << std::endl;
                printReady();
            }
        } catch (const std::exception& error) {
            const std::lock_guard lock(mutex);
            failure = error.what();
        }
        const std::lock_guard lock(mutex);
        times.A.insert(times.A.end(), own.A.begin(), own.A.end());
        times.B.insert(times.B.end(), own.B.begin(), own.B.end());
    };
    std::vector<std::thread> workers;
    for (int t = 0; t < std::min(threads, games); ++t)
        workers.emplace_back(work);
    for (std::thread& worker : workers)
        worker.join();
    if (!failure.empty()) {
        std::cerr << "tessaron-match: " << failure << "\n";
        return 1;
    }
    if (results && !results.flush()) {
        std::cerr << "tessaron-match: writing " << resultsPath << " failed\n";
        return 1;
    }
    std::vector<double> all = times.A;
    all.insert(all.end(), times.B.begin(), times.B.end());
    std::printf("times %s median %.6f s a move over %zu searches, %s median %.6f s over %zu, "
                "together %.6f s over %zu\n",
                MatchPlayerName(*a).c_str(), Median(times.A), times.A.size(), MatchPlayerName(*b).c_str(),
                Median(times.B), times.B.size(), Median(all), all.size());
    std::cout << MatchSummaryLine(*a, *b, score) << std::endl;
    return 0;
}
