#include <gtest/gtest.h>

#include <chrono>
#include <poll.h>
#include <thread>

#include "net/NetworkGame.h"
#include "rules/Board.h"
#include "rules/Layouts.h"
#include "rules/MoveOffsets.h"
#include "tests/SocketTestSupport.h"

namespace {

ValueGrid EmptyGrid() {
    Board board;
    InitBoard(board);
    return CopyToValueGrid(board);
}

// The main window as network play sees it, keeping the position as a grid.
struct FakeHost : NetworkGameHost {
    explicit FakeHost(int role) : Role(role) {}

    int Role;
    std::vector<QString> Statuses;
    bool MenusConnected = false;
    bool Running = false;
    int Current = 1;
    ValueGrid Grid = EmptyGrid();
    int BoardsEmptied = 0;
    std::vector<std::pair<QString, QString>> Chats;
    std::optional<QString> ChatAnswer;
    std::vector<QString> Errors;

    int NetworkRole() const override { return Role; }
    void SetStatus(const QString& text) override { Statuses.push_back(text); }
    void SetConnectionMenus(bool connected) override { MenusConnected = connected; }
    void BeginGame() override {
        Running = true;
        Current = 1;
        Grid = StartingGrid(Standard);
    }
    void EmptyBoard() override {
        Running = false;
        Grid = EmptyGrid();
        ++BoardsEmptied;
    }
    ReceiveSituation Situation() const override { return {Running, Current, 0, Grid}; }
    void PlayReceivedMove(const Move& move) override { Play(move); }
    void ShowChat(const QString& caption, const QString& text) override { Chats.emplace_back(caption, text); }
    std::optional<QString> AskChatText() override { return ChatAnswer; }
    void ShowError(const QString& text) override { Errors.push_back(text); }

    void Play(const Move& move) {
        ValueGrid next;
        ApplyMoveToGrid(Grid, next, move, Current, OtherPlayer(Current));
        Grid = next;
        Current = OtherPlayer(Current);
    }
    QString Status() const { return Statuses.empty() ? QString() : Statuses.back(); }
};

// The first legal move of `player` of the wanted kind, scanning the board in order.
Move FirstLegalMove(const ValueGrid& grid, int player, bool clone) {
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col)
            for (const Offset& offset : MoveOffsets) {
                const Move move{row, col, row + offset.dRow, col + offset.dCol, clone};
                if (IsLegalMove(grid, move, player)) return move;
            }
    return {};
}

// What the mouse handler does: send first, play only when the send went out.
bool PlayLocalMove(NetworkGame& game, FakeHost& host, const Move& move) {
    if (!game.SendMove(move)) return false;
    host.Play(move);
    return true;
}

std::string ReadAvailable(int fd, int timeoutMs = 2000) {
    pollfd ready{fd, POLLIN, 0};
    if (poll(&ready, 1, timeoutMs) != 1) return {};
    char buffer[4096];
    const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

class NetworkPlay : public testing::Test {
  protected:
    void SetUp() override { port = QString::number(FreePort()); }

    void Listen() {
        server.Open("", "", port);
        ASSERT_TRUE(serverHost.Status().endsWith(" Listening on port: " + port))
            << serverHost.Status().toStdString();
    }

    void ConnectClient(NetworkGame& game, FakeHost& host) {
        game.Open("127.0.0.1", port, "");
        EXPECT_EQ(host.Status(), "Trying to connect to 127.0.0.1 at port " + port);
        ASSERT_TRUE(WaitUntil([&] { return host.MenusConnected && serverHost.MenusConnected; }));
    }

    FakeHost serverHost{1};
    FakeHost clientHost{2};
    NetworkGame server{serverHost};
    NetworkGame client{clientHost};
    QString port;
};

// The listening copy takes an IPv6 caller on the same port as IPv4 ones, and each copy names
// the other by its IPv6 address.
TEST_F(NetworkPlay, TwoCopiesPlayOverIPv6) {
    Listen();
    client.Open("::1", port, "");
    EXPECT_EQ(clientHost.Status(), "Trying to connect to ::1 at port " + port);
    ASSERT_TRUE(WaitUntil([&] { return clientHost.MenusConnected && serverHost.MenusConnected; }));
    const QString localPort = client.TCPClient1.LocalPortOf(client.TCPClient1.SocketHandle);
    EXPECT_EQ(serverHost.Status(), "Connection accepted for ::1 on port " + localPort);
    for (int turn = 0; turn < 2; ++turn) {
        FakeHost& mover = turn == 0 ? serverHost : clientHost;
        FakeHost& other = turn == 0 ? clientHost : serverHost;
        ASSERT_TRUE(PlayLocalMove(turn == 0 ? server : client, mover,
                                  FirstLegalMove(mover.Grid, mover.Current, true)));
        ASSERT_TRUE(WaitUntil([&] { return other.Current == mover.Current; })) << "turn " << turn;
        EXPECT_EQ(other.Grid, mover.Grid) << "turn " << turn;
    }
}

TEST_F(NetworkPlay, TwoCopiesPlayMovesBothWaysInStep) {
    Listen();
    ConnectClient(client, clientHost);
    const QString localPort = client.TCPClient1.LocalPortOf(client.TCPClient1.SocketHandle);
    EXPECT_EQ(clientHost.Status(), "Connected on local port " + localPort);
    EXPECT_EQ(serverHost.Status(), "Connection accepted for 127.0.0.1 on port " + localPort);
    ASSERT_TRUE(serverHost.Running && clientHost.Running);

    for (int turn = 0; turn < 8; ++turn) {
        const bool serverMoves = turn % 2 == 0;
        FakeHost& mover = serverMoves ? serverHost : clientHost;
        FakeHost& other = serverMoves ? clientHost : serverHost;
        const Move move = FirstLegalMove(mover.Grid, mover.Current, turn % 3 != 2);
        ASSERT_TRUE(PlayLocalMove(serverMoves ? server : client, mover, move));
        ASSERT_TRUE(WaitUntil([&] { return other.Current == mover.Current; })) << "turn " << turn;
        EXPECT_EQ(other.Grid, mover.Grid) << "turn " << turn;
    }
    EXPECT_EQ(serverHost.Current, 1);
}

TEST_F(NetworkPlay, ChatMessagesGoBothWaysAsPlainText) {
    Listen();
    ConnectClient(client, clientHost);
    serverHost.ChatAnswer = "";
    server.SendMessage1Click();
    ASSERT_TRUE(WaitUntil([&] { return clientHost.Chats.size() == 1; }));
    EXPECT_EQ(clientHost.Chats[0], std::make_pair(QString("Message from Player 1"), QString()));

    clientHost.ChatAnswer = "1-2-3-4-1 - 42 caf\u00e9 <b>";
    client.SendMessage1Click();
    ASSERT_TRUE(WaitUntil([&] { return serverHost.Chats.size() == 1; }));
    EXPECT_EQ(serverHost.Chats[0], std::make_pair(QString("Message from Player 2"), *clientHost.ChatAnswer));

    // Cancel sends nothing; the board is untouched by chat.
    clientHost.ChatAnswer.reset();
    client.SendMessage1Click();
    RunEventsFor(100);
    EXPECT_EQ(serverHost.Chats.size(), 1u);
    EXPECT_EQ(serverHost.Grid, StartingGrid(Standard));
}

TEST_F(NetworkPlay, SecondClientIsDroppedWhileTheGameGoesOn) {
    Listen();
    ConnectClient(client, clientHost);
    const std::size_t serverStatuses = serverHost.Statuses.size();

    FakeHost intruderHost{2};
    NetworkGame intruder{intruderHost};
    intruder.Open("127.0.0.1", port, "");
    // Depending on when it notices, the intruder sees its connection closed or reset.
    ASSERT_TRUE(WaitUntil([&] {
        return intruderHost.Status() == "Connection closed by Player 1 " ||
               intruderHost.Status() == "Connection reset by peer";
    })) << intruderHost.Status().toStdString();
    EXPECT_FALSE(intruderHost.MenusConnected);
    EXPECT_EQ(serverHost.Statuses.size(), serverStatuses);
    EXPECT_TRUE(serverHost.MenusConnected);
    EXPECT_EQ(server.TCPServer1.Clients.Count(), 1);

    const Move move = FirstLegalMove(serverHost.Grid, 1, true);
    ASSERT_TRUE(PlayLocalMove(server, serverHost, move));
    ASSERT_TRUE(WaitUntil([&] { return clientHost.Grid == serverHost.Grid; }));
}

TEST_F(NetworkPlay, ClientClosingEndsTheGameAndANewClientStartsAnother) {
    Listen();
    ConnectClient(client, clientHost);
    ASSERT_TRUE(PlayLocalMove(server, serverHost, FirstLegalMove(serverHost.Grid, 1, true)));
    client.Disconnect1Click();
    EXPECT_EQ(clientHost.Status(), "Not Connected");
    EXPECT_FALSE(clientHost.MenusConnected);
    EXPECT_EQ(clientHost.Grid, EmptyGrid());
    ASSERT_TRUE(WaitUntil([&] { return serverHost.Status() == "Connection closed by Player 2 "; }));
    EXPECT_FALSE(serverHost.MenusConnected);
    EXPECT_FALSE(serverHost.Running);
    EXPECT_EQ(serverHost.Grid, EmptyGrid());

    // The server still listens: the next client starts a game there without Start.
    FakeHost nextHost{2};
    NetworkGame next{nextHost};
    ConnectClient(next, nextHost);
    EXPECT_TRUE(serverHost.Running);
    EXPECT_EQ(serverHost.Current, 1);
    EXPECT_EQ(serverHost.Grid, StartingGrid(Standard));
}

TEST_F(NetworkPlay, ServerClosingIsShownOnTheClient) {
    Listen();
    ConnectClient(client, clientHost);
    server.Disconnect1Click();
    ASSERT_TRUE(WaitUntil([&] { return clientHost.Status() == "Connection closed by Player 1 "; }));
    EXPECT_FALSE(clientHost.MenusConnected);
    EXPECT_EQ(client.TCPClient1.Status, ssIdle);
}

TEST_F(NetworkPlay, RefusedConnectionIsShownAfterTheAttempt) {
    client.Open("127.0.0.1", port, "");
    ASSERT_TRUE(WaitUntil([&] { return clientHost.Statuses.size() == 2; }));
    EXPECT_EQ(clientHost.Statuses[0], "Trying to connect to 127.0.0.1 at port " + port);
    EXPECT_EQ(clientHost.Statuses[1], "Connection refused");
    EXPECT_FALSE(clientHost.MenusConnected);
    EXPECT_EQ(clientHost.BoardsEmptied, 1);
}

TEST_F(NetworkPlay, PortTextThatIsNotANumberIsShownAndTheStatusKept) {
    client.Open("127.0.0.1", "abc", "");
    EXPECT_EQ(clientHost.Errors, std::vector<QString>{"'abc' is not a valid integer value"});
    EXPECT_EQ(clientHost.Statuses, std::vector<QString>{"Trying to connect to 127.0.0.1 at port abc"});
    server.Open("", "", "");
    EXPECT_EQ(serverHost.Errors, std::vector<QString>{"'' is not a valid integer value"});
    EXPECT_TRUE(serverHost.Statuses.empty());
}

// A peer that is not a well-behaved copy of the game, played by a plain socket as player 2.
TEST_F(NetworkPlay, MisbehavingPeerChangesNothingButTheStatusLine) {
    Listen();
    const int peer = ConnectedSocket(port.toInt());
    ASSERT_NE(peer, -1);
    ASSERT_TRUE(WaitUntil([&] { return serverHost.MenusConnected; }));
    const ValueGrid start = serverHost.Grid;
    auto sendAndWait = [&](const std::string& bytes, const QString& status) {
        const std::size_t before = serverHost.Statuses.size();
        send(peer, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        return WaitUntil(
            [&] { return serverHost.Statuses.size() > before && serverHost.Status() == status; });
    };

    EXPECT_TRUE(sendAndWait("hello", "Refused move \"hello\": its fields are not numbers"));
    const Move second = FirstLegalMove(start, 2, true);
    const std::string secondLine = MoveLineOf(second).toStdString();
    EXPECT_TRUE(sendAndWait(secondLine, "Refused move \"" + QString::fromStdString(secondLine) +
                                            "\": it is not Player 2's turn"));
    EXPECT_EQ(serverHost.Grid, start);

    const Move first = FirstLegalMove(start, 1, false);
    ASSERT_TRUE(PlayLocalMove(server, serverHost, first));
    EXPECT_EQ(ReadAvailable(peer), MoveLineOf(first).toStdString());

    EXPECT_TRUE(sendAndWait("9-9-9-4-1", "Refused move \"9-9-9-4-1\": a cell is off the board"));
    EXPECT_TRUE(sendAndWait("1-1-1-1-1", "Refused move \"1-1-1-1-1\": a clone goes one cell and a jump two"));
    const Move wrongPiece = FirstLegalMove(serverHost.Grid, 1, true);
    const QString wrongLine = MoveLineOf(wrongPiece);
    EXPECT_TRUE(sendAndWait(wrongLine.toStdString(),
                            "Refused move \"" + wrongLine + "\": not a legal move of Player 2"));
    EXPECT_TRUE(sendAndWait(std::string(1 << 20, '\x07'), "Refused move \"" + QString("\\x07").repeated(40) +
                                                              "...\": its fields are not numbers"));
    EXPECT_EQ(serverHost.Current, 2);

    // A move split across two reads is joined and played; a move glued to a chat is split off.
    const Move reply = FirstLegalMove(serverHost.Grid, 2, true);
    const std::string replyLine = MoveLineOf(reply).toStdString();
    send(peer, replyLine.data(), 4, MSG_NOSIGNAL);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    RunEventsFor(30);
    EXPECT_EQ(serverHost.Current, 2);
    send(peer, replyLine.data() + 4, replyLine.size() - 4, MSG_NOSIGNAL);
    ASSERT_TRUE(WaitUntil([&] { return serverHost.Current == 1; }))
        << serverHost.Status().toStdString() << replyLine;

    const Move next = FirstLegalMove(serverHost.Grid, 1, true);
    ASSERT_TRUE(PlayLocalMove(server, serverHost, next));
    ReadAvailable(peer);
    const std::string glued =
        MoveLineOf(FirstLegalMove(serverHost.Grid, 2, false)).toStdString() + "#well played";
    send(peer, glued.data(), glued.size(), MSG_NOSIGNAL);
    ASSERT_TRUE(WaitUntil([&] { return serverHost.Chats.size() == 1; }));
    EXPECT_EQ(serverHost.Current, 1);
    EXPECT_EQ(serverHost.Chats[0].second, "well played");
    EXPECT_TRUE(serverHost.MenusConnected);
    close(peer);
}

// When the peer has gone, a move whose send fails is not played on the emptied board.
TEST_F(NetworkPlay, MoveWhoseSendFailsIsNotPlayed) {
    Listen();
    const int peer = ConnectedSocket(port.toInt());
    ASSERT_NE(peer, -1);
    ASSERT_TRUE(WaitUntil([&] { return serverHost.MenusConnected; }));
    const linger reset{1, 0};
    setsockopt(peer, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
    close(peer);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));

    EXPECT_FALSE(PlayLocalMove(server, serverHost, FirstLegalMove(serverHost.Grid, 1, true)));
    EXPECT_EQ(serverHost.Status(), "Connection reset by peer");
    EXPECT_EQ(serverHost.Grid, EmptyGrid());
    EXPECT_EQ(serverHost.Current, 1);
    EXPECT_FALSE(serverHost.MenusConnected);
}

} // namespace
