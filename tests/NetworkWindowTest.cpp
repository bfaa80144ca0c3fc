// Two main windows in one process playing each other over real sockets on 127.0.0.1: one
// listens as player 1, the other connects as player 2.
#include <QAction>
#include <QLabel>
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <map>

#include "rules/Layouts.h"
#include "tests/WiringTestSupport.h"

namespace {

int CountValue(const ValueGrid& grid, int value) {
    int count = 0;
    for (int32_t v : grid.Cells)
        count += v == value ? 1 : 0;
    return count;
}

bool MenusConnected(const TForm1& form) {
    return !form.Start1->isEnabled() && form.SendMessage1->isEnabled() && form.Disconnect1->isEnabled();
}
bool MenusDisconnected(const TForm1& form) {
    return form.Start1->isEnabled() && !form.SendMessage1->isEnabled() && !form.Disconnect1->isEnabled();
}

// Runs events until the status line has stayed unchanged for a while.
void WaitQuiet(TForm1& form) {
    for (int round = 0; round < 50; ++round) {
        form.LabelState->setText("waiting");
        RunEventsFor(100);
        if (form.LabelState->text() == "waiting") return;
    }
}

class NetworkWindows : public testing::Test {
  protected:
    void SetUp() override {
        port = FreePort();
        MakeNetworkPlayer(*server.Form, 1, port);
        MakeNetworkPlayer(*client.Form, 2, port);
    }

    void Listen() {
        server.Form->Start1Click();
        ASSERT_TRUE(server.Form->LabelState->text().endsWith(" Listening on port: " + QString::number(port)))
            << server.Form->LabelState->text().toStdString();
        EXPECT_FALSE(server.Form->GameRunning) << "the game begins with the connection";
        EXPECT_TRUE(server.Form->Start1->isEnabled());
    }

    void Connect() {
        Listen();
        client.Form->Start1Click();
        EXPECT_EQ(client.Form->LabelState->text(),
                  "Trying to connect to 127.0.0.1 at port " + QString::number(port));
        ASSERT_TRUE(WaitUntil([&] { return server.Form->GameRunning && client.Form->GameRunning; }));
    }

    // The side to move plays a legal move with the mouse; both boards must then agree.
    void PlayOneMove() {
        TestWindow& mover = server.Form->CurrentPlayer == 1 ? server : client;
        TestWindow& other = &mover == &server ? client : server;
        const std::optional<Move> move = SomeLegalMove(mover.Grid(), mover.Form->CurrentPlayer);
        ASSERT_TRUE(move.has_value());
        mover.PlayByMouse(*move);
        ASSERT_TRUE(WaitUntil([&] { return other.Grid() == mover.Grid(); }))
            << "move " << move->FromRow << move->FromCol << move->ToRow << move->ToCol;
        ExpectInStep();
    }

    void ExpectInStep() {
        EXPECT_EQ(server.Grid(), client.Grid());
        EXPECT_EQ(server.Form->CurrentPlayer, client.Form->CurrentPlayer);
        EXPECT_EQ(server.Form->Score1->text(), client.Form->Score1->text());
        EXPECT_EQ(server.Form->Score2->text(), client.Form->Score2->text());
        EXPECT_EQ(server.Form->GameRunning, client.Form->GameRunning);
    }

    int port = 0;
    TestWindow server;
    TestWindow client;
};

TEST_F(NetworkWindows, ConnectingStartsTheGameOnBothWithPlayerOneToMove) {
    ASSERT_NO_FATAL_FAILURE(Connect());
    const int localPort =
        client.Form->network().TCPClient1.LocalPortOf(client.Form->network().TCPClient1.SocketHandle).toInt();
    EXPECT_EQ(client.Form->LabelState->text(), "Connected on local port " + QString::number(localPort));
    EXPECT_EQ(server.Form->LabelState->text(),
              "Connection accepted for 127.0.0.1 on port " + QString::number(localPort));
    for (TestWindow* side : {&server, &client}) {
        EXPECT_TRUE(MenusConnected(*side->Form));
        EXPECT_EQ(side->Form->CurrentPlayer, 1);
        EXPECT_EQ(side->Grid(), StartingGrid(Standard));
    }
    // Player 2's user cannot move for player 1.
    const std::optional<Move> move = SomeLegalMove(client.Grid(), 1);
    client.PlayByMouse(*move);
    RunEventsFor(100);
    EXPECT_EQ(client.Grid(), StartingGrid(Standard));
    EXPECT_EQ(server.Grid(), StartingGrid(Standard));
}

TEST_F(NetworkWindows, ComputerPlayersFromTheSettingsFileDoNotMoveInANetworkGame) {
    // A hand-edited file may mark the remote player as a computer; its moves would never
    // reach the peer, so in a network game no computer turn runs.
    server.Form->Config.PlayerIsComputer[2] = true;
    client.Form->Config.PlayerIsComputer[1] = true;
    ASSERT_NO_FATAL_FAILURE(Connect());
    EXPECT_EQ(client.Grid(), StartingGrid(Standard));
    const std::optional<Move> move = SomeLegalMove(server.Grid(), 1);
    server.PlayByMouse(*move);
    ASSERT_TRUE(WaitUntil([&] { return client.Grid() == server.Grid(); }));
    RunEventsFor(100);
    EXPECT_EQ(server.Form->CurrentPlayer, 2);
    EXPECT_EQ(client.Form->CurrentPlayer, 2);
    ExpectInStep();
    ASSERT_NO_FATAL_FAILURE(PlayOneMove());
    EXPECT_EQ(server.Form->CurrentPlayer, 1);
}

TEST_F(NetworkWindows, AGamePlayedToItsEndStaysInStepOnBoth) {
    ASSERT_NO_FATAL_FAILURE(Connect());
    int moves = 0;
    while (server.Form->GameRunning && moves < 200) {
        ASSERT_NO_FATAL_FAILURE(PlayOneMove());
        ++moves;
    }
    EXPECT_GT(moves, 10);
    ASSERT_TRUE(WaitUntil([&] { return !client.Form->GameRunning; }));
    for (TestWindow* side : {&server, &client}) {
        ASSERT_EQ(side->Platform.Messages.size(), 1u);
        EXPECT_EQ(side->Platform.Messages[0].Caption, "Results:");
        // The board is emptied; the connection stays, and a new game needs Disconnect and Start.
        EXPECT_EQ(CountValue(side->Grid(), 1) + CountValue(side->Grid(), 2), 0);
        EXPECT_TRUE(MenusConnected(*side->Form));
    }
    // Both announce the same result, each from its own user's side.
    const std::map<QString, QString> clientSees{
        {"Congratulation ! You win !", "Game Lost, maybe next time..."},
        {"Maybe next time...You'll beat him.", "Congratulation ! You did it !"},
        {"It is a draw !", "It is a draw !"},
    };
    ASSERT_TRUE(clientSees.contains(server.Platform.Messages[0].Text))
        << server.Platform.Messages[0].Text.toStdString();
    EXPECT_EQ(client.Platform.Messages[0].Text, clientSees.at(server.Platform.Messages[0].Text));
}

TEST_F(NetworkWindows, ChatMessagesTravelBothWaysAsPlainText) {
    ASSERT_NO_FATAL_FAILURE(Connect());
    struct Case {
        TestWindow* Sender;
        TestWindow* Receiver;
        QString Text;
        QString Caption;
    };
    for (const Case& c : {
             Case{&server, &client, "Hello from the listener", "Message from Player 1"},
             Case{&client, &server, "", "Message from Player 2"},
             Case{&client, &server, "3-2-4-3-1", "Message from Player 2"},
             Case{&server, &client, "12 - 34 #5 <b>bold</b>", "Message from Player 1"},
         }) {
        c.Receiver->Platform.Messages.clear();
        c.Sender->Platform.Messages.clear();
        c.Sender->Platform.InputAnswers.push_back(c.Text);
        c.Sender->Form->SendMessage1->trigger();
        ASSERT_TRUE(WaitUntil([&] { return !c.Receiver->Platform.Messages.empty(); }))
            << c.Text.toStdString();
        EXPECT_EQ(c.Receiver->Platform.Messages[0].Caption, c.Caption);
        EXPECT_EQ(c.Receiver->Platform.Messages[0].Text, c.Text);
        EXPECT_TRUE(c.Sender->Platform.Messages.empty()) << "the sender does not see its own text";
    }
    // A chat that looks like a move moved nothing; Cancel sends nothing.
    EXPECT_EQ(server.Grid(), StartingGrid(Standard));
    client.Platform.Messages.clear();
    server.Platform.InputAnswers.push_back(std::nullopt);
    server.Form->SendMessage1Click();
    RunEventsFor(150);
    EXPECT_TRUE(client.Platform.Messages.empty());
    ExpectInStep();
}

TEST_F(NetworkWindows, ASecondClientIsTurnedAwayWhileTheGameGoesOn) {
    ASSERT_NO_FATAL_FAILURE(Connect());
    ASSERT_NO_FATAL_FAILURE(PlayOneMove());
    const QString serverStatus = server.Form->LabelState->text();
    TestWindow intruder;
    MakeNetworkPlayer(*intruder.Form, 2, port);
    intruder.Form->Start1Click();
    // The intruder may see its connection made before it is dropped; it ends with the close
    // or the reset of its connection in its status line.
    const QString trying = intruder.Form->LabelState->text();
    ASSERT_TRUE(WaitUntil([&] {
        const QString status = intruder.Form->LabelState->text();
        return status != trying && !status.startsWith("Connected on local port");
    })) << intruder.Form->LabelState->text().toStdString();
    EXPECT_TRUE(intruder.Form->LabelState->text() == "Connection closed by Player 1 " ||
                intruder.Form->LabelState->text() == "Connection reset by peer")
        << intruder.Form->LabelState->text().toStdString();
    EXPECT_FALSE(intruder.Form->GameRunning);
    EXPECT_TRUE(MenusDisconnected(*intruder.Form));
    EXPECT_EQ(server.Form->LabelState->text(), serverStatus);
    EXPECT_TRUE(MenusConnected(*server.Form));
    ASSERT_NO_FATAL_FAILURE(PlayOneMove());
    ASSERT_NO_FATAL_FAILURE(PlayOneMove());
    EXPECT_EQ(server.Form->network().TCPServer1.Clients.Count(), 1);
}

TEST_F(NetworkWindows, TheClientLeavingFreesTheServerForANewClient) {
    ASSERT_NO_FATAL_FAILURE(Connect());
    ASSERT_NO_FATAL_FAILURE(PlayOneMove());
    client.Form->close();
    ASSERT_TRUE(
        WaitUntil([&] { return server.Form->LabelState->text() == "Connection closed by Player 2 "; }));
    EXPECT_FALSE(server.Form->GameRunning);
    EXPECT_TRUE(MenusDisconnected(*server.Form));
    EXPECT_EQ(server.Grid(), CopyToValueGrid([] {
                  Board empty;
                  InitBoard(empty);
                  return empty;
              }()));
    EXPECT_TRUE(server.Form->Score1->text().isEmpty());
    // Still listening: a new client starts a game on the server without Start.
    TestWindow second;
    MakeNetworkPlayer(*second.Form, 2, port);
    second.Form->Start1Click();
    ASSERT_TRUE(WaitUntil([&] { return server.Form->GameRunning && second.Form->GameRunning; }));
    EXPECT_TRUE(server.Form->LabelState->text().startsWith("Connection accepted for 127.0.0.1 on port "));
    EXPECT_EQ(server.Form->CurrentPlayer, 1);
    EXPECT_EQ(server.Grid(), second.Grid());
    const std::optional<Move> move = SomeLegalMove(server.Grid(), 1);
    server.PlayByMouse(*move);
    ASSERT_TRUE(WaitUntil([&] { return second.Grid() == server.Grid(); }));
    EXPECT_EQ(second.Form->CurrentPlayer, 2);
}

TEST_F(NetworkWindows, TheServerLeavingAndDisconnectEndTheGame) {
    ASSERT_NO_FATAL_FAILURE(Connect());
    client.Form->Disconnect1->trigger();
    EXPECT_EQ(client.Form->LabelState->text(), "Not Connected");
    EXPECT_TRUE(MenusDisconnected(*client.Form));
    EXPECT_FALSE(client.Form->GameRunning);
    ASSERT_TRUE(
        WaitUntil([&] { return server.Form->LabelState->text() == "Connection closed by Player 2 "; }));
    // Start again on the client; then the server goes away.
    client.Form->Start1Click();
    ASSERT_TRUE(WaitUntil([&] { return server.Form->GameRunning && client.Form->GameRunning; }));
    server.Form->close();
    ASSERT_TRUE(
        WaitUntil([&] { return client.Form->LabelState->text() == "Connection closed by Player 1 "; }));
    EXPECT_FALSE(client.Form->GameRunning);
    EXPECT_TRUE(MenusDisconnected(*client.Form));
}

TEST_F(NetworkWindows, ARefusedConnectionIsShownInTheStatusLine) {
    client.Form->Start1Click(); // nobody listens on the port
    EXPECT_EQ(client.Form->LabelState->text(),
              "Trying to connect to 127.0.0.1 at port " + QString::number(port));
    ASSERT_TRUE(WaitUntil([&] { return client.Form->LabelState->text() == "Connection refused"; }))
        << client.Form->LabelState->text().toStdString();
    EXPECT_FALSE(client.Form->GameRunning);
    EXPECT_TRUE(MenusDisconnected(*client.Form));
    EXPECT_TRUE(client.Platform.Messages.empty());
}

TEST_F(NetworkWindows, APortThatIsNotANumberIsReportedAndNothingOpens) {
    client.Form->Options->EditPortClient->setText("twelve");
    client.Form->Start1Click();
    ASSERT_EQ(client.Platform.Messages.size(), 1u);
    EXPECT_EQ(client.Platform.Messages[0].Text, "'twelve' is not a valid integer value");
    EXPECT_EQ(client.Form->LabelState->text(), "Trying to connect to 127.0.0.1 at port twelve");
    EXPECT_FALSE(client.Form->GameRunning);
}

TEST_F(NetworkWindows, AConfusedPeerChangesNothingAndIsNamedInTheStatusLine) {
    ASSERT_NO_FATAL_FAILURE(Listen());
    const int peer = ConnectedSocket(port);
    ASSERT_GE(peer, 0);
    ASSERT_TRUE(WaitUntil([&] { return server.Form->GameRunning; }));
    // The listener moves first, so that it is the peer's turn.
    const std::optional<Move> first = SomeLegalMove(server.Grid(), 1);
    server.PlayByMouse(*first);
    ASSERT_EQ(server.Form->CurrentPlayer, 2);
    const ValueGrid before = server.Grid();
    const QString score1 = server.Form->Score1->text();
    struct Case {
        std::string Bytes;
        const char* Name;
    };
    for (const Case& c : {
             Case{"garbage <b>", "garbage"},
             Case{"\x01\x02\xff", "control bytes"},
             Case{"1-1-2-2-1", "from an empty cell"},
             Case{"4-7-4-6-1", "a piece of the listener's user"},
             Case{"5-3-5-5-0", "onto a hole"},
             Case{"5-3-5-4-0", "a clone sent as a jump"},
             Case{"12-1-1-1-1", "off the board"},
             Case{"-----", "empty fields"},
             Case{std::string(1 << 20, 'x'), "a megabyte"},
         }) {
        const QString statusBefore = server.Form->LabelState->text();
        SendRaw(peer, c.Bytes);
        ASSERT_TRUE(WaitUntil([&] { return server.Form->LabelState->text() != statusBefore; }, 10000))
            << c.Name;
        EXPECT_EQ(server.Grid(), before) << c.Name;
        EXPECT_EQ(server.Form->CurrentPlayer, 2) << c.Name;
        EXPECT_EQ(server.Form->Score1->text(), score1) << c.Name;
        EXPECT_TRUE(server.Form->GameRunning) << c.Name;
        EXPECT_LE(server.Form->LabelState->text().size(), 200) << c.Name;
        // Every byte of the case is read before the next case starts.
        WaitQuiet(*server.Form);
    }
    EXPECT_TRUE(server.Platform.Messages.empty());
    EXPECT_TRUE(MenusConnected(*server.Form));

    // A legal move glued to a chat message in one read, then a move split across two reads.
    const std::optional<Move> reply = SomeLegalMove(server.Grid(), 2);
    ASSERT_TRUE(reply.has_value());
    ValueGrid afterReply;
    ApplyMoveToGrid(server.Grid(), afterReply, *reply, 2, 1);
    const std::optional<Move> next = SomeLegalMove(afterReply, 1);
    // The peer can only send its own moves: glue the reply with a chat message.
    const QByteArray line = MoveLineOf(*reply);
    SendRaw(peer, line.toStdString() + "#after the move");
    ASSERT_TRUE(WaitUntil([&] { return !server.Platform.Messages.empty(); }));
    EXPECT_EQ(server.Grid(), afterReply);
    EXPECT_EQ(server.Platform.Messages[0].Text, "after the move");
    EXPECT_EQ(server.Form->CurrentPlayer, 1);
    server.PlayByMouse(*next);
    ASSERT_EQ(server.Form->CurrentPlayer, 2);
    const ValueGrid beforeSplit = server.Grid();
    const std::optional<Move> split = SomeLegalMove(beforeSplit, 2);
    const std::string splitLine = MoveLineOf(*split).toStdString();
    SendRaw(peer, splitLine.substr(0, 4));
    RunEventsFor(100);
    EXPECT_EQ(server.Grid(), beforeSplit) << "half a move is kept, not played";
    SendRaw(peer, splitLine.substr(4));
    ASSERT_TRUE(WaitUntil([&] { return server.Form->CurrentPlayer == 1; }));
    ValueGrid afterSplit;
    ApplyMoveToGrid(beforeSplit, afterSplit, *split, 2, 1);
    EXPECT_EQ(server.Grid(), afterSplit);
    close(peer);
    ASSERT_TRUE(
        WaitUntil([&] { return server.Form->LabelState->text() == "Connection closed by Player 2 "; }));
}

} // namespace
