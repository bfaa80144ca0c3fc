// The window's side of network play: what NetworkGame asks of it while it connects,
// receives moves and chat messages, and loses the connection.
#include <QAction>
#include <QLabel>

#include "app/Main.h"
#include "app/Platform.h"
#include "rules/ValueGrid.h"

int TForm1::NetworkRole() const {
    return Config.NetworkRole;
}

void TForm1::SetStatus(const QString& text) {
    LabelState->setText(text);
}

void TForm1::SetConnectionMenus(bool connected) {
    Start1->setEnabled(!connected);
    SendMessage1->setEnabled(connected);
    Disconnect1->setEnabled(connected);
}

void TForm1::BeginGame() {
    // A game with a new peer starts from the starting position with player 1 to move on
    // both copies, whatever this copy showed or whose turn it was before.
    if (GameRunning) {
        GameRunning = false;
        VideDamier();
    }
    GameRunning = true;
    CurrentPlayer = 1;
    MettreLesPions();
}

void TForm1::EmptyBoard() {
    GameRunning = false;
    VideDamier();
}

ReceiveSituation TForm1::Situation() const {
    ReceiveSituation situation;
    situation.GameRunning = GameRunning;
    situation.CurrentPlayer = CurrentPlayer;
    situation.Grid = m_game.Grid();
    return situation;
}

void TForm1::PlayReceivedMove(const Move& move) {
    // The remote user's move; the turn passes to the local user, never to a computer.
    CloneMove = move.Clone;
    PlayMove(move.FromRow, move.FromCol, move.ToRow, move.ToCol);
    IsItTheEnd();
}

void TForm1::ShowChat(const QString& caption, const QString& text) {
    m_platform.ShowMessage(caption, text);
}

std::optional<QString> TForm1::AskChatText() {
    QString text;
    if (!m_platform.InputQuery("", "What's your Message ?", text)) return std::nullopt;
    return text;
}

void TForm1::ShowError(const QString& text) {
    m_platform.ShowMessage("Tessaron", text);
}
