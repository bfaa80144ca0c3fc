#include "rules/Board.h"

#include <cstdlib>

void InitBoard(Board& board) {
    for (int row = 1; row <= 11; ++row)
        for (int col = 1; col <= 11; ++col)
            board(row, col) = Cell{(row > 9 || col > 9 || std::abs(row - col) > 4) ? Blocked : Empty};
    for (const CellPos& hole : Holes)
        board(hole.Row, hole.Col).Value = Blocked;
}

HoleList BuildHoleList(const Board& board) {
    HoleList list{};
    std::size_t next = 0;
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col)
            if (board(row, col).Value == Blocked && std::abs(row - col) <= 4 && next + 1 < list.size())
                list[next++] = {row - 1, col - 1};
    list[next] = {-1, 0};
    return list;
}

ValueGrid CopyToValueGrid(const Board& board) {
    ValueGrid grid;
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col)
            grid(row, col) = board(row, col).Value;
    return grid;
}

void CopyFromValueGrid(const ValueGrid& grid, Board& board) {
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col)
            board(row, col).Value = grid(row, col);
}
