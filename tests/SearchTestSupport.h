#pragma once

#include <vector>

#include "ai/SearchProgress.h"
#include "rules/Layouts.h"
#include "rules/ValueGrid.h"

// An empty board: the hexagon empty, holes and everything outside blocked.
inline ValueGrid EmptyGrid() {
    return StartingGrid(0);
}

// Records what a search reports and asks it to stop at a chosen step (0: never).
class RecordingProgress final : public SearchProgress {
  public:
    explicit RecordingProgress(int stopAtStep = 0) : m_stopAtStep(stopAtStep) {}
    void SetMaximum(int maximum) override { maxima.push_back(maximum); }
    bool Step() override { return ++steps == m_stopAtStep; }

    std::vector<int> maxima;
    int steps = 0;

  private:
    int m_stopAtStep;
};
