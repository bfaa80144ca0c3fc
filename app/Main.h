#pragma once

#include <QMainWindow>
#include <cstdint>
#include <vector>

#include "app/settings/PlayerConfig.h"
#include "net/NetworkGame.h"
#include "net/NetworkGameHost.h"
#include "rules/Board.h"
#include "view/BoardPainting.h"
#include "view/BoardSurface.h"
#include "view/PieceLayer.h"

class CircleShape;
class PieceObject;
class Platform;
class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QMenu;
class QProgressBar;
class SearchJob;
class TOptions;
class TAboutBox;
class TSystemInfo;
class TProfile;
class TMovesMenu;
struct ProfileState;

// The main window: it owns the board and its pieces, the game's state and the player
// configuration, and runs the game with its menus, the mouse and the computer turns.
// Nothing outside the window's own units (Main*.cpp and the Moves menu) writes its fields:
// the Players dialog is filled from and read into a PlayerConfig, the settings pass as a
// ProfileState, and the network play asks through NetworkGameHost. The fields are public so
// that the tests can drive and read the window.
// It owns the Players dialog (Options) and the network play with its two sockets, and it
// is the host the network play reports to.
class TForm1 final : public QMainWindow, private BoardSurfaceHandler, private NetworkGameHost {
    Q_OBJECT
  public:
    explicit TForm1(Platform& platform, QWidget* parent = nullptr);
    ~TForm1() override;

    // Menu bar, under the names the game's items have always had; the caption of each is on
    // its right. `Board` is the layout submenu; the game board itself is board().
    QMenu* Game1;             // Game
    QAction* Start1;          // Game > Start
    QAction* SendMessage1;    // Game > Send Message
    QAction* Disconnect1;     // Game > Disconnect
    QAction* Stop1;           // Game: the separator above Exit
    QAction* Exit1;           // Game > Exit
    QMenu* Player11;          // Options
    QAction* Player12;        // Options > Players
    QAction* Player1;         // Options > Sound, checked while sound is on
    QMenu* Board;             // Options > Board
    QActionGroup* BoardGroup; // the three layouts, exactly one checked
    QAction* Standard;        // Options > Board > Standard
    QAction* American;        // Options > Board > American
    QAction* Swedish;         // Options > Board > Swedish
    QMenu* Player21;          // Help
    QAction* HelpTopics1;     // Help > Help Topics
    QAction* Networkinfod1;   // Help > System Information
    QAction* N1;              // Help: the separator above About
    QAction* AboutTessaron1;  // Help > About Tessaron

    // Controls.
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
    // The Moves menu between Options and Help, with the game's record.
    TMovesMenu* Moves = nullptr;

    // Game state.
    PlayerConfig Config;
    int CurrentPlayer = 1;
    int ChosenVariant = 1;
    bool GameRunning = false;
    bool SoundOn = false;
    bool ComputerBusy = false;
    bool StopSearch = false;
    // The pending human move.
    bool PieceSelected = false;
    int SelectedRow = 0;
    int SelectedCol = 0;
    int TargetRow = 0;
    int TargetCol = 0;
    bool CloneMove = false;
    // Geometry and animation.
    int HexSize = 10;
    int AnimDelay = 10;

    // The platform seam, for the dialogs and handlers that show boxes or play sounds.
    Platform& platform() const { return m_platform; }
    const ::Board& board() const { return m_board; }
    // The piece objects that show the board's pieces.
    const PieceLayer& pieces() const { return m_pieces; }
    // The network play: TCPClient1 and TCPServer1 with their handlers. System Information
    // reads the socket service's Description, SystemStatus, LocalHostName and
    // LocalHostAddress from TCPClient1.
    NetworkGame& network() { return m_network; }
    const HoleList& holes() const { return m_holes; }
    BoardSurface* surface() const { return m_surface; }
    // Where the board's geometry (view/BoardGeometry.h) stands on the surface: moved right
    // to centre a board of hex size above 20 (BoardShift).
    QPoint BoardOffset() const { return {m_boardShift, 0}; }

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
    const CellHighlights& highlights() const { return m_highlights; }

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
    // The Moves menu sets positions on the board and resumes their play.
    friend class TMovesMenu;
    void FormCreate();
    void CreateMenus();
    void CreateControls();
    void FormPaint(QPainter& painter) override;
    void AddToScore(int player, int delta);
    QLabel* ScoreLabel(int player) const;
    void ShowPieceAt(QWidget* piece, const QRect& box);
    // A new piece object of `owner` on a cell, with the cell's value; not yet shown.
    PieceObject* NewPiece(int row, int col, int owner);
    void ClearPendingMove();
    bool TurnStillValid(uint64_t boardGeneration) const;

    // What network play asks of the window.
    int NetworkRole() const override;
    void SetStatus(const QString& text) override;
    void SetConnectionMenus(bool connected) override;
    void BeginGame() override;
    void EmptyBoard() override;
    ReceiveSituation Situation() const override;
    void PlayReceivedMove(const Move& move) override;
    void ShowChat(const QString& caption, const QString& text) override;
    std::optional<QString> AskChatText() override;
    void ShowError(const QString& text) override;

    Platform& m_platform;
    ::Board m_board;
    PieceLayer m_pieces;
    HoleList m_holes{};
    BoardSurface* m_surface = nullptr;
    CellHighlights m_highlights;
    // Counts the emptyings of the board: a turn or a loop of turns started before the
    // latest one belongs to a game that is gone.
    uint64_t m_boardGeneration = 0;
    bool m_closing = false;
    // How far right the board stands to be centred in a wide surface (BoardShift).
    int m_boardShift = 0;
    std::vector<SearchJob*> m_runningSearches;
    // Set by a successful CreateEnv; the settings are stored through it at close.
    TProfile* m_profile = nullptr;
    // Declared last: its sockets close before the window's controls go.
    NetworkGame m_network{*this};
};
