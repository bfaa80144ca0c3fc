#pragma once

#include "ai/Engine.h"

class QProgressBar;

// Shows a search's progress on a bar. A bar whose maximum is 0 would turn into a busy
// indicator, so a search that reports no steps keeps a maximum of 1; a maximum below 0 (not
// set yet) shows nothing.
void ShowProgress(QProgressBar* bar, int maximum, int steps);

// The progress of a search that runs on the window thread (the end test, a one-ply look at
// the position), shown on a bar as it goes.
class BarProgress final : public SearchProgress {
  public:
    explicit BarProgress(QProgressBar* bar) : m_bar(bar) {}
    void SetMaximum(int maximum) override;
    bool Step() override;

  private:
    QProgressBar* m_bar;
    int m_maximum = -1;
    int m_steps = 0;
};
