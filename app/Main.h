#pragma once

#include <QMainWindow>

#include "app/GamePlay.h"
#include "app/MainControls.h"
#include "app/MainMenuBar.h"
#include "app/settings/PlayerConfig.h"
#include "net/NetworkGame.h"
#include "net/NetworkGameHost.h"
#include "rules/Game.h"
#include "view/BoardSurface.h"
#include "view/BoardView.h"

class CircleShape;
class Platform;
class TOptions;
class TAboutBox;
class TSystemInfo;
class TProfile;
class TMovesMenu;
struct ProfileState;

// The main window: its menus, controls and dialogs, the settings, and the handlers under the
// names the game uses. The game is the model (rules/Game.h), the board on screen its view
// (view/BoardView.h), and the play on them (app/GamePlay.h) decides what comes next; the
// window's game state below is theirs, under the game's names. The fields are public so that
// the tests can drive and read the window.
class TForm1 final : public QMainWindow,
                     public MainMenuBar,
                     private BoardSurfaceHandler,
                     private NetworkGameHost,
                     public MainControls {
    Q_OBJECT
  public:
    PlayerConfig Config;

  private:
    // Before the fields that name their parts.
    Platform& m_platform;
    Game m_game;
    BoardView m_view;
    GamePlay m_play{m_game, m_view, m_platform, Config};

  public:
    explicit TForm1(Platform& platform, QWidget* parent = nullptr);
    ~TForm1() override;

    // The score captions and markers of the board view.
    QLabel* Score1;
    QLabel* Score2;
    CircleShape* Player1Marker;
    CircleShape* Player2Marker;
    // The Players dialog, created with the window and kept until the program ends.
    TOptions* Options = nullptr;
    // Created after the main window at start-up and shown from the Help menu.
    TAboutBox* AboutBox = nullptr;
    TSystemInfo* SystemInfo = nullptr;
    // The Moves menu between Options and Help.
    TMovesMenu* Moves = nullptr;

    // Game state.
    int& CurrentPlayer = m_game.ToMove;
    bool& GameRunning = m_game.Running;
    int& ChosenVariant = m_play.ChosenVariant;
    bool& SoundOn = m_play.SoundOn;
    bool& ComputerBusy = m_play.ComputerBusy;
    bool& StopSearch = m_play.StopSearch;
    int& AnimDelay = m_play.AnimDelay;
    // The pending human move and the geometry.
    bool& PieceSelected = m_view.Pending.Selected;
    int& SelectedRow = m_view.Pending.SelectedRow;
    int& SelectedCol = m_view.Pending.SelectedCol;
    int& TargetRow = m_view.Pending.TargetRow;
    int& TargetCol = m_view.Pending.TargetCol;
    bool& CloneMove = m_view.Pending.Clone;
    int& HexSize = m_view.HexSize;

    Platform& platform() const { return m_platform; }
    const Game& game() const { return m_game; }
    const ::Board& board() const { return m_game.board(); }
    const PieceLayer& pieces() const { return m_view.pieces(); }
    const CellHighlights& highlights() const { return m_view.highlights(); }
    // The network play: TCPClient1 and TCPServer1 with their handlers. System Information
    // reads the socket service's Description, SystemStatus, LocalHostName and
    // LocalHostAddress from TCPClient1.
    NetworkGame& network() { return m_network; }
    const HoleList& holes() const { return m_holes; }
    BoardSurface* surface() const { return Surface; }
    // Where the board stands on the surface: moved right to centre a board of hex size
    // above 20 (BoardShift).
    QPoint BoardOffset() const { return m_view.Offset(); }

    // Menu commands.
    void Start1Click();                // Game > Start
    void StandardClick(QAction* item); // Options > Board > any layout
    void Player1Click();               // Options > Sound
    void Exit1Click();                 // Game > Exit
    void Player12Click();              // Options > Players
    void HelpTopics1Click();           // opens How to Play
    void Networkinfod1Click();
    void AboutTessaron1Click();
    void SendMessage1Click();
    void Disconnect1Click();

    // Start-up's settings step, after every window exists: loads the settings through
    // `profile` into the player configuration, the Sound and Board check marks and the
    // Players dialog's endpoint texts. On a settings error the text is shown in a message
    // box and the result is false: the program must then end, and nothing is stored at
    // close. On success the window keeps `profile` and stores the settings when it closes.
    bool CreateEnv(TProfile& profile);
    // The state that persists, as the window and the Players dialog hold it now.
    ProfileState SettingsState() const;
    void ApplySettings(const ProfileState& state);

    // The window's part of confirming the Players dialog: the new configuration is taken,
    // a running game ends without a result, and the status line or the progress bar is
    // shown for the new network role. Closing the sockets is the network unit's part.
    void ApplyPlayers(const PlayerConfig& players);

    // The board, the moves, the turns and the end of the game.
    void MettreLesPions() { m_play.MettreLesPions(); }
    void VideDamier() { m_play.VideDamier(); }
    void CreatePion(int fromRow, int fromCol, int row, int col, int owner) {
        m_play.CreatePion(fromRow, fromCol, row, col, owner);
    }
    // A move of CurrentPlayer of the kind in CloneMove; an illegal one is refused (false).
    bool PlayMove(int fromRow, int fromCol, int toRow, int toCol) {
        return m_play.PlayMove(fromRow, fromCol, toRow, toCol);
    }
    void RepositionnnePions() { m_view.Reposition(); }
    void ColorHex(int row, int col, const QColor& colour) { m_view.ColorHex(row, col, colour); }
    void Shape1MouseDown(PieceObject* piece) { m_play.Shape1MouseDown(piece); }
    void FormMouseMove(int x, int y) override { m_play.FormMouseMove(x, y); }
    void FormMouseDown(Qt::MouseButton) override { m_play.FormMouseDown(); }
    bool FormKeyPress(int key, const QString& text) override { return m_play.BoardKeyPress(key, text); }
    void ComputerTurn() { m_play.ComputerTurn(); }
    void IsItTheEnd() { m_play.IsItTheEnd(); }
    void FinJeu() { m_play.FinJeu(); }

    void FormResize() override;
    void FormClose();

    // The score captions read as numbers; an empty caption counts as 0.
    static int ScoreOf(const QLabel* label) { return BoardView::CaptionNumber(label); }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void ConnectMenus();
    void FormCreate();
    void FormPaint(QPainter& painter) override { m_view.Paint(painter, m_holes); }

    // What network play asks of the window.
    int NetworkRole() const override { return Config.NetworkRole; }
    void SetStatus(const QString& text) override;
    void SetConnectionMenus(bool connected) override;
    void BeginGame() override { m_play.BeginNetworkGame(); }
    void EmptyBoard() override { m_play.EmptyBoard(); }
    ReceiveSituation Situation() const override { return m_play.Situation(); }
    void PlayReceivedMove(const Move& move) override { m_play.PlayReceivedMove(move); }
    void ShowChat(const QString& caption, const QString& text) override;
    std::optional<QString> AskChatText() override;
    void ShowError(const QString& text) override;

    HoleList m_holes{};
    // Set by a successful CreateEnv; the settings are stored through it at close.
    TProfile* m_profile = nullptr;
    bool m_closed = false;
    // Declared last: its sockets close before the window's controls go.
    NetworkGame m_network{*this};
};
