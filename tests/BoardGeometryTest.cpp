#include <algorithm>
#include <gtest/gtest.h>

#include "view/BoardGeometry.h"

namespace {

TEST(BoardGeometry, HexSizeFollowsTheLimitingSide) {
    struct Case {
        int Width, Height, Expected;
    };
    for (const Case& c : {
             Case{481, 389, 16}, // design size, width rule: trunc(451 / 27)
             Case{600, 400, 16}, // height rule: trunc(285 / 17)
             Case{400, 600, 13}, // width rule: trunc(370 / 27)
             Case{900, 700, 32}, // width rule: 1.3 x 700 >= 900, trunc(870 / 27)
             Case{900, 600, 28}, // height rule: trunc(485 / 17)
             Case{40, 40, 1},    // trunc(10 / 27) = 0: never below 1
             Case{10, 10, 1},    // a negative quotient
             Case{200, 50, 1},   // height rule, negative
         })
        EXPECT_EQ(HexSizeFor(c.Width, c.Height), c.Expected) << c.Width << " x " << c.Height;
}

TEST(BoardGeometry, TheOriginStaysAt20UntilTheLeftPointsWouldLeaveTheSurface) {
    // Up to S = 20 every pixel is where the fixed origin puts it; beyond, the left points
    // of row 1 stay on x = 0 instead of going off the surface.
    for (int s = 1; s <= 20; ++s)
        EXPECT_EQ(CellAnchor(1, 1, s), QPoint(20, 20 + 4 * s)) << s;
    for (int s : {21, 34, 46})
        EXPECT_EQ(CellHexagon(1, 1, s).boundingRect().left(), 0) << s;
}

TEST(BoardGeometry, TheLargestBoardInsideASurfaceFitsExactly) {
    struct Case {
        int Width, Height, Expected;
    };
    for (const Case& c : {
             Case{479, 316, 16},  // the design window's surface under a window manager
             Case{1198, 824, 42}, // a 1200 x 900 window: 28 S <= 1197
             Case{2000, 300, 15}, // the height limits: 20 + 18 S <= 299
             Case{580, 2000, 20}, // 20 + 27 S <= 579, the last size with the origin at 20
             Case{588, 2000, 20}, // 28 x 21 = 588 does not fit in 587
             Case{589, 2000, 21},
             Case{10, 10, 1},
         }) {
        const int s = LargestHexSizeInside(c.Width, c.Height);
        EXPECT_EQ(s, c.Expected) << c.Width << " x " << c.Height;
        if (c.Expected == 1) continue;
        // The whole board (points, flat tops and bottoms) is inside, and one size more is not.
        auto inside = [&](int size) {
            QRect board;
            for (int row = 1; row <= 9; ++row)
                for (int col = 1; col <= 9; ++col)
                    if (CellValid(row, col)) board |= CellHexagon(row, col, size).boundingRect();
            return QRect(0, 0, c.Width, c.Height).contains(board);
        };
        EXPECT_TRUE(inside(s)) << c.Width << " x " << c.Height;
        EXPECT_FALSE(inside(s + 1)) << c.Width << " x " << c.Height;
    }
}

TEST(BoardGeometry, AnchorsOfTheCornersAndHoles) {
    for (int s : {1, 10, 16, 34}) {
        EXPECT_EQ(CellAnchor(5, 1, s), QPoint(BoardLeft(s) + 12 * s, BoardTop)) << s;
        EXPECT_EQ(CellAnchor(1, 1, s), QPoint(BoardLeft(s), BoardTop + 4 * s)) << s;
        EXPECT_EQ(CellAnchor(9, 9, s), QPoint(BoardLeft(s) + 24 * s, BoardTop + 12 * s)) << s;
        for (const CellPos hole : {CellPos{3, 4}, CellPos{5, 5}, CellPos{7, 6}})
            EXPECT_EQ(CellAnchor(hole.Row, hole.Col, s).y(), BoardTop + 8 * s) << s;
    }
}

TEST(BoardGeometry, NeighbouringHexagonsShareAnEdge) {
    // Each neighbour shares exactly two vertices; cells further away share none.
    const int s = 16;
    const QPolygon centre = CellHexagon(5, 5, s);
    auto shared = [&](int row, int col) {
        int count = 0;
        for (const QPoint& p : CellHexagon(row, col, s))
            count += centre.contains(p) ? 1 : 0;
        return count;
    };
    for (const CellPos n :
         {CellPos{5, 4}, CellPos{4, 5}, CellPos{4, 4}, CellPos{5, 6}, CellPos{6, 5}, CellPos{6, 6}})
        EXPECT_EQ(shared(n.Row, n.Col), 2) << n.Row << "," << n.Col;
    for (const CellPos far : {CellPos{6, 4}, CellPos{4, 6}, CellPos{5, 7}, CellPos{3, 5}})
        EXPECT_EQ(shared(far.Row, far.Col), 0) << far.Row << "," << far.Col;
}

TEST(BoardGeometry, PieceBoxIsCentredInItsHexagon) {
    EXPECT_EQ(PieceSide(10), 18);
    EXPECT_EQ(PieceSide(16), 28);
    EXPECT_EQ(PieceBox(5, 1, 16), QRect(BoardLeft(16) + 12 * 16 + 1, BoardTop + 1, 28, 28));
    for (int s : {5, 10, 16, 20, 33}) {
        const QPoint centre = CellAnchor(4, 6, s) + QPoint(s, s);
        const QRect box = PieceBox(4, 6, s);
        // The box's centre is at most one pixel off the hexagon's because of truncation.
        EXPECT_LE(std::abs(box.left() + box.width() / 2 - centre.x()), 1) << s;
        EXPECT_LE(std::abs(box.top() + box.height() / 2 - centre.y()), 1) << s;
    }
}

TEST(BoardGeometry, HitTestMapsBandsAndTruncates) {
    const int s = 16;
    struct Case {
        int X, Y;
        CellPos Expected;
        const char* Name;
    };
    const QPoint a55 = CellAnchor(5, 5, s);
    for (const Case& c : {
             Case{a55.x() + s, a55.y() + s, {5, 5}, "centre of (5,5)"},
             Case{a55.x(), a55.y(), {5, 5}, "anchor belongs to its cell"},
             Case{a55.x() + 3 * s - 1, a55.y() + 2 * s - 1, {5, 5}, "last pixel of the stretch"},
             Case{a55.x() - 1, a55.y() + s, {4, 5}, "left point counts to the row on the left"},
             Case{BoardLeft(s) - 3 * s + 1, BoardTop + 5 * s, {1, 1}, "band left of X0 truncates to row 1"},
             Case{BoardLeft(s) + 12 * s + s,
                  BoardTop - 2 * s + 1,
                  {5, 1},
                  "stretch above column 1 gives column 1"},
             Case{BoardLeft(s) + 24 * s + s, BoardTop + 12 * s + s, {9, 9}, "corner (9,9)"},
         })
        EXPECT_EQ(HitTest(c.X, c.Y, s), c.Expected) << c.Name;
    // Every centre of a board cell maps back to its cell, also once the origin has moved.
    for (int size : {s, 42})
        for (int row = 1; row <= 9; ++row)
            for (int col = 1; col <= 9; ++col) {
                if (!CellValid(row, col)) continue;
                const QPoint centre = CellAnchor(row, col, size) + QPoint(size, size);
                EXPECT_EQ(HitTest(centre.x(), centre.y(), size), (CellPos{row, col})) << size;
                // The pixel left of the anchor is in the band of the row to the left (left of
                // row 1, truncation toward zero gives row 1 again).
                const QPoint anchor = CellAnchor(row, col, size);
                EXPECT_EQ(HitTest(anchor.x() - 1, anchor.y() + size, size),
                          (CellPos{std::max(row - 1, 1), col}))
                    << size;
            }
}

TEST(BoardGeometry, AnimationsEndOnThePieceBox) {
    for (int s : {1, 10, 16, 34}) {
        for (const CellPos from : {CellPos{4, 4}, CellPos{1, 1}, CellPos{9, 9}}) {
            // A piece created in place, one grown from a neighbour, one slid two cells.
            EXPECT_EQ(GrowFrameBox(from.Row, from.Col, from.Row, from.Col, s, 10),
                      PieceBox(from.Row, from.Col, s));
            EXPECT_EQ(GrowFrameBox(5, 5, from.Row, from.Col, s, 10), PieceBox(from.Row, from.Col, s));
            EXPECT_EQ(SlideFrameBox(5, 5, from.Row, from.Col, PieceSide(s), s, 10),
                      PieceBox(from.Row, from.Col, s));
        }
    }
}

TEST(BoardGeometry, GrowingStartsSmallAndSlidingKeepsTheSize) {
    const int s = 16;
    // Frame 1 of a piece grown in place: a tenth of the size, above and right of the
    // centre (the anchor of the place half a cell further on).
    const QRect first = GrowFrameBox(4, 4, 4, 4, s, 1);
    EXPECT_EQ(first.width(), 18 * s / 100);
    const QPoint centre = CellAnchor(4, 4, s) + QPoint(s, s);
    EXPECT_GT(first.left(), centre.x());
    EXPECT_LT(first.top(), centre.y());
    int previous = 0;
    for (int frame = 1; frame <= 10; ++frame) {
        const QRect box = GrowFrameBox(4, 4, 4, 5, s, frame);
        EXPECT_GE(box.width(), previous);
        previous = box.width();
        EXPECT_EQ(SlideFrameBox(4, 4, 6, 5, 28, s, frame).size(), QSize(28, 28));
    }
    // Frame 5 of a slide stands halfway.
    const QRect half = SlideFrameBox(4, 4, 6, 4, 28, s, 5);
    EXPECT_EQ(half.left(), (PieceBox(4, 4, s).left() + PieceBox(6, 4, s).left()) / 2);
}

TEST(BoardGeometry, ScoreAreaFollowsThePieceSize) {
    const ScoreAreaLayout area = ScoreArea(16);
    EXPECT_EQ(area.MarkerSide, 28);
    EXPECT_EQ(area.MarkerTop, 10);
    EXPECT_EQ(area.Player1MarkerLeft, 20);
    EXPECT_EQ(area.Player2MarkerLeft, 78);
    EXPECT_EQ(area.Score1Left, 58);
    EXPECT_EQ(area.Score2Left, 116);
    EXPECT_EQ(area.ScoreTop, 16);
    // The markers and labels stay clear of the board's top-left edge.
    EXPECT_LT(area.MarkerTop + area.MarkerSide, CellAnchor(2, 1, 16).y());
}

} // namespace
