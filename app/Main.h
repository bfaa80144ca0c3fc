#pragma once

#include <QMainWindow>
#include <cstdint>
#include <vector>

#include "app/MainMenuBar.h"
#include "app/MovesMenuHost.h"
#include "app/settings/PlayerConfig.h"
#include "net/NetworkGame.h"
#include "net/NetworkGameHost.h"
#include "rules/Game.h"
#include "view/BoardSurface.h"
#include "view/BoardView.h"

class CircleShape;
class PieceObject;
class Platform;
class QFrame;
class QLabel;
class QProgressBar;
class SearchJob;
class TOptions;
class TAboutBox;
class TSystemInfo;
class TProfile;
class TMovesMenu;
struct ProfileState;

// The main window. It runs the game with its menus, the mouse and the computer turns: the
// game itself is the model (rules/Game.h), the board on screen its view (view/BoardView.h),
// and the handlers keep the names the game uses and call them. The Players dialog is filled
// from and read into a PlayerConfig, the settings pass as a ProfileState, and network play and
// the Moves menu ask through their host interfaces. The fields are public so that the tests
// can drive and read the window.
class TForm1 final : public QMainWindow,
                     public MainMenuBar,
                     private BoardSurfaceHandler,
                     private NetworkGameHost,
                     private MovesMenuHost {
    Q_OBJECT
    // First: the fields below are the model's and the view's own, under the game's names.
    Game m_game;
    BoardView m_view;

  public:
    explicit TForm1(Platform& platform, QWidget* parent = nullptr);
    ~TForm1() override;

    // Controls. The score captions and markers are the board view's.
    QLabel* Score1;
    QLabel* Score2;
    CircleShape* Player1Marker;
    CircleShape* Player2Marker;
    QFrame* Bevel1;
    QFrame* Panel1;
    QLabel* LabelState;
    QProgressBar* ProgressBar;

    // The Players dialog, created with the window and kept until the program ends.
    TOptions* Options = nullptr;
    // Created after the main window at start-up and shown from the Help menu.
    TAboutBox* AboutBox = nullptr;
    TSystemInfo* SystemInfo = nullptr;
    // The Moves menu between Options and Help.
    TMovesMenu* Moves = nullptr;

    // Game state: the model's player to move and running game, the view's pending move and
    // hex size.
    PlayerConfig Config;
    int& CurrentPlayer = m_game.ToMove;
    int ChosenVariant = 1;
    bool& GameRunning = m_game.Running;
    bool SoundOn = false;
    bool ComputerBusy = false;
    bool StopSearch = false;
    bool& PieceSelected = m_view.Pending.Selected;
    int& SelectedRow = m_view.Pending.SelectedRow;
    int& SelectedCol = m_view.Pending.SelectedCol;
    int& TargetRow = m_view.Pending.TargetRow;
    int& TargetCol = m_view.Pending.TargetCol;
    bool& CloneMove = m_view.Pending.Clone;
    int& HexSize = m_view.HexSize;
    int AnimDelay = 10;

    // The platform seam, for the dialogs and handlers that show boxes or play sounds.
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
    BoardSurface* surface() const { return m_view.surface(); }
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
    // Shows the network status line in place of the progress bar, or the reverse.
    void ShowNetworkStatus(bool networkRole);

    // Board operations.
    void MettreLesPions();
    void VideDamier();
    void CreatePion(int fromRow, int fromCol, int row, int col, int owner);
    // Plays a move of CurrentPlayer of the kind in CloneMove: animation, captures, scores,
    // sound and the change of turn. A move that is not legal on the board (only possible
    // from a confused network peer) is refused and the result is false.
    bool PlayMove(int fromRow, int fromCol, int toRow, int toCol);
    void RepositionnnePions();
    void ColorHex(int row, int col, const QColor& colour);

    // Mouse play.
    void Shape1MouseDown(PieceObject* piece);
    void FormMouseMove(int x, int y) override;
    void FormMouseDown(Qt::MouseButton button) override;

    // Turns and the end of the game.
    void ComputerTurn();
    void IsItTheEnd();
    void FinJeu();

    void FormResize() override;
    void FormClose();

    // The score captions read as numbers; an empty caption counts as 0.
    static int ScoreOf(const QLabel* label);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void ConnectMenus();
    void CreateControls();
    void FormCreate();
    void FormPaint(QPainter& painter) override;
    bool TurnStillValid(uint64_t boardGeneration) const;

    // What network play asks of the window.
    int NetworkRole() const override;
    void SetStatus(const QString& text) override;
    void SetConnectionMenus(bool connected) override;
    void BeginGame() override;
    // Also the Moves menu's: the game on the board ends without a result.
    void EmptyBoard() override;
    ReceiveSituation Situation() const override;
    void PlayReceivedMove(const Move& move) override;
    void ShowChat(const QString& caption, const QString& text) override;
    std::optional<QString> AskChatText() override;
    void ShowError(const QString& text) override;

    // What the Moves menu asks of the window.
    PlayerConfig& Players() override { return Config; }
    bool Closing() const override { return m_closing; }
    bool ComputerThinking() const override { return ComputerBusy; }
    void ContinueGame() override;

    Platform& m_platform;
    HoleList m_holes{};
    // Counts the emptyings of the board: a turn or a loop of turns started before the
    // latest one belongs to a game that is gone.
    uint64_t m_boardGeneration = 0;
    bool m_closing = false;
    std::vector<SearchJob*> m_runningSearches;
    // Set by a successful CreateEnv; the settings are stored through it at close.
    TProfile* m_profile = nullptr;
    // Declared last: its sockets close before the window's controls go.
    NetworkGame m_network{*this};
};
