#include "app/MovesMenu.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QWidget>
#include <utility>

#include "ai/Engine.h"
#include "app/GameFile.h"
#include "app/HowToPlay.h"
#include "app/Main.h"
#include "app/MoveList.h"
#include "app/Platform.h"
#include "app/SearchJob.h"
#include "view/BoardGeometry.h"
#include "view/PieceObject.h"

namespace {

const char* const GameFileFilter = "Tessaron games (*.tgame);;All files (*)";
// The hint: the exact best move two plies deeper than any quick answer, yet instant.
constexpr SearchSettings HintSettings{Complete, 4, 5};

} // namespace

TMovesMenu::TMovesMenu(TForm1& form) : QObject(&form), m_form(form) {
    Moves1 = new QMenu("&Moves", &form);
    form.menuBar()->insertMenu(form.Player21->menuAction(), Moves1);
    Undo1 = Moves1->addAction("Undo");
    Undo1->setShortcut(QKeySequence("Ctrl+Z"));
    Redo1 = Moves1->addAction("Redo");
    Redo1->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
    Moves1->addSeparator();
    MoveList1 = Moves1->addAction("Move List");
    MoveList1->setCheckable(true);
    Hint1 = Moves1->addAction("Hint");
    Hint1->setShortcut(QKeySequence("H"));
    ShowLastMove1 = Moves1->addAction("Show Last Move");
    ShowLastMove1->setCheckable(true);
    Moves1->addSeparator();
    SaveGame1 = Moves1->addAction("Save Game…");
    SaveGame1->setShortcut(QKeySequence("Ctrl+S"));
    OpenGame1 = Moves1->addAction("Open Game…");
    OpenGame1->setShortcut(QKeySequence("Ctrl+O"));
    ResumeLastGame1 = Moves1->addAction("Resume Last Game");
    Moves1->addSeparator();
    HowToPlay1 = Moves1->addAction("How to Play");
    HowToPlay1->setShortcut(QKeySequence("F1"));

    // Mnemonics for the game's own menu titles, the keyboard's way into them. Their items
    // keep no shortcut: a stray key must never start a new game over one Undo cannot restore.
    form.Game1->setTitle("&Game");
    form.Player11->setTitle("&Options");
    form.Player21->setTitle("&Help");

    m_moveList = new TMoveList(&form);
    m_moveList->OnChoose = [this](std::size_t ply) { GoToPly(ply); };
    m_moveList->OnClosed = [this] { MoveList1->setChecked(false); };

    connect(Undo1, &QAction::triggered, this, [this] { Undo1Click(); });
    connect(Redo1, &QAction::triggered, this, [this] { Redo1Click(); });
    connect(MoveList1, &QAction::toggled, this, [this](bool on) { m_moveList->ShowBeside(m_form, on); });
    connect(Hint1, &QAction::triggered, this, [this] { Hint1Click(); });
    connect(ShowLastMove1, &QAction::toggled, this, [this] { m_form.surface()->update(); });
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
    // Their callbacks lead here.
    delete m_moveList;
    delete m_howToPlay;
}

// What the window reports.

void TMovesMenu::GameStarted() {
    m_record = GameRecord(GamePosition{CopyToValueGrid(m_form.m_board), 1});
    m_variant = m_form.ChosenVariant;
    m_playedLocally = m_playedLocally || m_form.Config.NetworkRole == 0;
    m_active = true;
    m_ended = false;
    m_final = false;
    Changed();
}

void TMovesMenu::MovePlayed(const Move& move) {
    ClearHint();
    if (!m_active) return;
    // A board that parted from the record (a position set up by hand) ends the record.
    if (!m_record.Play(move) || m_record.Current().Grid != CopyToValueGrid(m_form.m_board) ||
        m_record.Current().ToMove != m_form.CurrentPlayer)
        m_active = false;
    Changed();
}

void TMovesMenu::BoardEmptied() {
    ClearHint();
    m_endable = m_active;
    m_active = false;
    m_ended = false;
    m_final = false;
    Changed();
}

void TMovesMenu::GameEnded() {
    m_ended = m_endable;
    Changed();
}

void TMovesMenu::PlayersChanged() {
    // An ended game belongs to the players who played it: with new ones (or a network role)
    // neither Undo nor Save may bring it back, and its final position leaves the board.
    if (m_final) m_form.VideDamier();
    m_ended = false;
    Changed();
}

void TMovesMenu::Changed() {
    Refresh();
    m_moveList->Show(m_record, RecordLive());
    m_form.surface()->update();
}

void TMovesMenu::PaintOverlay(QPainter& painter) const {
    if (!ShowLastMove() || !m_active || !(m_form.GameRunning || m_final) || m_record.Cursor() == 0) return;
    const Move& last = m_record.Moves()[m_record.Cursor() - 1];
    painter.setPen(QPen(LastMoveOutlineColor, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(CellHexagon(last.FromRow, last.FromCol, m_form.HexSize));
    painter.drawPolygon(CellHexagon(last.ToRow, last.ToCol, m_form.HexSize));
}

// Undo, Redo and the move list.

bool TMovesMenu::MayBrowse() const {
    return m_form.Config.NetworkRole == 0 && RecordLive() && !m_form.m_closing;
}

// A position Undo and Redo may stop at: one where a person is to move, or the last one kept.
// In a game against the computer, Undo thus takes back the computer's reply with the move.
bool TMovesMenu::IsStop(std::size_t ply) const {
    return ply == m_record.Size() || !m_form.Config.PlayerIsComputer[m_record.At(ply).ToMove];
}

std::optional<std::size_t> TMovesMenu::UndoTarget() const {
    for (std::size_t ply = m_record.Cursor(); ply-- > 0;)
        if (IsStop(ply)) return ply;
    // After the result of a game in which no person was to move (two computers), Undo
    // brings back its final position instead of leaving the board empty for good.
    if (m_ended && !m_final && m_record.Size() > 0) return m_record.Size();
    return std::nullopt;
}

std::optional<std::size_t> TMovesMenu::RedoTarget() const {
    if (m_ended) return std::nullopt;
    for (std::size_t ply = m_record.Cursor() + 1; ply <= m_record.Size(); ++ply)
        if (IsStop(ply)) return ply;
    return std::nullopt;
}

void TMovesMenu::Undo1Click() {
    if (!MayBrowse()) return;
    if (const std::optional<std::size_t> ply = UndoTarget()) GoToPly(*ply);
}

void TMovesMenu::Redo1Click() {
    if (!MayBrowse()) return;
    if (const std::optional<std::size_t> ply = RedoTarget()) GoToPly(*ply);
}

void TMovesMenu::GoToPly(std::size_t ply) {
    if (!MayBrowse() || ply > m_record.Size()) {
        m_moveList->Show(m_record, RecordLive());
        return;
    }
    // The final position of an ended game is shown as it ended: played on, it would only
    // end again.
    if (m_ended && ply == m_record.Size()) {
        ShowFinalPosition();
        return;
    }
    m_record.GoTo(ply);
    ShowPosition();
    ContinueGame();
}

void TMovesMenu::ShowFinalPosition() {
    m_record.GoTo(m_record.Size());
    ShowPosition();
    m_form.GameRunning = false;
    m_ended = true;
    m_final = true;
    Changed();
}

// Sets the record's position on the board at once: a running search is stopped and its
// move dropped (the board's generation changes), the pieces are set without animation.
void TMovesMenu::ShowPosition() {
    TForm1& form = m_form;
    const GamePosition& position = m_record.Current();
    form.GameRunning = false;
    form.VideDamier();
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            const int owner = position.Grid(row, col);
            if (owner != 1 && owner != 2) continue;
            PieceObject* piece = form.NewPiece(row, col, owner);
            piece->setGeometry(PieceBox(row, col, form.HexSize).translated(form.BoardOffset()));
            piece->show();
        }
    for (int player = 1; player <= 2; ++player) {
        QLabel* score = player == 1 ? form.Score1 : form.Score2;
        score->setText(QString::number(PieceCount(position.Grid, player)));
        score->adjustSize();
    }
    form.CurrentPlayer = position.ToMove;
    form.GameRunning = true;
    m_active = true;
    m_ended = false;
    Changed();
}

// The game goes on from the position shown: computer players move, then the end test runs
// for the player to move, as after a move with the mouse.
void TMovesMenu::ContinueGame() {
    TForm1& form = m_form;
    const uint64_t game = form.m_boardGeneration;
    if (form.Config.NetworkRole == 0)
        while (form.GameRunning && form.TurnStillValid(game) &&
               form.Config.PlayerIsComputer[form.CurrentPlayer])
            form.ComputerTurn();
    if (form.GameRunning && form.TurnStillValid(game)) form.IsItTheEnd();
    if (form.TurnStillValid(game)) form.ProgressBar->setValue(0);
}

// Hints.

bool TMovesMenu::MayHint() const {
    const TForm1& form = m_form;
    if (!form.GameRunning) return false;
    if (form.Config.NetworkRole != 0) return form.CurrentPlayer == form.Config.NetworkRole;
    return !form.Config.PlayerIsComputer[form.CurrentPlayer];
}

void TMovesMenu::Hint1Click() {
    if (!MayHint() || m_form.ComputerBusy) return;
    ClearHint();
    const SearchOutcome outcome = SearchTopLevel(EngineKind::Fast, CopyToValueGrid(m_form.m_board),
                                                 m_form.CurrentPlayer, HintSettings, nullptr);
    if (outcome.NoMove) return;
    const Move& move = outcome.BestMove;
    m_hint = move;
    const QColor colour = move.Clone ? CloneHighlightColor : JumpHighlightColor;
    m_hintPiece = m_form.m_pieces.At(move.FromRow, move.FromCol);
    if (m_hintPiece) {
        m_hintPiece->setOutlineColor(colour);
        m_hintPiece->setOutlineWidth(3);
    }
    m_form.ColorHex(move.ToRow, move.ToCol, colour);
}

void TMovesMenu::ClearHint() {
    const std::optional<Move> hint = std::exchange(m_hint, std::nullopt);
    if (!hint) return;
    TForm1& form = m_form;
    if (PieceObject* piece = form.m_pieces.At(hint->FromRow, hint->FromCol)) {
        const bool selected =
            form.PieceSelected && form.SelectedRow == hint->FromRow && form.SelectedCol == hint->FromCol;
        piece->setOutlineColor(Qt::black);
        piece->setOutlineWidth(selected ? 3 : 1);
    }
    // The lit destination of the mouse keeps its light.
    if (!(form.TargetRow == hint->ToRow && form.TargetCol == hint->ToCol))
        form.ColorHex(hint->ToRow, hint->ToCol, BoardCellColor);
}

bool TMovesMenu::eventFilter(QObject* watched, QEvent* event) {
    // The hint stays until the next click on the board or on a piece.
    if (m_hint && event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget == m_form.surface() || m_form.surface()->isAncestorOf(widget)) ClearHint();
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
    return m_form.Config.NetworkRole == 0 && !m_form.m_closing;
}

void TMovesMenu::SaveGame1Click() {
    if (!MaySaveOrOpen() || !RecordLive()) return;
    const QString asked = m_form.platform().AskFileName(true, "Save Game", GameFileFilter);
    if (asked.isEmpty()) return;
    const QString path = WithGameSuffix(asked);
    const QString failure = WriteGameFile(path, GameText(m_variant, m_form.Config, m_record));
    if (!failure.isEmpty()) m_form.platform().ShowMessage("Save Game", failure);
}

void TMovesMenu::OpenGame1Click() {
    if (!MaySaveOrOpen()) return;
    const QString path = m_form.platform().AskFileName(false, "Open Game", GameFileFilter);
    if (path.isEmpty()) return;
    std::variant<SavedGame, GameFileError> read = ReadGameFile(path);
    if (const GameFileError* error = std::get_if<GameFileError>(&read)) {
        // The game on the board is not touched.
        m_form.platform().ShowMessage("Open Game", QString("%1 is not a game this program can open.\n%2")
                                                       .arg(path, QString::fromStdString(error->Text())));
        return;
    }
    LoadGame(std::get<SavedGame>(std::move(read)));
}

void TMovesMenu::LoadGame(SavedGame game) {
    // The game's players take over, as if chosen in the Players dialog; the rest stays.
    PlayerConfig& config = m_form.Config;
    for (int player = 1; player <= 2; ++player) {
        config.PlayerIsComputer[player] = game.Players.PlayerIsComputer[player];
        config.Level[player] = game.Players.Level[player];
        config.Algo[player] = game.Players.Algo[player];
        config.Branch[player] = game.Players.Branch[player];
    }
    m_record = std::move(game.Record);
    m_variant = game.Variant;
    m_playedLocally = true;
    ShowPosition();
    ContinueGame();
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
    if (m_form.Config.NetworkRole == 0 && m_form.GameRunning && m_active) {
        // Kept like the settings: a fresh file replaces the old one only when complete.
        WriteGameFile(path, GameText(m_variant, m_form.Config, m_record));
    } else if (m_playedLocally) {
        QFile::remove(path);
    }
}

void TMovesMenu::ResumeLastGame1Click() {
    if (!MaySaveOrOpen() || LastGameFile().empty()) return;
    const QString path = QString::fromStdString(LastGameFile().string());
    std::variant<SavedGame, GameFileError> read = ReadGameFile(path);
    if (const GameFileError* error = std::get_if<GameFileError>(&read)) {
        m_form.platform().ShowMessage(
            "Resume Last Game",
            QString("The kept game cannot be resumed.\n%1").arg(QString::fromStdString(error->Text())));
        return;
    }
    LoadGame(std::get<SavedGame>(std::move(read)));
}

// How to Play.

void TMovesMenu::HowToPlay1Click() {
    if (!m_howToPlay) m_howToPlay = new THowToPlay(&m_form);
    m_howToPlay->show();
    m_howToPlay->raise();
    m_howToPlay->activateWindow();
}

void TMovesMenu::Refresh() {
    const bool browse = MayBrowse();
    Undo1->setEnabled(browse && UndoTarget().has_value());
    Redo1->setEnabled(browse && RedoTarget().has_value());
    Hint1->setEnabled(MayHint());
    SaveGame1->setEnabled(MaySaveOrOpen() && RecordLive());
    OpenGame1->setEnabled(MaySaveOrOpen());
    ResumeLastGame1->setEnabled(MaySaveOrOpen() && !LastGameFile().empty() &&
                                std::filesystem::exists(LastGameFile()));
}
