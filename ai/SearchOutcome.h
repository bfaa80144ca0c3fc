#pragma once

#include "rules/Move.h"

// The answer of a top-level search as the computer turn uses it.
struct SearchOutcome {
    Move BestMove;        // meaningless when NoMove or Stopped
    bool NoMove = true;   // the side to move has no legal move
    int Score = 0;        // seen from the side to move
    bool Stopped = false; // the progress hook asked to stop: nothing else may be used
};
