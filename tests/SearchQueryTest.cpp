#include <gtest/gtest.h>

#include <string>

#include "rules/Layouts.h"
#include "tools/RandomPositions.h"
#include "tools/SearchQuery.h"

namespace {

std::string StandardGrid() {
    return GridText(StartingGrid(Standard));
}

} // namespace

TEST(SearchQuery, ReadsAWellFormedLine) {
    auto parsed = ParseSearchQuery(StandardGrid() + " 2 3 4 17\r");
    ASSERT_TRUE(std::holds_alternative<SearchQuery>(parsed));
    const SearchQuery& query = std::get<SearchQuery>(parsed);
    EXPECT_EQ(query.Grid, StartingGrid(Standard));
    EXPECT_EQ(query.Side, 2);
    EXPECT_EQ(query.Settings.Algo, HomeMade);
    EXPECT_EQ(query.Settings.Level, 4);
    EXPECT_EQ(query.Settings.Branch, 17);
}

TEST(SearchQuery, BringsLevelAndBranchIntoRange) {
    struct Case {
        std::string level, branch;
        int expectedLevel, expectedBranch;
    };
    for (const Case& c : {Case{"9", "31", 8, 30}, Case{"-1", "2", 0, 3},
                          Case{"99999999999", "-99999999999", 8, 3}, Case{"+3", "0", 3, 3}}) {
        auto parsed = ParseSearchQuery(StandardGrid() + " 1 0 " + c.level + " " + c.branch);
        ASSERT_TRUE(std::holds_alternative<SearchQuery>(parsed)) << c.level << " " << c.branch;
        EXPECT_EQ(std::get<SearchQuery>(parsed).Settings.Level, c.expectedLevel);
        EXPECT_EQ(std::get<SearchQuery>(parsed).Settings.Branch, c.expectedBranch);
    }
}

TEST(SearchQuery, RefusesLinesItCannotRead) {
    std::string outsideNotBlocked = StandardGrid();
    outsideNotBlocked[5] = '0'; // (1,6) lies outside the hexagon
    const std::string bad[] = {
        "",
        StandardGrid() + " 1 0 2",
        StandardGrid() + " 1 0 2 5 6",
        StandardGrid().substr(1) + " 1 0 2 5",
        "4" + StandardGrid().substr(1) + " 1 0 2 5",
        outsideNotBlocked + " 1 0 2 5",
        StandardGrid() + " 3 0 2 5",
        StandardGrid() + " 1 4 2 5",
        StandardGrid() + " 1 -1 2 5",
        StandardGrid() + " 1 0 two 5",
        StandardGrid() + " 1 0 2 5x",
        StandardGrid() + " 1 0 2 99999999999999999999999",
    };
    for (const std::string& line : bad)
        EXPECT_TRUE(std::holds_alternative<std::string>(ParseSearchQuery(line))) << line;
}

TEST(SearchQuery, FormatsAnswers) {
    SearchOutcome move;
    move.NoMove = false;
    move.BestMove = {3, 7, 4, 6, true};
    move.Score = -2;
    EXPECT_EQ(FormatSearchAnswer(move), "move 3 7 4 6 1 score -2");
    move.BestMove.Clone = false;
    EXPECT_EQ(FormatSearchAnswer(move), "move 3 7 4 6 0 score -2");
    SearchOutcome none;
    none.NoMove = true;
    none.Score = -70;
    EXPECT_EQ(FormatSearchAnswer(none), "nomove score -70");
}
