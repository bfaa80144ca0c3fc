#pragma once

#include <deque>
#include <string>

#include "net/MessageDecoder.h"
#include "net/NetworkGameHost.h"
#include "net/WSockets.h"

// A received chat text as its box shows it (ChatTextForDisplay), with the note that ends a
// text cut short in the player's language.
QString ChatTextShown(const std::string& received);

// The game's side of network play: it opens the connection for Start, sends the local user's
// moves and chat messages, turns what arrives into checked moves and chat boxes, and keeps
// the status line and the connection menus in step. The window owns one and calls it from
// Start, the mouse, the Game menu, the Players dialog and its close.
//
// Wire format, unchanged from what the game has always sent: a move is the text
// "FromRow-FromCol-ToRow-ToCol-Kind" (kind 1 clone, 0 jump); a chat message is "#" and the
// text (see ChatEncoding.h). Nothing delimits messages; MessageDecoder takes them apart again.
//
// One chat box is open at a time. Chat messages that arrive while it is open wait and are
// shown in order as each box closes; past MaxWaitingChats the oldest waiting one is dropped,
// and the next box and the status line say how many were. Moves are played as they arrive,
// whether or not a box is open.
class NetworkGame {
  public:
    static constexpr std::size_t MaxWaitingChats = 10;

    explicit NetworkGame(NetworkGameHost& host);
    // Closes both sockets without reporting to the host, which may be going away itself.
    ~NetworkGame();
    NetworkGame(const NetworkGame&) = delete;
    NetworkGame& operator=(const NetworkGame&) = delete;

    TTCPClient TCPClient1;
    TTCPServer TCPServer1;

    // The open step of Start: connect (role 2) or listen (role 1) with the endpoint texts of
    // the Players dialog. The outcome arrives later in the status line.
    void Open(const QString& hostClient, const QString& portClient, const QString& portServer);
    // Sends the local user's move before the window plays it. False when the send failed: the
    // error report has then emptied the board and the move must not be played.
    [[nodiscard]] bool SendMove(const Move& move);
    void SendMessage1Click();
    void Disconnect1Click();
    // The Players dialog was confirmed while a network role was set: the connection ends
    // before the new role is taken.
    void CloseForNewPlayers();
    // The window closes.
    void CloseSockets();

    void Connected();
    void Disconnected();

    // Socket events.
    void TCPClient1Error(TCustomSocket* Sender, int Error, const QString& Msg);
    void TCPClient1Connect(TCustomSocket* Sender, int Socket);
    void TCPClient1Data(TCustomSocket* Sender, int Socket);
    void TCPClient1Close(TCustomSocket* Sender, int Socket);
    void TCPServer1Accept(TCustomSocket* Sender, int Socket);
    void TCPServer1Data(TCustomSocket* Sender, int Socket);
    void TCPServer1Close(TCustomSocket* Sender, int Socket);

  private:
    // Sends to the peer of this copy's role; false when there is none or the send failed.
    bool SendToPeer(const QByteArray& text);
    // Decodes a read and handles its messages in order. A chat box keeps the event loop
    // running, so a read may arrive while earlier messages wait: they share one queue.
    void Received(const QByteArray& read, int remotePlayer);
    void Handle(const NetMessage& message, int remotePlayer);
    void QueueChat(const QString& caption, const QString& text, int remotePlayer);
    // Shows the waiting chat messages one box after another, unless a box is open already:
    // then the loop that opened it shows them when it closes.
    void ShowWaitingChats();

    struct WaitingChat {
        QString Caption;
        QString Text;
    };

    NetworkGameHost& m_host;
    MessageDecoder m_decoder;
    std::deque<NetMessage> m_inbox;
    std::deque<WaitingChat> m_waitingChats;
    bool m_chatBoxOpen = false;
    int m_chatsDroppedUnsaid = 0; // since the last box shown
    int m_chatsDropped = 0;       // on this connection
};

// The move line of a move, e.g. "3-2-4-3-1".
QByteArray MoveLineOf(const Move& move);
