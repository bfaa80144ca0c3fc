#include "tools/RandomPositions.h"

#include "rules/Layouts.h"
#include "rules/LegalMoves.h"
#include "rules/Move.h"

namespace {

// Plays `plies` uniformly random legal moves from a layout's start, player 1 first, and shows
// every position on the way (the start included) to `visit`. A small linear congruential
// generator, fully specified, makes the games reproducible wherever the tests and the
// benchmark run. Returns the last position and the side to move in it.
template <typename Visit> ValueGrid Playout(int variant, int plies, uint32_t seed, int& side, Visit visit) {
    uint64_t state = seed * 6364136223846793005ULL + 1442695040888963407ULL;
    auto next = [&state](uint32_t bound) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<uint32_t>((state >> 33) % bound);
    };
    ValueGrid grid = StartingGrid(variant);
    side = 1;
    for (int ply = 0; ply < plies; ++ply) {
        const std::vector<Move> moves = LegalMoves(grid, side);
        visit(grid, side, moves.size());
        if (moves.empty()) break;
        ValueGrid after;
        ApplyMoveToGrid(grid, after, moves[next(static_cast<uint32_t>(moves.size()))], side,
                        OtherPlayer(side));
        grid = after;
        side = OtherPlayer(side);
    }
    return grid;
}

} // namespace

ValueGrid RandomPlayout(int variant, int plies, uint32_t seed, int* sideToMove) {
    int side = 1;
    const ValueGrid grid = Playout(variant, plies, seed, side, [](const ValueGrid&, int, std::size_t) {});
    if (sideToMove) *sideToMove = side;
    return grid;
}

std::vector<BusyPosition> BusiestPositions(int count) {
    std::vector<BusyPosition> busiest;
    for (uint32_t seed = 1; seed <= 120; ++seed) {
        int side = 1;
        Playout(1 + static_cast<int>(seed % 3), 80, seed, side,
                [&](const ValueGrid& grid, int mover, std::size_t moves) {
                    const BusyPosition position{grid, mover, static_cast<int>(moves)};
                    // Kept sorted by the move count, most first; the earlier-found stays first among equals.
                    auto at = busiest.begin();
                    while (at != busiest.end() && at->Moves >= position.Moves)
                        ++at;
                    if (at - busiest.begin() >= count) return;
                    for (const BusyPosition& kept : busiest)
                        if (kept.Side == mover && kept.Grid.Cells == grid.Cells) return;
                    busiest.insert(at, position);
                    if (static_cast<int>(busiest.size()) > count) busiest.pop_back();
                });
    }
    return busiest;
}

ValueGrid DifferentialPosition(uint32_t seed, int& side) {
    uint64_t state = seed * 0x9E3779B97F4A7C15ULL + 7;
    auto next = [&state](uint32_t bound) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<uint32_t>((state >> 33) % bound);
    };
    if (next(4) != 0) {
        const ValueGrid grid =
            RandomPlayout(1 + static_cast<int>(next(3)), static_cast<int>(next(140)), seed, &side);
        if (next(3) == 0) side = OtherPlayer(side);
        return grid;
    }
    ValueGrid grid = StartingGrid(0);
    const uint32_t emptyShare = 20 + next(70), firstShare = next(100);
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            if (!CellValid(row, col)) continue;
            if (grid(row, col) == Blocked && next(4) != 0) continue;
            if (next(100) < emptyShare)
                grid(row, col) = Empty;
            else
                grid(row, col) = next(100) < firstShare ? Player1 : Player2;
        }
    side = 1 + static_cast<int>(next(2));
    return grid;
}

std::string GridText(const ValueGrid& grid) {
    std::string text;
    for (int32_t value : grid.Cells)
        text += static_cast<char>('0' + value);
    return text;
}
