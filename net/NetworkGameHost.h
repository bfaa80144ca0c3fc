#pragma once

#include <QString>

#include <optional>

#include "net/ReceivedMove.h"
#include "rules/Move.h"

// What network play needs from the main window. The window implements it; tests use a fake.
class NetworkGameHost {
  public:
    virtual ~NetworkGameHost() = default;

    // 0 no network game, 1 this copy listens and plays player 1, 2 it connects and plays player 2.
    virtual int NetworkRole() const = 0;
    // The status line (LabelState). Shown as plain text: it may hold text from the peer.
    virtual void SetStatus(const QString& text) = 0;
    // Start disabled, Send Message and Disconnect enabled while connected; the reverse when not.
    virtual void SetConnectionMenus(bool connected) = 0;
    // A new game with the peer: GameRunning true, CurrentPlayer 1, the starting pieces placed.
    virtual void BeginGame() = 0;
    // The game with the peer is gone: the board emptied (VideDamier), GameRunning false and
    // the local user's pending move cleared.
    virtual void EmptyBoard() = 0;
    // GameRunning, CurrentPlayer and the position, for judging a received move.
    virtual ReceiveSituation Situation() const = 0;
    // Plays a received move that has passed every check: CloneMove := move.Clone,
    // PlayMove(From, To), then the end test IsItTheEnd.
    virtual void PlayReceivedMove(const Move& move) = 0;
    // A modal box with one OK button showing `text` as plain text.
    virtual void ShowChat(const QString& caption, const QString& text) = 0;
    // The one-line input dialog with the prompt "What's your Message ?"; nothing on Cancel.
    virtual std::optional<QString> AskChatText() = 0;
    // A modal box for a port text that is neither a service name nor a number.
    virtual void ShowError(const QString& text) = 0;
};
