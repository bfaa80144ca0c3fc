#include "net/NetworkGame.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "net/ChatEncoding.h"
#include "rules/MoveNotation.h"

namespace {

std::string_view ViewOf(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

NetworkGame::NetworkGame(NetworkGameHost& host) : m_host(host) {
    // Both sockets report their errors to the one handler.
    TCPClient1.OnError = [this](TCustomSocket* s, int error, const QString& msg) {
        TCPClient1Error(s, error, msg);
    };
    TCPServer1.OnError = [this](TCustomSocket* s, int error, const QString& msg) {
        TCPClient1Error(s, error, msg);
    };
    TCPClient1.OnConnect = [this](TCustomSocket* s, int socket) { TCPClient1Connect(s, socket); };
    TCPClient1.OnData = [this](TCustomSocket* s, int socket) { TCPClient1Data(s, socket); };
    TCPClient1.OnClose = [this](TCustomSocket* s, int socket) { TCPClient1Close(s, socket); };
    TCPServer1.OnAccept = [this](TCustomSocket* s, int socket) { TCPServer1Accept(s, socket); };
    TCPServer1.OnData = [this](TCustomSocket* s, int socket) { TCPServer1Data(s, socket); };
    TCPServer1.OnClose = [this](TCustomSocket* s, int socket) { TCPServer1Close(s, socket); };
}

NetworkGame::~NetworkGame() {
    for (TCustomSocket* socket :
         {static_cast<TCustomSocket*>(&TCPClient1), static_cast<TCustomSocket*>(&TCPServer1)})
        socket->OnError = nullptr;
    TCPClient1.OnClose = nullptr;
    TCPServer1.OnClose = nullptr;
    CloseSockets();
}

QByteArray MoveLineOf(const Move& move) {
    return QByteArray::fromStdString(MoveText(move));
}

void NetworkGame::Open(const QString& hostClient, const QString& portClient, const QString& portServer) {
    QString failure;
    if (m_host.NetworkRole() == 2) {
        TCPClient1.Close();
        TCPClient1.Authorized = true;
        TCPClient1.Host = hostClient;
        TCPClient1.Port = portClient;
        m_host.SetStatus("Trying to connect to " + TCPClient1.Host + " at port " + TCPClient1.Port);
        failure = TCPClient1.Connect();
    } else if (m_host.NetworkRole() == 1) {
        TCPServer1.Close();
        TCPServer1.Port = portServer;
        failure = TCPServer1.Listen();
        if (failure.isEmpty() && TCPServer1.Status == ssListening)
            m_host.SetStatus(TCPServer1.LocalHostAddress() + " Listening on port: " + TCPServer1.Port);
    }
    if (!failure.isEmpty()) m_host.ShowError(failure);
}

bool NetworkGame::SendToPeer(const QByteArray& text) {
    if (m_host.NetworkRole() == 2) {
        if (TCPClient1.Status != ssConnected) return false;
        return TCPClient1.SendText(text);
    }
    if (m_host.NetworkRole() == 1) {
        if (TCPServer1.Clients.Count() == 0) return false;
        return TCPServer1.SendTextTo(TCPServer1.Clients.Items(0), text);
    }
    return false;
}

bool NetworkGame::SendMove(const Move& move) {
    return SendToPeer(MoveLineOf(move));
}

void NetworkGame::SendMessage1Click() {
    const std::optional<QString> text = m_host.AskChatText();
    if (!text) return;
    SendToPeer('#' + QByteArray::fromStdString(ChatBytesForWire(ViewOf(text->toUtf8()))));
}

void NetworkGame::Disconnect1Click() {
    TCPClient1.Close();
    TCPServer1.Close();
    m_host.SetStatus("Not Connected");
    Disconnected();
}

void NetworkGame::CloseForNewPlayers() {
    Disconnect1Click();
}

void NetworkGame::CloseSockets() {
    TCPClient1.Close();
    TCPServer1.Close();
}

void NetworkGame::Connected() {
    m_decoder.Reset();
    m_inbox.clear();
    m_waitingChats.clear();
    m_chatsDroppedUnsaid = 0;
    m_chatsDropped = 0;
    m_host.SetConnectionMenus(true);
}

void NetworkGame::Disconnected() {
    // Messages still waiting behind an open chat box belong to the game that has just ended.
    m_inbox.clear();
    m_waitingChats.clear();
    m_chatsDroppedUnsaid = 0;
    m_decoder.Reset();
    m_host.SetConnectionMenus(false);
    m_host.EmptyBoard();
}

void NetworkGame::TCPClient1Error(TCustomSocket*, int, const QString& Msg) {
    m_host.SetStatus(Msg);
    Disconnected();
}

void NetworkGame::TCPClient1Connect(TCustomSocket*, int) {
    m_host.SetStatus("Connected on local port " + TCPClient1.LocalPortOf(TCPClient1.SocketHandle));
    m_host.BeginGame();
    Connected();
}

void NetworkGame::TCPServer1Accept(TCustomSocket*, int Socket) {
    // One opponent at a time: a second caller is turned away and the game goes on.
    if (TCPServer1.Clients.Count() > 1) {
        TCPServer1.DropClient(Socket);
        return;
    }
    m_host.SetStatus("Connection accepted for " + TCPServer1.PeerAddressOf(Socket) + " on port " +
                     TCPServer1.PeerPortOf(Socket));
    m_host.BeginGame();
    Connected();
}

void NetworkGame::TCPClient1Data(TCustomSocket*, int) {
    Received(TCPClient1.ReceiveText(), 1);
}

void NetworkGame::TCPServer1Data(TCustomSocket*, int Socket) {
    Received(TCPServer1.ReceiveTextFrom(Socket), 2);
}

void NetworkGame::TCPClient1Close(TCustomSocket*, int) {
    TCPClient1.Close();
    m_host.SetStatus("Connection closed by Player 1 ");
    Disconnected();
}

void NetworkGame::TCPServer1Close(TCustomSocket*, int) {
    m_host.SetStatus("Connection closed by Player 2 ");
    Disconnected();
}

void NetworkGame::Received(const QByteArray& read, int remotePlayer) {
    for (NetMessage& message : m_decoder.Feed(ViewOf(read)))
        m_inbox.push_back(std::move(message));
    // The end of a game shows its result in a box too, and a read may arrive meanwhile: the
    // queue keeps the messages of both reads in order.
    while (!m_inbox.empty()) {
        const NetMessage message = std::move(m_inbox.front());
        m_inbox.pop_front();
        Handle(message, remotePlayer);
    }
    ShowWaitingChats();
}

QString ChatTextShown(const std::string& received) {
    const QString shown = QString::fromStdString(ChatTextForDisplay(received));
    // The note that ends a cut text is the program's, in the player's language; the same line
    // sent by the peer, at the end of a text that was not cut, stays the peer's.
    static const QRegularExpression note(QStringLiteral(R"((?:^|\n)\[(\d+) more characters not shown\]$)"));
    const QRegularExpressionMatch found = note.match(shown);
    if (!found.hasMatch()) return shown;
    const QString line = found.captured(0).mid(found.captured(0).startsWith('\n') ? 1 : 0);
    if (QString::fromStdString(received).endsWith(line)) return shown;
    return shown.chopped(line.size()) +
           QCoreApplication::translate("NetworkGame", "[%1 more characters not shown]")
               .arg(found.captured(1));
}

void NetworkGame::Handle(const NetMessage& message, int remotePlayer) {
    if (message.Type == NetMessage::Kind::Chat) {
        QueueChat(QStringLiteral("Message from Player %1").arg(remotePlayer),
                  ChatTextShown(ChatTextFromWire(message.Text)), remotePlayer);
        return;
    }
    ReceiveSituation situation = m_host.Situation();
    situation.RemotePlayer = remotePlayer;
    const MoveVerdict verdict = JudgeReceivedMove(message.Text, situation);
    if (verdict.Accepted())
        m_host.PlayReceivedMove(verdict.Received);
    else
        m_host.SetStatus(QString::fromStdString(verdict.StatusText));
}

void NetworkGame::QueueChat(const QString& caption, const QString& text, int remotePlayer) {
    if (m_waitingChats.size() == MaxWaitingChats) {
        m_waitingChats.pop_front();
        ++m_chatsDroppedUnsaid;
        ++m_chatsDropped;
        m_host.SetStatus(QStringLiteral("Messages from Player %1 came too fast: %2 not shown")
                             .arg(remotePlayer)
                             .arg(m_chatsDropped));
    }
    m_waitingChats.push_back({caption, text});
}

void NetworkGame::ShowWaitingChats() {
    if (m_chatBoxOpen) return;
    m_chatBoxOpen = true;
    while (!m_waitingChats.empty()) {
        WaitingChat chat = std::move(m_waitingChats.front());
        m_waitingChats.pop_front();
        if (m_chatsDroppedUnsaid > 0) {
            const QString note =
                m_chatsDroppedUnsaid == 1
                    ? QCoreApplication::translate("NetworkGame",
                                                  "(1 earlier message was not shown: it came too fast)")
                    : QCoreApplication::translate("NetworkGame",
                                                  "(%1 earlier messages were not shown: they came too fast)")
                          .arg(m_chatsDroppedUnsaid);
            chat.Text = note + "\n\n" + chat.Text;
            m_chatsDroppedUnsaid = 0;
        }
        m_host.ShowChat(chat.Caption, chat.Text);
    }
    m_chatBoxOpen = false;
}
