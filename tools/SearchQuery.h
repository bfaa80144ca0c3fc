#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "ai/Engine.h"
#include "rules/ValueGrid.h"

// One line of the search tool's input: `GRID SIDE ALGO LEVEL BRANCH`.
struct SearchQuery {
    ValueGrid Grid;
    int Side = 1;
    SearchSettings Settings; // level and branch already brought into range
};

// A query, or the reason why the line cannot be read.
std::variant<SearchQuery, std::string> ParseSearchQuery(std::string_view line);

// `move FR FC TR TC K score S` (K 1 for a clone, 0 for a jump) or `nomove score S`.
std::string FormatSearchAnswer(const SearchOutcome& outcome);
