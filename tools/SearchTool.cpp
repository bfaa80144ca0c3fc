// tessaron-search: answers search queries read line by line from standard input, one
// flushed line of output per line of input, so other programs can drive it interactively.
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "tools/SearchQuery.h"

int main(int argc, char** argv) {
    EngineKind engine = EngineKind::Fast;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--engine") == 0 && i + 1 < argc) {
            const std::string name = argv[++i];
            if (name == "reference")
                engine = EngineKind::Reference;
            else if (name == "fast")
                engine = EngineKind::Fast;
            else {
                std::cerr << "unknown engine '" << name << "' (reference or fast)\n";
                return 2;
            }
        } else if (std::strcmp(argv[i], "--threads") == 0 && i + 1 < argc) {
            const int threads = std::atoi(argv[++i]);
            if (threads < 1) {
                std::cerr << "--threads needs a count of at least 1\n";
                return 2;
            }
            SetSearchThreads(threads);
        } else {
            std::cerr << "usage: tessaron-search [--engine reference|fast] [--threads N] < queries\n"
                         "--threads: the fast engine's threads, one per core by default\n"
                         "each line: GRID SIDE ALGO LEVEL BRANCH\n";
            return 2;
        }
    }

    std::string line;
    while (std::getline(std::cin, line)) {
        auto parsed = ParseSearchQuery(line);
        if (auto* error = std::get_if<std::string>(&parsed)) {
            std::cout << "error " << *error << std::endl;
            continue;
        }
        const SearchQuery& query = std::get<SearchQuery>(parsed);
        const SearchOutcome outcome = SearchTopLevel(engine, query.Grid, query.Side, query.Settings, nullptr);
        std::cout << FormatSearchAnswer(outcome) << std::endl;
    }
    return 0;
}
