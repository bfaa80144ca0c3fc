#include <gtest/gtest.h>

#include <set>
#include <string>

#include "rules/Board.h"
#include "rules/Layouts.h"
#include "rules/MoveOffsets.h"

TEST(Board, CellValidAcceptsExactlyTheHexagon) {
    for (auto [row, col] : {std::pair{1, 1}, {1, 5}, {5, 1}, {5, 9}, {9, 5}, {9, 9}})
        EXPECT_TRUE(CellValid(row, col));
    for (auto [row, col] : {std::pair{1, 6}, {6, 1}, {0, 3}, {3, 0}, {10, 9}, {9, 10}, {-1, -1}})
        EXPECT_FALSE(CellValid(row, col)) << row << "," << col;
    int count = 0;
    for (int row = -2; row <= 12; ++row)
        for (int col = -2; col <= 12; ++col)
            count += CellValid(row, col);
    EXPECT_EQ(count, 61);
}

TEST(Board, SetUpBlocksMarginOutsideAndHoles) {
    Board board;
    InitBoard(board);
    int empty = 0;
    for (int row = 1; row <= 11; ++row)
        for (int col = 1; col <= 11; ++col) {
            const Cell& cell = board(row, col);
            if (row >= 10 || col >= 10) {
                EXPECT_EQ(cell.Value, Blocked);
            }
            empty += cell.Value == Empty;
        }
    EXPECT_EQ(empty, 58);
    for (const CellPos& hole : Holes) {
        EXPECT_TRUE(CellValid(hole.Row, hole.Col));
        EXPECT_EQ(board(hole.Row, hole.Col).Value, Blocked);
    }

    const HoleList holes = BuildHoleList(board);
    EXPECT_EQ(holes[0].Row, 2);
    EXPECT_EQ(holes[0].Col, 3);
    EXPECT_EQ(holes[1].Row, 4);
    EXPECT_EQ(holes[1].Col, 4);
    EXPECT_EQ(holes[2].Row, 6);
    EXPECT_EQ(holes[2].Col, 5);
    EXPECT_EQ(holes[3].Row, -1);
}

TEST(Board, OffsetsAreSixNeighboursThenTwelveJumpsAndMatchTheTexts) {
    std::set<std::string> clones, jumps;
    for (std::size_t j = 0; j < MoveOffsets.size(); ++j) {
        const Offset o = MoveOffsets[j];
        EXPECT_EQ(HexDistance(o.dRow, o.dCol), j < 6 ? 1 : 2) << "entry " << j + 1;
        const std::string item = "|" + std::to_string(o.dRow) + "," + std::to_string(o.dCol);
        (j < 6 ? clones : jumps).insert(item);
    }
    // The hover test searches "|dRow,dCol" in the texts: that finds exactly distance 1,
    // respectively distance 2, for every difference a pointer on the board can produce.
    for (int dRow = -8; dRow <= 8; ++dRow)
        for (int dCol = -8; dCol <= 8; ++dCol) {
            const std::string item = "|" + std::to_string(dRow) + "," + std::to_string(dCol);
            const int distance = HexDistance(dRow, dCol);
            EXPECT_EQ(CloneOffsetsText.find(item) != std::string_view::npos, distance == 1) << item;
            EXPECT_EQ(JumpOffsetsText.find(item) != std::string_view::npos, distance == 2) << item;
        }
    EXPECT_EQ(clones.size(), 6u);
    EXPECT_EQ(jumps.size(), 12u);
    // (1,1) and (-1,-1) are neighbour differences; (1,-1) and (-1,1) are two cells away.
    EXPECT_EQ(HexDistance(1, 1), 1);
    EXPECT_EQ(HexDistance(-1, -1), 1);
    EXPECT_EQ(HexDistance(1, -1), 2);
    EXPECT_EQ(HexDistance(-1, 1), 2);
}

TEST(Board, LayoutsPlaceTheirPiecesOnEmptyCells) {
    struct Case {
        int variant;
        int pieces;
    };
    for (Case c : {Case{Standard, 9}, Case{American, 3}, Case{Swedish, 3}}) {
        const ValueGrid grid = StartingGrid(c.variant);
        int white = 0, yellow = 0, blocked = 0;
        for (int32_t v : grid.Cells) {
            white += v == Player1;
            yellow += v == Player2;
            blocked += v == Blocked;
        }
        EXPECT_EQ(white, c.pieces);
        EXPECT_EQ(yellow, c.pieces);
        EXPECT_EQ(blocked, 81 - 58);
    }
    EXPECT_EQ(StartingGrid(Standard)(3, 7), Player1);
    EXPECT_EQ(StartingGrid(Standard)(3, 1), Player2);
    EXPECT_EQ(StartingGrid(Swedish)(5, 1), Player1);
    EXPECT_EQ(StartingGrid(American)(5, 1), Player2);
    // An unknown variant places nothing.
    EXPECT_EQ(StartingGrid(0), StartingGrid(4));
    EXPECT_TRUE(LayoutCells(4, 1).empty());
}
