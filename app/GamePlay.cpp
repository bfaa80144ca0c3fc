#include "app/GamePlay.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <algorithm>
#include <utility>

#include "app/FreeMemory.h"
#include "app/MovesMenu.h"
#include "app/Platform.h"
#include "app/ProgressBarReport.h"
#include "app/ResultAnnouncement.h"
#include "app/SearchJob.h"
#include "app/SearchWait.h"
#include "app/ShownText.h"
#include "app/settings/PlayerConfig.h"
#include "net/NetworkGame.h"
#include "rules/Game.h"
#include "rules/MoveOffsets.h"
#include "rules/Outcome.h"
#include "view/BoardView.h"
#include "view/PieceObject.h"

GamePlay::GamePlay(Game& game, BoardView& view, Platform& platform, PlayerConfig& players)
    : m_game(game), m_view(view), m_platform(platform), m_players(players) {}

// Step 1. The board.

void GamePlay::MettreLesPions() {
    m_game.WriteLayout(ChosenVariant);
    m_view.ScoreCaption(1)->setText("0");
    m_view.ScoreCaption(2)->setText("0");
    // The layout's values are set; each piece then appears in row-major order. CreatePion
    // writes the value again and counts the piece.
    const Board& board = m_game.board();
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            const int value = board(row, col).Value;
            if (value == 1 || value == 2) CreatePion(row, col, row, col, value);
        }
    m_game.StartRecord(ChosenVariant);
    // The keyboard starts on player 1's first piece.
    m_view.CursorToFirstPiece(1);
    m_view.TakeFocus();
    if (Moves) Moves->GameStarted();
}

void GamePlay::VideDamier() {
    ++m_boardGeneration;
    StopSearches();
    // The pieces, the scores and the pending human move belong to the board that goes.
    m_game.Clear();
    m_view.Clear();
    if (Moves) Moves->GameChanged();
    ReturnFreeMemory();
}

void GamePlay::CreatePion(int fromRow, int fromCol, int row, int col, int owner) {
    m_game.Place(row, col, owner);
    m_view.GrowPiece(fromRow, fromCol, row, col, owner);
}

bool GamePlay::PlayMove(int fromRow, int fromCol, int toRow, int toCol) {
    const int mover = m_game.ToMove;
    const Move move{fromRow, fromCol, toRow, toCol, m_view.Pending.Clone};
    const std::optional<Captures> captures = m_game.Play(move);
    if (!captures) return false;
    m_view.AnimateMove(move, mover, *captures);
    if (Moves) Moves->GameChanged();
    return true;
}

void GamePlay::EmptyBoard() {
    m_game.Running = false;
    VideDamier();
}

// Step 2. Starting a game.

void GamePlay::StartLocalGame() {
    // A running game is dropped and the layout placed afresh.
    if (m_game.Running || m_game.FinalPositionShown()) VideDamier();
    m_paused = false;
    m_game.Running = true;
    MettreLesPions();
    m_game.ToMove = 1;
    // The loop of two computers ends with its game: at the result, when the players change,
    // when a newer game replaces it, or when the window closes.
    const uint64_t game = m_boardGeneration;
    if (m_players.PlayerIsComputer[1] && m_players.PlayerIsComputer[2]) {
        while (m_game.Running && WaitWhilePaused(game))
            ComputerTurn();
    } else if (m_players.PlayerIsComputer[1]) {
        ComputerTurn();
    }
}

void GamePlay::BeginNetworkGame() {
    // Both copies start from the starting position with player 1 to move, whatever this
    // copy showed or whose turn it was before.
    if (m_game.Running) EmptyBoard();
    m_game.Running = true;
    m_game.ToMove = 1;
    MettreLesPions();
}

// Step 3. The player's moves: select a piece, light a destination, confirm it.

void GamePlay::Shape1MouseDown(PieceObject* piece) {
    // The mouse acts only in the local user's turn, while a game runs.
    const int role = m_players.NetworkRole;
    const bool mayAct = role == 0 ? !ComputerBusy && !m_replaying : m_game.ToMove == role;
    if (!mayAct || !m_game.Running) return;
    // A click on any piece while one is selected only deselects.
    if (m_view.Pending.Selected) {
        m_view.Deselect();
        return;
    }
    // Only an own piece can be selected.
    if (piece->owner() == m_game.ToMove) m_view.Select(piece->row(), piece->col());
}

void GamePlay::FormMouseMove(int x, int y) {
    // Nothing is lit while no game runs, the computer is thinking or a replay plays.
    if (!m_game.Running || ComputerBusy || m_replaying) return;
    m_view.Hover(x, y, m_game.board());
}

void GamePlay::FormMouseDown() {
    PendingMove& pending = m_view.Pending;
    if (pending.TargetRow <= 0 || !pending.Selected) return;
    // The selection outline and the light go before the move is sent or played.
    m_view.DimPendingMove();
    const Move move{pending.SelectedRow, pending.SelectedCol, pending.TargetRow, pending.TargetCol,
                    pending.Clone};
    // Network send: the opponent gets the move before it is played here. A move the
    // opponent did not get is not played: the two boards would part. A send that fails has
    // already ended the connection and emptied the board.
    const uint64_t board = m_boardGeneration;
    if (m_players.NetworkRole != 0 && !Network->SendMove(move)) {
        m_view.ClearPendingMove();
        return;
    }
    if (board != m_boardGeneration) return;
    PlayMove(move.FromRow, move.FromCol, move.ToRow, move.ToCol);
    pending.Selected = false;
    pending.TargetRow = 0;
    pending.SelectedRow = 0;
    // The computer answers at once; in a network game the peer answers instead.
    if (m_players.NetworkRole == 0 && m_players.PlayerIsComputer[m_game.ToMove]) ComputerTurn();
    if (m_closing) return;
    // The game ends here if the next player cannot move; the end test's bar then empties.
    if (m_game.Running) IsItTheEnd();
    ProgressBar->setValue(0);
}

ReceiveSituation GamePlay::Situation() const {
    ReceiveSituation situation;
    situation.GameRunning = m_game.Running;
    situation.CurrentPlayer = m_game.ToMove;
    situation.Grid = m_game.Grid();
    return situation;
}

void GamePlay::PlayReceivedMove(const Move& move) {
    // The remote user's move; the turn passes to the local user, never to a computer.
    m_view.Pending.Clone = move.Clone;
    PlayMove(move.FromRow, move.FromCol, move.ToRow, move.ToCol);
    IsItTheEnd();
}

// Step 4. The keyboard: the same steps as the mouse, at the cursor.

bool GamePlay::BoardKeyPress(int key, const QString& text) {
    if (text.size() == 1 && text[0].isDigit()) {
        m_typed += static_cast<char>(text[0].unicode());
        if (m_typed.size() == 4) PlayTypedMove(std::exchange(m_typed, {}));
        return true;
    }
    // Between the digits of a move, spaces and dashes only separate them.
    if (!m_typed.empty() && (key == Qt::Key_Space || key == Qt::Key_Minus)) return true;
    m_typed.clear();
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right: {
        static constexpr CursorKey Keys[] = {CursorKey::Left, CursorKey::Up, CursorKey::Right,
                                             CursorKey::Down};
        m_view.StepCursor(Keys[key - Qt::Key_Left]);
        FollowCursor();
        return true;
    }
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ActivateCursor();
        return true;
    case Qt::Key_Escape:
        DropSelection();
        return true;
    default:
        return false;
    }
}

// The cursor lights a destination as the pointer's hover does.
void GamePlay::FollowCursor() {
    if (!m_game.Running || ComputerBusy || m_replaying) return;
    m_view.HoverCell(m_view.cursor(), m_game.board());
}

// On a piece, a click on it; elsewhere, a click on the board, which plays the lit move.
void GamePlay::ActivateCursor() {
    const CellPos cell = m_view.cursor();
    if (PieceObject* piece = m_view.pieces().At(cell.Row, cell.Col)) {
        Shape1MouseDown(piece);
        return;
    }
    FollowCursor();
    FormMouseDown();
}

// As a click on the selected piece: the selection goes, and with it the light it made.
void GamePlay::DropSelection() {
    const PendingMove& pending = m_view.Pending;
    if (!pending.Selected) return;
    if (PieceObject* selected = m_view.pieces().At(pending.SelectedRow, pending.SelectedCol))
        Shape1MouseDown(selected);
    if (!pending.Selected && pending.TargetRow > 0) m_view.HoverCell({0, 0}, m_game.board());
}

void GamePlay::PlayTypedMove(const std::string& digits) {
    const CellPos from{digits[0] - '0', digits[1] - '0'};
    const CellPos to{digits[2] - '0', digits[3] - '0'};
    const int distance = HexDistance(to.Row - from.Row, to.Col - from.Col);
    if (!IsLegalMove(m_game.Grid(), {from.Row, from.Col, to.Row, to.Col, distance == 1}, m_game.ToMove))
        return;
    // The mouse's steps: the piece clicked (a selection elsewhere dropped first), the
    // destination lit, the board clicked; each ignores what the mouse would.
    DropSelection();
    if (m_view.Pending.Selected) return;
    if (PieceObject* piece = m_view.pieces().At(from.Row, from.Col)) Shape1MouseDown(piece);
    if (!m_view.Pending.Selected) return;
    m_view.CursorTo(to);
    FollowCursor();
    FormMouseDown();
}

// Step 5. The computer's turns.

void GamePlay::ComputerTurn() {
    StopSearch = false;
    ComputerBusy = true;
    const uint64_t board = m_boardGeneration;
    const int side = m_game.ToMove;

    // The worker searches a copy of the position while the board stays live. Any menu
    // command may run meanwhile, a new game with computer turns of its own included; a
    // nested turn owns the bar while it runs.
    SearchJob job(m_game.Grid(), side, SearchSettingsFor(m_players, side));
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
    if (!stopped && m_game.Running) {
        const SearchOutcome& outcome = job.Outcome();
        if (outcome.NoMove) {
            FinJeu();
        } else {
            m_view.Pending.Clone = outcome.BestMove.Clone;
            PlayMove(outcome.BestMove.FromRow, outcome.BestMove.FromCol, outcome.BestMove.ToRow,
                     outcome.BestMove.ToCol);
        }
    }
    // The mouse may act again.
    ComputerBusy = false;
}

void GamePlay::ContinueGame() {
    const uint64_t game = m_boardGeneration;
    if (m_players.NetworkRole == 0)
        while (m_game.Running && WaitWhilePaused(game) && m_players.PlayerIsComputer[m_game.ToMove])
            ComputerTurn();
    if (m_game.Running && TurnStillValid(game)) IsItTheEnd();
    if (TurnStillValid(game)) ProgressBar->setValue(0);
}

// Step 6. Replays and pauses.

void GamePlay::Replay(const std::vector<Move>& moves, std::function<int()> pace,
                      std::function<void()> atEnd) {
    const uint64_t game = m_boardGeneration;
    m_replaying = true;
    m_paused = false;
    if (Moves) Moves->GameChanged();
    for (const Move& move : moves) {
        if (!ServeWindowFor(
                pace(), [this] { return m_paused; }, [this, game] { return TurnStillValid(game); }))
            break;
        m_view.Pending.Clone = move.Clone;
        PlayMove(move.FromRow, move.FromCol, move.ToRow, move.ToCol);
    }
    m_replaying = false;
    m_paused = false;
    if (TurnStillValid(game)) atEnd();
    if (Moves) Moves->GameChanged();
}

bool GamePlay::MayPause() const {
    const bool computers = m_game.Running && m_players.NetworkRole == 0 && m_players.PlayerIsComputer[1] &&
                           m_players.PlayerIsComputer[2];
    return m_replaying || computers;
}

bool GamePlay::WaitWhilePaused(uint64_t game) {
    if (!m_paused) return TurnStillValid(game);
    return ServeWindowFor(
        0, [this] { return m_paused; }, [this, game] { return TurnStillValid(game); });
}

// Step 7. The end of the game.

void GamePlay::IsItTheEnd() {
    // The end test needs a running game: an emptied board has no scores to read.
    if (!m_game.Running || m_closing) return;
    StopSearch = false;
    BarProgress progress(ProgressBar);
    const int side = m_game.ToMove;
    const SearchOutcome outcome = EndTest(m_game.Grid(), side, SearchSettingsFor(m_players, side), &progress);
    if (outcome.Stopped || StopSearch) return;
    if (outcome.NoMove) FinJeu();
}

void GamePlay::FinJeu() {
    if (!m_game.Running) return;
    // The outcome is decided on the scores before the fill.
    const int s1 = m_view.ScoreOf(1);
    const int s2 = m_view.ScoreOf(2);
    // The player who can still move receives every empty cell.
    m_game.ToMove = OtherPlayer(m_game.ToMove);
    const Board& board = m_game.board();
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col)
            if (board(row, col).Value == Empty) CreatePion(row, col, row, col, m_game.ToMove);
    // The result's sound and message.
    const ResultAnnouncement outcome = AnnouncementOf(DecideOutcome(
        s1, s2, m_players.PlayerIsComputer[1], m_players.PlayerIsComputer[2], m_players.NetworkRole));
    if (SoundOn && !outcome.Sound.empty()) m_platform.PlaySound(QString::fromLatin1(outcome.Sound));
    const uint64_t game = m_boardGeneration;
    m_platform.ShowMessage(QCoreApplication::translate("GamePlay", "Results:"), ShownText(outcome.Message));
    // Unless something replaced the board while the box was open.
    if (game != m_boardGeneration) return;
    EmptyBoard();
    // The ended game stays in the record: Undo takes back its last move.
    m_game.EndRecord();
    if (Moves) Moves->GameChanged();
}

// Step 8. Closing.

void GamePlay::Close() {
    m_closing = true;
    StopSearches();
}

void GamePlay::StopSearches() {
    StopSearch = true;
    for (SearchJob* job : m_runningSearches)
        job->RequestStop();
}

bool GamePlay::TurnStillValid(uint64_t boardGeneration) const {
    return !m_closing && boardGeneration == m_boardGeneration;
}
