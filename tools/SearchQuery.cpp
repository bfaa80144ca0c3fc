#include "tools/SearchQuery.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
            ++pos;
        const std::size_t start = pos;
        while (pos < line.size() && line[pos] != ' ' && line[pos] != '\t')
            ++pos;
        if (pos > start) fields.push_back(line.substr(start, pos - start));
    }
    return fields;
}

bool ParseInteger(std::string_view text, int64_t& value) {
    const char* end = text.data() + text.size();
    const char* begin = text.data();
    if (begin != end && *begin == '+') ++begin;
    auto [ptr, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() && ptr == end && begin != end;
}

// Settings are 32-bit values: saturate anything larger before the range clamp.
int SaturateToInt(int64_t value) {
    if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

} // namespace

std::variant<SearchQuery, std::string> ParseSearchQuery(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::vector<std::string_view> fields = SplitFields(line);
    if (fields.size() != 5) return std::string("expected 5 fields: GRID SIDE ALGO LEVEL BRANCH");

    SearchQuery query;
    const std::string_view grid = fields[0];
    if (grid.size() != 81) return std::string("grid must have 81 cells");
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            const char c = grid[(row - 1) * 9 + (col - 1)];
            if (c < '0' || c > '3') return std::string("grid cells must be 0 to 3");
            if (!CellValid(row, col) && c != '3') return std::string("cells outside the board must be 3");
            query.Grid(row, col) = c - '0';
        }

    int64_t side = 0, algo = 0, level = 0, branch = 0;
    if (!ParseInteger(fields[1], side) || (side != 1 && side != 2)) return std::string("side must be 1 or 2");
    if (!ParseInteger(fields[2], algo) || algo < 0 || algo > 3)
        return std::string("algorithm must be 0 to 3");
    if (!ParseInteger(fields[3], level)) return std::string("level must be an integer");
    if (!ParseInteger(fields[4], branch)) return std::string("branch must be an integer");
    query.Side = static_cast<int>(side);
    query.Settings = MakeSearchSettings(static_cast<int>(algo), SaturateToInt(level), SaturateToInt(branch));
    return query;
}

std::string FormatSearchAnswer(const SearchOutcome& outcome) {
    if (outcome.NoMove) return "nomove score " + std::to_string(outcome.Score);
    const Move& m = outcome.BestMove;
    return "move " + std::to_string(m.FromRow) + ' ' + std::to_string(m.FromCol) + ' ' +
           std::to_string(m.ToRow) + ' ' + std::to_string(m.ToCol) + ' ' + (m.Clone ? '1' : '0') + " score " +
           std::to_string(outcome.Score);
}
