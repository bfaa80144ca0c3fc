#include "app/ProgressBarReport.h"

#include <QProgressBar>
#include <algorithm>

void ShowProgress(QProgressBar* bar, int maximum, int steps) {
    if (maximum < 0) return;
    bar->setMaximum(std::max(maximum, 1));
    bar->setValue(std::min(steps, bar->maximum()));
}

void BarProgress::SetMaximum(int maximum) {
    m_maximum = maximum;
    ShowProgress(m_bar, m_maximum, m_steps);
}

bool BarProgress::Step() {
    ShowProgress(m_bar, m_maximum, ++m_steps);
    return false;
}
