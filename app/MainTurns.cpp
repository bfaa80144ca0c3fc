// Computer turns and the end of the game.
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <algorithm>

#include "app/Main.h"
#include "app/MovesMenu.h"
#include "app/Platform.h"
#include "app/ResultAnnouncement.h"
#include "app/SearchJob.h"
#include "rules/Outcome.h"

namespace {

// How often the window thread looks at a running search.
constexpr int SearchPollMilliseconds = 5;

// Shows a search's progress. A bar whose maximum is 0 would turn into a busy indicator,
// so a search that reports no steps keeps a maximum of 1.
void ShowProgress(QProgressBar* bar, int maximum, int steps) {
    if (maximum < 0) return;
    bar->setMaximum(std::max(maximum, 1));
    bar->setValue(std::min(steps, bar->maximum()));
}

// The end test runs on the window thread: it is a one-ply look at the position.
class WindowProgress final : public SearchProgress {
  public:
    explicit WindowProgress(QProgressBar* bar) : m_bar(bar) {}
    void SetMaximum(int maximum) override {
        m_maximum = maximum;
        ShowProgress(m_bar, m_maximum, m_steps);
    }
    bool Step() override {
        ShowProgress(m_bar, m_maximum, ++m_steps);
        return false;
    }

  private:
    QProgressBar* m_bar;
    int m_maximum = -1;
    int m_steps = 0;
};

} // namespace

void TForm1::ComputerTurn() {
    // The worker searches a copy of the position while the board stays live.
    const ValueGrid grid = CopyToValueGrid(m_board);
    StopSearch = false;
    ComputerBusy = true;
    const uint64_t board = m_boardGeneration;

    // The search runs on a worker while this thread serves the window: any menu
    // command may run here, including a new game with computer turns of its own.
    SearchJob job(grid, CurrentPlayer, SearchSettingsFor(Config, CurrentPlayer));
    m_runningSearches.push_back(&job);
    {
        QEventLoop loop;
        QTimer poll;
        poll.setInterval(SearchPollMilliseconds);
        connect(&poll, &QTimer::timeout, &loop, [&] {
            // A nested turn owns the bar while it runs.
            if (m_runningSearches.back() == &job) ShowProgress(ProgressBar, job.Maximum(), job.Steps());
            // A turn whose game is gone stops waiting at once; its worker ends on its own.
            if (job.Finished() || !TurnStillValid(board)) {
                poll.stop();
                loop.quit();
            }
        });
        poll.start();
        loop.exec();
    }
    m_runningSearches.erase(std::find(m_runningSearches.begin(), m_runningSearches.end(), &job));
    if (!job.Finished()) job.Abandon();

    // The last steps are shown before the bar returns to 0.
    if (job.Finished()) ShowProgress(ProgressBar, job.Maximum(), job.Steps());
    ProgressBar->setValue(0);

    // A turn whose game was emptied meanwhile (a new game, new players, the window
    // closing) drops its move; a nested turn that cleared StopSearch does not revive it.
    const bool stopped = !job.Finished() || job.Outcome().Stopped || StopSearch || !TurnStillValid(board);
    if (!stopped) {
        const SearchOutcome& outcome = job.Outcome();
        if (!outcome.NoMove && GameRunning) {
            CloneMove = outcome.BestMove.Clone;
            PlayMove(outcome.BestMove.FromRow, outcome.BestMove.FromCol, outcome.BestMove.ToRow,
                     outcome.BestMove.ToCol);
        } else if (GameRunning) {
            FinJeu();
        }
    }
    // The mouse may act again.
    ComputerBusy = false;
}

void TForm1::IsItTheEnd() {
    // The end test needs a running game: an emptied board has no scores to read.
    if (!GameRunning || m_closing) return;
    const ValueGrid grid = CopyToValueGrid(m_board);
    StopSearch = false;
    WindowProgress progress(ProgressBar);
    const SearchOutcome outcome =
        EndTest(grid, CurrentPlayer, SearchSettingsFor(Config, CurrentPlayer), &progress);
    if (outcome.Stopped || StopSearch) return;
    if (outcome.NoMove) FinJeu();
}

void TForm1::FinJeu() {
    if (!GameRunning) return;
    // The outcome is decided on the scores before the fill.
    const int s1 = ScoreOf(Score1);
    const int s2 = ScoreOf(Score2);
    // The player who can still move receives every empty cell.
    CurrentPlayer = OtherPlayer(CurrentPlayer);
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col)
            if (m_board(row, col).Value == Empty) CreatePion(row, col, row, col, CurrentPlayer);
    // The result's sound and message.
    const ResultAnnouncement outcome = AnnouncementOf(
        DecideOutcome(s1, s2, Config.PlayerIsComputer[1], Config.PlayerIsComputer[2], Config.NetworkRole));
    if (SoundOn && !outcome.Sound.empty()) m_platform.PlaySound(QString::fromLatin1(outcome.Sound));
    const uint64_t board = m_boardGeneration;
    m_platform.ShowMessage("Results:", QString::fromLatin1(outcome.Message));
    // Unless something replaced the board while the box was open.
    if (board != m_boardGeneration) return;
    GameRunning = false;
    VideDamier();
    // The ended game stays in the record: Undo takes back its last move.
    if (Moves) Moves->GameEnded();
}
