#include "app/MovesMenu.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QWidget>
#include <utility>

#include "ai/Engine.h"
#include "app/GameAnalysis.h"
#include "app/GameFile.h"
#include "app/HowToPlay.h"
#include "app/MoveList.h"
#include "app/MovesMenuHost.h"
#include "app/Platform.h"
#include "app/SearchJob.h"
#include "app/ShownText.h"
#include "view/BoardSurface.h"
#include "view/BoardView.h"

namespace {

const char* const GameFileFilter = QT_TRANSLATE_NOOP("MovesMenu", "Tessaron games (*.tgame);;All files (*)");
// The hint: the exact best move two plies deeper than any quick answer, yet instant.
constexpr SearchSettings HintSettings{Complete, 4, 5};

QString GameFileFilterShown() {
    return QCoreApplication::translate("MovesMenu", GameFileFilter);
}

} // namespace

TMovesMenu::TMovesMenu(QMainWindow& window, QMenu* before, MovesMenuHost& host, Platform& platform,
                       Game& game, BoardView& view)
    : QObject(&window), m_window(window), m_host(host), m_platform(platform), m_game(game), m_view(view) {
    Moves1 = new QMenu(QCoreApplication::translate("MovesMenu", "&Moves"), &window);
    window.menuBar()->insertMenu(before->menuAction(), Moves1);
    Undo1 = Moves1->addAction(QCoreApplication::translate("MovesMenu", "Undo"));
    Undo1->setShortcut(QKeySequence("Ctrl+Z"));
    Redo1 = Moves1->addAction(QCoreApplication::translate("MovesMenu", "Redo"));
    Redo1->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
    Moves1->addSeparator();
    MoveList1 = Moves1->addAction(QCoreApplication::translate("MovesMenu", "Move List"));
    MoveList1->setCheckable(true);
    Hint1 = Moves1->addAction(QCoreApplication::translate("MovesMenu", "Hint"));
    Hint1->setShortcut(QKeySequence("H"));
    ShowLastMove1 = Moves1->addAction(QCoreApplication::translate("MovesMenu", "Show Last Move"));
    ShowLastMove1->setCheckable(true);
    Moves1->addSeparator();
    SaveGame1 = Moves1->addAction(QCoreApplication::translate("MovesMenu", "Save Game…"));
    SaveGame1->setShortcut(QKeySequence("Ctrl+S"));
    OpenGame1 = Moves1->addAction(QCoreApplication::translate("MovesMenu", "Open Game…"));
    OpenGame1->setShortcut(QKeySequence("Ctrl+O"));
    ResumeLastGame1 = Moves1->addAction(QCoreApplication::translate("MovesMenu", "Resume Last Game"));
    Moves1->addSeparator();
    HowToPlay1 = Moves1->addAction(QCoreApplication::translate("MovesMenu", "How to Play"));
    HowToPlay1->setShortcut(QKeySequence("F1"));

    m_moveList = new TMoveList(&window);
    m_moveList->OnChoose = [this](std::size_t ply) { GoToPly(ply); };
    m_moveList->OnClosed = [this] { MoveList1->setChecked(false); };
    m_moveList->OnReplay = [this] { ReplayClick(); };
    m_moveList->OnPause = [this] { PauseClick(); };
    m_moveList->OnLevel = [this](int) { ReviewShownGame(); };
    m_analysis = new GameAnalysis(this);
    m_analysis->OnChanged = [this] { m_moveList->ShowReview(m_analysis->reviews()); };

    connect(Undo1, &QAction::triggered, this, [this] { Undo1Click(); });
    connect(Redo1, &QAction::triggered, this, [this] { Redo1Click(); });
    connect(MoveList1, &QAction::toggled, this, [this](bool on) {
        m_moveList->ShowBeside(m_window, on);
        ReviewShownGame();
    });
    connect(Hint1, &QAction::triggered, this, [this] { Hint1Click(); });
    connect(ShowLastMove1, &QAction::toggled, this, [this] { m_view.SetLastMove(LastMoveShown()); });
    connect(SaveGame1, &QAction::triggered, this, [this] { SaveGame1Click(); });
    connect(OpenGame1, &QAction::triggered, this, [this] { OpenGame1Click(); });
    connect(ResumeLastGame1, &QAction::triggered, this, [this] { ResumeLastGame1Click(); });
    connect(HowToPlay1, &QAction::triggered, this, [this] { HowToPlay1Click(); });
    connect(Moves1, &QMenu::aboutToShow, this, [this] { Refresh(); });
    qApp->installEventFilter(this);
    Refresh();
}

TMovesMenu::~TMovesMenu() {
    qApp->removeEventFilter(this);
    m_analysis->Stop();
    // Their callbacks lead here.
    delete m_moveList;
    delete m_howToPlay;
}

// What the window reports.

void TMovesMenu::GameStarted() {
    m_playedLocally = m_playedLocally || m_host.Players().NetworkRole == 0;
    GameChanged();
}

void TMovesMenu::GameChanged() {
    Refresh();
    m_moveList->Show(m_game.record(), m_game.RecordLive());
    ReviewShownGame();
    m_view.SetLastMove(LastMoveShown());
}

void TMovesMenu::ReviewShownGame() {
    if (!m_moveList->isVisible()) {
        m_analysis->Stop();
        return;
    }
    m_analysis->Review(m_game.RecordLive() ? m_game.record() : GameRecord(), m_moveList->Level->value());
    m_moveList->ShowReview(m_analysis->reviews());
}

// Replay: the game from its start, at the Move List's pace; at its end an ended game shows its
// final position again, and an unfinished one goes on.
void TMovesMenu::ReplayClick() {
    if (!MayBrowse() || m_game.record().Size() == 0 || m_host.Replaying()) return;
    const bool ended = m_game.RecordEnded();
    const std::vector<Move> moves = m_game.record().Moves();
    ShowPosition(0);
    m_host.Replay(
        moves, [this] { return m_moveList->PaceMilliseconds(); },
        [this, ended] {
            if (ended)
                ShowFinalPosition();
            else
                m_host.ContinueGame();
        });
}

void TMovesMenu::PauseClick() {
    if (m_host.MayPause()) m_host.SetPaused(!m_host.Paused());
    Refresh();
}

void TMovesMenu::PlayersChanged() {
    // An ended game belongs to the players who played it: with new ones (or a network role)
    // neither Undo nor Save may bring it back, and its final position leaves the board.
    if (m_game.FinalPositionShown()) m_host.EmptyBoard();
    m_game.ForgetEnded();
    GameChanged();
}

std::optional<Move> TMovesMenu::LastMoveShown() const {
    const GameRecord& record = m_game.record();
    if (!ShowLastMove() || !m_game.RecordFollows() || !(m_game.Running || m_game.FinalPositionShown()) ||
        record.Cursor() == 0)
        return std::nullopt;
    return record.Moves()[record.Cursor() - 1];
}

// Undo, Redo and the move list.

bool TMovesMenu::MayBrowse() const {
    return m_host.Players().NetworkRole == 0 && m_game.RecordLive() && !m_host.Closing();
}

void TMovesMenu::Undo1Click() {
    if (!MayBrowse()) return;
    if (const std::optional<std::size_t> ply = m_game.UndoTarget(m_host.Players().PlayerIsComputer))
        GoToPly(*ply);
}

void TMovesMenu::Redo1Click() {
    if (!MayBrowse()) return;
    if (const std::optional<std::size_t> ply = m_game.RedoTarget(m_host.Players().PlayerIsComputer))
        GoToPly(*ply);
}

void TMovesMenu::GoToPly(std::size_t ply) {
    if (!MayBrowse() || ply > m_game.record().Size()) {
        m_moveList->Show(m_game.record(), m_game.RecordLive());
        return;
    }
    // The final position of an ended game is shown as it ended: played on, it would only
    // end again.
    if (m_game.RecordEnded() && ply == m_game.record().Size()) {
        ShowFinalPosition();
        return;
    }
    ShowPosition(ply);
    m_host.ContinueGame();
}

// Sets a position of the record on the board at once: a running search is stopped and its
// move dropped (the board is emptied first), the pieces are set without animation.
void TMovesMenu::ShowPosition(std::size_t ply) {
    m_host.EmptyBoard();
    m_game.ShowRecordAt(ply);
    m_view.ShowPosition(m_game.Grid());
    GameChanged();
}

void TMovesMenu::ShowFinalPosition() {
    m_host.EmptyBoard();
    m_game.ShowFinalPosition();
    m_view.ShowPosition(m_game.Grid());
    GameChanged();
}

// Hints.

bool TMovesMenu::MayHint() const {
    const PlayerConfig& players = m_host.Players();
    if (!m_game.Running) return false;
    if (players.NetworkRole != 0) return m_game.ToMove == players.NetworkRole;
    return !players.PlayerIsComputer[m_game.ToMove];
}

void TMovesMenu::Hint1Click() {
    if (!MayHint() || m_host.ComputerThinking()) return;
    m_view.ClearHint();
    const SearchOutcome outcome =
        SearchTopLevel(EngineKind::Fast, m_game.Grid(), m_game.ToMove, HintSettings, nullptr);
    if (!outcome.NoMove) m_view.ShowHint(outcome.BestMove);
}

std::optional<Move> TMovesMenu::shownHint() const {
    return m_view.hint();
}

bool TMovesMenu::eventFilter(QObject* watched, QEvent* event) {
    // The hint stays until the next click on the board or on a piece.
    if (m_view.hint() && event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget == m_view.surface() || m_view.surface()->isAncestorOf(widget)) m_view.ClearHint();
    }
    return QObject::eventFilter(watched, event);
}

// The last move's outline.

bool TMovesMenu::ShowLastMove() const {
    return ShowLastMove1->isChecked();
}

void TMovesMenu::SetShowLastMove(bool on) {
    ShowLastMove1->setChecked(on);
}

// Saving, opening and resuming.

bool TMovesMenu::MaySaveOrOpen() const {
    return m_host.Players().NetworkRole == 0 && !m_host.Closing();
}

void TMovesMenu::SaveGame1Click() {
    if (!MaySaveOrOpen() || !RecordLive()) return;
    const QString asked = m_platform.AskFileName(true, QCoreApplication::translate("MovesMenu", "Save Game"),
                                                 GameFileFilterShown());
    if (asked.isEmpty()) return;
    const QString path = WithGameSuffix(asked);
    const QString failure =
        WriteGameFile(path, GameText(m_game.RecordVariant(), m_host.Players(), m_game.record()));
    if (!failure.isEmpty())
        m_platform.ShowMessage(QCoreApplication::translate("MovesMenu", "Save Game"), failure);
}

void TMovesMenu::OpenGame1Click() {
    if (!MaySaveOrOpen()) return;
    const QString path = m_platform.AskFileName(false, QCoreApplication::translate("MovesMenu", "Open Game"),
                                                GameFileFilterShown());
    if (path.isEmpty()) return;
    std::variant<SavedGame, GameFileError> read = ReadGameFile(path);
    if (const GameFileError* error = std::get_if<GameFileError>(&read)) {
        // The game on the board is not touched.
        m_platform.ShowMessage(
            QCoreApplication::translate("MovesMenu", "Open Game"),
            QCoreApplication::translate("MovesMenu", "%1 is not a game this program can open.\n%2")
                .arg(path, ShownText(error->Text())));
        return;
    }
    LoadGame(std::get<SavedGame>(std::move(read)));
}

void TMovesMenu::LoadGame(SavedGame game) {
    // The game's players take over, as if chosen in the Players dialog; the rest stays.
    PlayerConfig& config = m_host.Players();
    for (int player = 1; player <= 2; ++player) {
        config.PlayerIsComputer[player] = game.Players.PlayerIsComputer[player];
        config.Level[player] = game.Players.Level[player];
        config.Algo[player] = game.Players.Algo[player];
        config.Branch[player] = game.Players.Branch[player];
    }
    const std::size_t ply = game.Record.Cursor();
    m_game.TakeRecord(std::move(game.Record), game.Variant);
    m_playedLocally = true;
    ShowPosition(ply);
    m_host.ContinueGame();
}

void TMovesMenu::SetStoreDirectory(const std::filesystem::path& directory) {
    m_storeDirectory = directory;
    Refresh();
}

std::filesystem::path TMovesMenu::LastGameFile() const {
    return m_storeDirectory.empty() ? std::filesystem::path() : m_storeDirectory / "lastgame.tgame";
}

void TMovesMenu::KeepForResume() {
    const std::filesystem::path file = LastGameFile();
    if (file.empty()) return;
    const QString path = QString::fromStdString(file.string());
    if (m_host.Players().NetworkRole == 0 && m_game.Running && m_game.RecordFollows()) {
        // Kept like the settings: a fresh file replaces the old one only when complete. A full
        // disk is told, as for the settings: closing goes on, the game kept before stays.
        const QString failure =
            WriteGameFile(path, GameText(m_game.RecordVariant(), m_host.Players(), m_game.record()));
        if (!failure.isEmpty())
            m_platform.ShowMessage(
                "Tessaron",
                QCoreApplication::translate("MovesMenu",
                                            "The unfinished game could not be kept for Resume Last Game.\n") +
                    failure);
    } else if (m_playedLocally) {
        QFile::remove(path);
    }
}

void TMovesMenu::ResumeLastGame1Click() {
    if (!MaySaveOrOpen() || LastGameFile().empty()) return;
    const QString path = QString::fromStdString(LastGameFile().string());
    std::variant<SavedGame, GameFileError> read = ReadGameFile(path);
    if (const GameFileError* error = std::get_if<GameFileError>(&read)) {
        m_platform.ShowMessage(
            QCoreApplication::translate("MovesMenu", "Resume Last Game"),
            QCoreApplication::translate("MovesMenu", "The kept game cannot be resumed.\n%1")
                .arg(ShownText(error->Text())));
        return;
    }
    LoadGame(std::get<SavedGame>(std::move(read)));
}

// How to Play.

void TMovesMenu::HowToPlay1Click() {
    if (!m_howToPlay) m_howToPlay = new THowToPlay(&m_window);
    m_howToPlay->show();
    m_howToPlay->raise();
    m_howToPlay->activateWindow();
}

void TMovesMenu::Refresh() {
    const bool browse = MayBrowse();
    Undo1->setEnabled(browse && m_game.UndoTarget(m_host.Players().PlayerIsComputer).has_value());
    Redo1->setEnabled(browse && m_game.RedoTarget(m_host.Players().PlayerIsComputer).has_value());
    Hint1->setEnabled(MayHint());
    SaveGame1->setEnabled(MaySaveOrOpen() && RecordLive());
    OpenGame1->setEnabled(MaySaveOrOpen());
    ResumeLastGame1->setEnabled(MaySaveOrOpen() && !LastGameFile().empty() &&
                                std::filesystem::exists(LastGameFile()));
    m_moveList->ShowPlayControls(browse && m_game.record().Size() > 0 && !m_host.Replaying(),
                                 m_host.MayPause(), m_host.Paused());
}
