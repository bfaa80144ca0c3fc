// Computer turns and the end of the game.
#include <QProgressBar>
#include <algorithm>

#include "app/Main.h"
#include "app/MovesMenu.h"
#include "app/Platform.h"
#include "app/ProgressBarReport.h"
#include "app/ResultAnnouncement.h"
#include "app/SearchJob.h"
#include "app/SearchWait.h"
#include "rules/Outcome.h"

void TForm1::ComputerTurn() {
    // The worker searches a copy of the position while the board stays live.
    StopSearch = false;
    ComputerBusy = true;
    const uint64_t board = m_boardGeneration;

    // Any menu command may run while the search does, including a new game with computer
    // turns of its own; a nested turn owns the bar while it runs.
    SearchJob job(m_game.Grid(), CurrentPlayer, SearchSettingsFor(Config, CurrentPlayer));
    m_runningSearches.push_back(&job);
    WaitForSearch(
        job, [&] { return TurnStillValid(board); },
        [&] {
            if (m_runningSearches.back() == &job) ShowProgress(ProgressBar, job.Maximum(), job.Steps());
        });
    m_runningSearches.erase(std::find(m_runningSearches.begin(), m_runningSearches.end(), &job));
    // A turn whose game is gone stops waiting at once; its worker ends on its own.
    if (!job.Finished()) job.Abandon();

    // The last steps are shown before the bar returns to 0.
    if (job.Finished()) ShowProgress(ProgressBar, job.Maximum(), job.Steps());
    ProgressBar->setValue(0);

    // A turn whose game was emptied meanwhile (a new game, new players, the window
    // closing) drops its move; a nested turn that cleared StopSearch does not revive it.
    const bool stopped = !job.Finished() || job.Outcome().Stopped || StopSearch || !TurnStillValid(board);
    if (!stopped && GameRunning) {
        const SearchOutcome& outcome = job.Outcome();
        if (outcome.NoMove) {
            FinJeu();
        } else {
            CloneMove = outcome.BestMove.Clone;
            PlayMove(outcome.BestMove.FromRow, outcome.BestMove.FromCol, outcome.BestMove.ToRow,
                     outcome.BestMove.ToCol);
        }
    }
    // The mouse may act again.
    ComputerBusy = false;
}

void TForm1::ContinueGame() {
    const uint64_t game = m_boardGeneration;
    if (Config.NetworkRole == 0)
        while (GameRunning && TurnStillValid(game) && Config.PlayerIsComputer[CurrentPlayer])
            ComputerTurn();
    if (GameRunning && TurnStillValid(game)) IsItTheEnd();
    if (TurnStillValid(game)) ProgressBar->setValue(0);
}

void TForm1::IsItTheEnd() {
    // The end test needs a running game: an emptied board has no scores to read.
    if (!GameRunning || m_closing) return;
    StopSearch = false;
    BarProgress progress(ProgressBar);
    const SearchOutcome outcome =
        EndTest(m_game.Grid(), CurrentPlayer, SearchSettingsFor(Config, CurrentPlayer), &progress);
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
    const ::Board& board = m_game.board();
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col)
            if (board(row, col).Value == Empty) CreatePion(row, col, row, col, CurrentPlayer);
    // The result's sound and message.
    const ResultAnnouncement outcome = AnnouncementOf(
        DecideOutcome(s1, s2, Config.PlayerIsComputer[1], Config.PlayerIsComputer[2], Config.NetworkRole));
    if (SoundOn && !outcome.Sound.empty()) m_platform.PlaySound(QString::fromLatin1(outcome.Sound));
    const uint64_t game = m_boardGeneration;
    m_platform.ShowMessage("Results:", QString::fromLatin1(outcome.Message));
    // Unless something replaced the board while the box was open.
    if (game != m_boardGeneration) return;
    GameRunning = false;
    VideDamier();
    // The ended game stays in the record: Undo takes back its last move.
    m_game.EndRecord();
    if (Moves) Moves->GameChanged();
}
