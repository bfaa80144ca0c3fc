#pragma once

#include <array>
#include <string_view>

// The four ways the computer chooses a move.
enum SearchAlgorithm : int { Complete = 0, BranchAndBound = 1, AlphaBeta = 2, HomeMade = 3 };

// Their names, by number, as the Players dialog, saved games and the tools show them.
inline constexpr std::array<std::string_view, 4> AlgorithmNames{"Complete", "Branch and Bound", "Alpha-Beta",
                                                                "Home Made"};

inline constexpr int MinLevel = 0;
inline constexpr int MaxLevel = 8;
inline constexpr int MinBranch = 3;
inline constexpr int MaxBranch = 30;

// Brings a stored depth or branch count into the range the searches are defined for
// (the nearest bound), so no search recurses without end or overruns its candidate list.
constexpr int ClampLevel(int level) {
    return level < MinLevel ? MinLevel : level > MaxLevel ? MaxLevel : level;
}
constexpr int ClampBranch(int branch) {
    return branch < MinBranch ? MinBranch : branch > MaxBranch ? MaxBranch : branch;
}

// The settings of the player who started a search. Every ply of one search
// uses them, whichever side is to move at the node.
struct SearchSettings {
    int Algo = AlphaBeta;
    int Level = 0;
    int Branch = 5;
};

// The one place through which every search takes its settings: level and branch clamped.
constexpr SearchSettings MakeSearchSettings(int algo, int level, int branch) {
    return {algo, ClampLevel(level), ClampBranch(branch)};
}
