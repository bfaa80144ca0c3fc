#include "app/Main.h"

#include "app/Info.h"
#include "app/MovesMenu.h"
#include "app/about.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "app/OuterSize.h"
#include "app/Platform.h"
#include "app/ShownText.h"
#include "app/Version.h"
#include "app/options/option.h"
#include "app/settings/Profile.h"
#include "view/BoardGeometry.h"

namespace {

// The window's outer size at start-up, frame and menu bar included.
constexpr int DesignWidth = 481;
constexpr int DesignHeight = 389;

} // namespace

TForm1::TForm1(Platform& platform, QWidget* parent)
    : QMainWindow(parent), MainMenuBar(static_cast<QMainWindow&>(*this)),
      MainControls(static_cast<QMainWindow&>(*this), *this), m_platform(platform) {
    setWindowTitle(QStringLiteral("Tessaron ") + QLatin1String(TessaronVersion));
    ConnectMenus();
    FormCreate();
    Moves = new TMovesMenu(*this, Player21, m_play, m_platform, m_game, m_view);
    m_play.ProgressBar = ProgressBar;
    m_play.Moves = Moves;
    m_play.Network = &m_network;
    // The Players dialog comes after the main window, as start-up creates the windows.
    Options = new TOptions(this);
    // Its creation chose the outer size for the screen's resolution.
    KeepOuterSize(Options, Options->size());
}

TForm1::~TForm1() {
    // The Moves menu goes first: nothing it watches may call into a window half gone.
    m_play.Moves = nullptr;
    delete std::exchange(Moves, nullptr);
}

void TForm1::ConnectMenus() {
    connect(Start1, &QAction::triggered, this, [this] { Start1Click(); });
    connect(SendMessage1, &QAction::triggered, this, [this] { SendMessage1Click(); });
    connect(Disconnect1, &QAction::triggered, this, [this] { Disconnect1Click(); });
    connect(Exit1, &QAction::triggered, this, [this] { Exit1Click(); });
    connect(Player12, &QAction::triggered, this, [this] { Player12Click(); });
    // The Sound item toggles its own check mark; the game follows it.
    connect(Player1, &QAction::triggered, this, [this](bool checked) {
        SoundOn = checked;
        m_platform.SetSoundOn(SoundOn);
    });
    connect(BoardGroup, &QActionGroup::triggered, this, [this](QAction* item) { StandardClick(item); });
    connect(HelpTopics1, &QAction::triggered, this, [this] { HelpTopics1Click(); });
    connect(Networkinfod1, &QAction::triggered, this, [this] { Networkinfod1Click(); });
    connect(AboutTessaron1, &QAction::triggered, this, [this] { AboutTessaron1Click(); });
}

void TForm1::FormCreate() {
    // The board view on the surface, asking the window for the frames' delay and the sounds.
    m_view.Attach(Surface);
    Score1 = m_view.ScoreCaption(1);
    Score2 = m_view.ScoreCaption(2);
    Player1Marker = m_view.Marker(1);
    Player2Marker = m_view.Marker(2);
    m_view.PauseFrame = [this] { m_platform.Wait(AnimDelay); };
    m_view.RequestSound = [this](const char* file) {
        if (SoundOn) m_platform.PlaySound(QString::fromLatin1(file));
    };
    m_view.OnPieceClicked = [this](PieceObject* piece) { Shape1MouseDown(piece); };
    m_holes = BuildHoleList(m_game.board());
    ChosenVariant = Standard->data().toInt();
    resize(DesignWidth, DesignHeight);
    KeepOuterSize(this, {DesignWidth, DesignHeight});
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(DesignWidth / 2, DesignHeight / 2));
    }
}

void TForm1::Start1Click() {
    // With a network role the game begins when the connection is made, with player 1 to move.
    // Both sides are then people (settings from the file may say otherwise): a computer move
    // here would never reach the peer.
    if (Config.NetworkRole != 0) {
        m_network.Open(Options->EditHostClient->text(), Options->EditPortClient->text(),
                       Options->EditPortServer->text());
        CurrentPlayer = 1;
    } else {
        m_play.StartLocalGame();
    }
}

void TForm1::StandardClick(QAction* item) {
    item->setChecked(true);
    ChosenVariant = item->data().toInt();
}

void TForm1::Player1Click() {
    Player1->trigger();
}

void TForm1::Exit1Click() {
    close();
}

void TForm1::Player12Click() {
    Options->FillFrom(Config);
    if (m_platform.ExecDialog(*Options) != QDialog::Accepted) return;
    // Cancel keeps everything, the typed endpoint texts included (they live in the dialog).
    PlayerConfig players = Config;
    Options->TakeInto(players);
    // The connection of the old role ends before the new role is taken, even when it stays.
    if (Config.NetworkRole != 0) m_network.CloseForNewPlayers();
    players.NetworkRole = Options->ChosenNetworkRole();
    ApplyPlayers(players);
}

void TForm1::SendMessage1Click() {
    m_network.SendMessage1Click();
}

void TForm1::Disconnect1Click() {
    m_network.Disconnect1Click();
}

bool TForm1::CreateEnv(TProfile& profile) {
    ProfileState state = SettingsState();
    try {
        profile.CreateEnv(state);
    } catch (const SettingsError& error) {
        m_platform.ShowMessage("Tessaron", ShownText(std::string_view(error.what())));
        return false;
    }
    ApplySettings(state);
    m_profile = &profile;
    if (profile.Registry) Moves->SetStoreDirectory(profile.Registry->File().parent_path());
    return true;
}

ProfileState TForm1::SettingsState() const {
    ProfileState state;
    state.Config = Config;
    state.SoundOn = SoundOn;
    state.ChosenVariant = ChosenVariant;
    state.ShowLastMove = Moves->ShowLastMove();
    Options->TakeEndpoints(state);
    return state;
}

void TForm1::ApplySettings(const ProfileState& state) {
    Config = state.Config;
    SoundOn = state.SoundOn;
    Player1->setChecked(SoundOn);
    m_platform.SetSoundOn(SoundOn);
    // Taken as stored; only 2 and 3 move the check mark, any other value leaves Standard.
    ChosenVariant = state.ChosenVariant;
    if (ChosenVariant == 2) American->setChecked(true);
    if (ChosenVariant == 3) Swedish->setChecked(true);
    Options->SetEndpoints(state);
    Moves->SetShowLastMove(state.ShowLastMove);
    // A loaded network role shows the status line at once, as confirming the Players dialog
    // would: otherwise the listening state and every connection failure after Start go unseen.
    ShowNetworkStatus(Config.NetworkRole != 0);
}

void TForm1::HelpTopics1Click() {
    // The rules window of the Moves menu: an enabled Help item must lead somewhere.
    Moves->HowToPlay1Click();
}

void TForm1::Networkinfod1Click() {
    if (SystemInfo) m_platform.ExecDialog(*SystemInfo);
}

void TForm1::AboutTessaron1Click() {
    // The jingle starts without waiting for it; the box opens at once.
    if (SoundOn) m_platform.PlaySound("crtv.wav");
    if (AboutBox) m_platform.ExecDialog(*AboutBox);
}

void TForm1::ApplyPlayers(const PlayerConfig& players) {
    Config = players;
    if (GameRunning) m_play.EmptyBoard();
    ShowNetworkStatus(Config.NetworkRole != 0);
    Moves->PlayersChanged();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TForm1::FormClose() {
    const bool firstClose = !std::exchange(m_closed, true);
    // Every running search gives up, and no loop of turns starts another one.
    m_play.Close();
    // The settings are stored once, even when the window is asked to close again.
    if (TProfile* profile = std::exchange(m_profile, nullptr)) {
        try {
            profile->WriteEnv(SettingsState());
        } catch (const SettingsError& error) {
            // Closing is never refused: the user learns what was not saved, and it ends.
            m_platform.ShowMessage("Tessaron", ShownText(std::string_view(error.what())));
        }
    }
    // Then an unfinished local game is kept beside the settings for the next run. Stopping
    // the searches changed neither the board nor the record.
    if (firstClose) Moves->KeepForResume();
    m_network.CloseSockets();
}

void TForm1::FormResize() {
    const QSize outer = frameGeometry().size();
    // The window's rule can give a board larger than the surface left between the menu
    // bar and the bottom line (at 1200 x 900 it would); the whole board stays on screen.
    // A short wide window would give less than the smallest playable size, which the
    // surface's minimum size always holds.
    int size = std::max(HexSizeFor(outer.width(), outer.height()), MinimumHexSize);
    if (Surface->isVisible())
        size = std::min(size, LargestHexSizeInside(Surface->width(), Surface->height()));
    m_view.Relayout(size, BoardShift(Surface->width(), size));
}

// What network play asks of the window.

void TForm1::SetStatus(const QString& text) {
    // Network play speaks English; the status line speaks the player's language.
    LabelState->setText(ShownText(text));
}

void TForm1::SetConnectionMenus(bool connected) {
    Start1->setEnabled(!connected);
    SendMessage1->setEnabled(connected);
    Disconnect1->setEnabled(connected);
}

void TForm1::ShowChat(const QString& caption, const QString& text) {
    // The caption names the sender; the text is the peer's own, shown as it came.
    m_platform.ShowMessage(ShownText(caption), text);
}

std::optional<QString> TForm1::AskChatText() {
    QString text;
    if (!m_platform.InputQuery("", QCoreApplication::translate("MainWindow", "What's your Message ?"), text))
        return std::nullopt;
    return text;
}

void TForm1::ShowError(const QString& text) {
    m_platform.ShowMessage("Tessaron", ShownText(text));
}
