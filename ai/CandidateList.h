#pragma once

#include <array>
#include <cstdint>

#include "rules/Move.h"

// One slot of Home Made's candidate list: a move and its one-ply score.
struct CandidateMove {
    int32_t FromRow = 0;
    int32_t FromCol = 0;
    int32_t ToRow = 0;
    int32_t ToCol = 0;
    int32_t Value = -1000;
    bool Clone = false;

    constexpr Move AsMove() const { return {FromRow, FromCol, ToRow, ToCol, Clone}; }
};

// Room for the largest branch count; a slot whose Value is -1000 is empty.
using CandidateList = std::array<CandidateMove, 30>;

// Offers a scored move to the first `n` slots. It replaces the first-found slot of the
// lowest value, and only when strictly better than that value: among equal scores the
// earlier-generated moves stay. With n <= 0 every candidate is dropped.
constexpr void InsertCandidate(CandidateList& list, const CandidateMove& candidate, int n) {
    int worst = 1000;
    int worstSlot = -1;
    for (int k = 0; k < n && k < static_cast<int>(list.size()); ++k)
        if (list[k].Value < worst) {
            worst = list[k].Value;
            worstSlot = k;
        }
    if (worstSlot < 0 || worst >= candidate.Value) return;
    list[worstSlot] = candidate;
}
