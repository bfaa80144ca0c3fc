#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>

#include "net/MessageDecoder.h"
#include "tests/SocketTestSupport.h"

namespace {

// A server listening on a free high port and a client connected to it.
class Connection : public testing::Test {
  protected:
    void SetUp() override {
        serverLog.Watch(server);
        clientLog.Watch(client);
        port = QString::number(FreePort());
        server.Port = port;
        ASSERT_TRUE(server.Listen().isEmpty());
        ASSERT_EQ(server.Status, ssListening);
    }

    void ConnectClient() {
        client.Host = QStringLiteral("127.0.0.1");
        client.Port = port;
        ASSERT_TRUE(client.Connect().isEmpty());
        EXPECT_EQ(client.Status, ssConnecting);
        ASSERT_TRUE(WaitUntil([&] { return !clientLog.Connected.empty() && !serverLog.Accepted.empty(); }));
        EXPECT_EQ(client.Status, ssConnected);
        EXPECT_EQ(clientLog.Connected.front(), client.SocketHandle);
    }

    TTCPServer server;
    TTCPClient client;
    EventLog serverLog;
    EventLog clientLog;
    QString port;
};

TEST_F(Connection, ConnectsAndCarriesTextBothWays) {
    ConnectClient();
    ASSERT_EQ(server.Clients.Count(), 1);
    const int accepted = server.Clients.Items(0);
    EXPECT_EQ(serverLog.Accepted.front(), accepted);
    EXPECT_EQ(server.PeerAddressOf(accepted), "127.0.0.1");
    EXPECT_EQ(server.PeerPortOf(accepted), client.LocalPortOf(client.SocketHandle));
    EXPECT_EQ(client.PeerPortOf(client.SocketHandle), port);

    client.SendText("3-2-4-3-1");
    ASSERT_TRUE(WaitUntil([&] { return serverLog.Received.size() >= 9; }));
    EXPECT_EQ(serverLog.Received, "3-2-4-3-1");

    server.SendTextTo(accepted, "#Good luck - 1-2");
    ASSERT_TRUE(WaitUntil([&] { return clientLog.Received.size() >= 16; }));
    EXPECT_EQ(clientLog.Received, "#Good luck - 1-2");
    EXPECT_TRUE(serverLog.Errors.empty());
    EXPECT_TRUE(clientLog.Errors.empty());
}

TEST_F(Connection, ServerHearsTheClientCloseAndKeepsListening) {
    ConnectClient();
    const int accepted = server.Clients.Items(0);
    client.Close();
    EXPECT_EQ(client.Status, ssIdle);
    EXPECT_EQ(client.SocketHandle, -1);
    ASSERT_TRUE(WaitUntil([&] { return !serverLog.Closed.empty(); }));
    EXPECT_EQ(serverLog.Closed.front(), accepted);
    EXPECT_EQ(server.Clients.Count(), 0);
    EXPECT_EQ(server.Status, ssListening);

    // A new client is accepted on the same listening socket.
    clientLog = EventLog{};
    clientLog.Watch(client);
    serverLog.Accepted.clear();
    ConnectClient();
    EXPECT_EQ(server.Clients.Count(), 1);
}

TEST_F(Connection, ClientHearsTheServerClose) {
    ConnectClient();
    const int socket = client.SocketHandle;
    server.Close();
    EXPECT_EQ(server.Status, ssIdle);
    EXPECT_EQ(server.Clients.Count(), 0);
    ASSERT_TRUE(WaitUntil([&] { return !clientLog.Closed.empty(); }));
    EXPECT_EQ(clientLog.Closed.front(), socket);
    EXPECT_EQ(client.Status, ssIdle);
    EXPECT_EQ(client.SocketHandle, -1);
    EXPECT_TRUE(serverLog.Closed.empty());
}

TEST_F(Connection, SecondClientCanBeDroppedWhileTheFirstGoesOn) {
    // As the game does: a server that already has a client turns the next one away.
    server.OnAccept = [&](TCustomSocket*, int socket) {
        serverLog.Accepted.push_back(socket);
        if (server.Clients.Count() > 1) server.DropClient(socket);
    };
    ConnectClient();
    TTCPClient second;
    EventLog secondLog;
    secondLog.Watch(second);
    second.Host = QStringLiteral("127.0.0.1");
    second.Port = port;
    ASSERT_TRUE(second.Connect().isEmpty());
    ASSERT_TRUE(WaitUntil([&] { return !secondLog.Closed.empty() || !secondLog.Errors.empty(); }));
    EXPECT_EQ(serverLog.Accepted.size(), 2u);
    EXPECT_EQ(server.Clients.Count(), 1);
    EXPECT_TRUE(serverLog.Closed.empty());

    client.SendText("1-1-3-2-0");
    ASSERT_TRUE(WaitUntil([&] { return serverLog.Received.size() >= 9; }));
    EXPECT_EQ(serverLog.Received, "1-1-3-2-0");
    EXPECT_EQ(client.Status, ssConnected);
}

// A host with an IPv6 and an IPv4 address reaches a listener of either family alone: an
// address that refuses is passed over for the next one, in their order.
TEST(HostAddresses, EachIsTriedInTurnUntilOneAnswers) {
    for (const int family : {AF_INET, AF_INET6}) {
        const bool v6 = family == AF_INET6;
        const int listener = socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
        ASSERT_NE(listener, -1);
        const int on = 1;
        if (v6) setsockopt(listener, IPPROTO_IPV6, IPV6_V6ONLY, &on, sizeof on);
        SocketAddress loopback = AnyAddress(family, 0);
        if (v6)
            reinterpret_cast<sockaddr_in6*>(&loopback.Storage)->sin6_addr = in6addr_loopback;
        else
            reinterpret_cast<sockaddr_in*>(&loopback.Storage)->sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ASSERT_EQ(bind(listener, loopback.Raw(), loopback.Length), 0);
        ASSERT_EQ(listen(listener, 1), 0);
        const uint16_t port = EndOf(listener, getsockname)->Port();
        // The other family's loopback at that port refuses; it comes first.
        TTCPClient resolver;
        std::vector<SocketAddress> refusing, answering;
        ASSERT_TRUE(resolver.ResolveAddress(v6 ? "127.0.0.1" : "::1", QString::number(port), refusing));
        ASSERT_TRUE(resolver.ResolveAddress(v6 ? "::1" : "127.0.0.1", QString::number(port), answering));
        TTCPClient client;
        EventLog log;
        log.Watch(client);
        client.ConnectTo({refusing[0], answering[0]});
        ASSERT_TRUE(WaitUntil([&] { return !log.Connected.empty() || !log.Errors.empty(); })) << family;
        EXPECT_TRUE(log.Errors.empty()) << "family " << family << ": the refusal was reported";
        EXPECT_EQ(client.PeerAddressOf(client.SocketHandle), v6 ? "::1" : "127.0.0.1");
        client.Close();
        // Both refusing: the last refusal is reported, once.
        client.ConnectTo({refusing[0], refusing[0]});
        ASSERT_TRUE(WaitUntil([&] { return !log.Errors.empty(); }));
        RunEventsFor(50);
        EXPECT_EQ(log.Errors, std::vector<int>{10061});
        client.Close();
        close(listener);
    }
}

TEST(Refusal, ConnectionRefusedIsReportedAndTheSocketKeptUntilClose) {
    TTCPClient client;
    EventLog log;
    log.Watch(client);
    client.Host = QStringLiteral("127.0.0.1");
    client.Port = QString::number(FreePort());
    ASSERT_TRUE(client.Connect().isEmpty());
    ASSERT_TRUE(WaitUntil([&] { return !log.Errors.empty(); }));
    EXPECT_EQ(log.Errors.front(), 10061);
    EXPECT_EQ(log.ErrorTexts.front(), "Connection refused");
    EXPECT_EQ(client.LastError, 10061);
    EXPECT_EQ(client.Status, ssConnecting);
    EXPECT_NE(client.SocketHandle, -1);
    RunEventsFor(100);
    EXPECT_EQ(log.Errors.size(), 1u) << "a failed connect is reported once";
    client.Close();
    EXPECT_EQ(client.Status, ssIdle);
    EXPECT_EQ(client.SocketHandle, -1);
}

// A peer that sends a megabyte of move lines at once: every line arrives, whatever the reads.
TEST_F(Connection, PeerSendingAMegabyteIsReadCompletely) {
    const std::string line = "5-4-6-5-1";
    std::string megabyte;
    while (megabyte.size() + line.size() <= (1u << 20))
        megabyte += line;

    MessageDecoder decoder;
    std::size_t lines = 0;
    std::size_t bytes = 0;
    server.OnData = [&](TCustomSocket*, int socket) {
        const QByteArray read = server.ReceiveTextFrom(socket);
        bytes += static_cast<std::size_t>(read.size());
        for (const NetMessage& message : decoder.Feed(std::string_view(read.constData(), read.size())))
            lines += message == NetMessage{NetMessage::Kind::MoveLine, line} ? 1 : 1000000;
    };
    const int peer = ConnectedSocket(port.toInt());
    ASSERT_NE(peer, -1);
    std::thread writer([&] {
        std::size_t sent = 0;
        while (sent < megabyte.size()) {
            const ssize_t n = send(peer, megabyte.data() + sent, megabyte.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) break;
            sent += static_cast<std::size_t>(n);
        }
    });
    const bool complete = WaitUntil([&] { return bytes >= megabyte.size(); }, 20000);
    writer.join();
    close(peer);
    ASSERT_TRUE(complete) << bytes;
    EXPECT_EQ(bytes, megabyte.size());
    EXPECT_EQ(lines, megabyte.size() / line.size());
    EXPECT_TRUE(serverLog.Errors.empty());
}

// Writing to a peer that has gone is an error report, never a broken-pipe signal.
TEST_F(Connection, WritingToAPeerThatHasGoneReportsAnError) {
    const int peer = ConnectedSocket(port.toInt());
    ASSERT_NE(peer, -1);
    ASSERT_TRUE(WaitUntil([&] { return server.Clients.Count() == 1; }));
    const int accepted = server.Clients.Items(0);
    close(peer);
    // No event is handled meanwhile, so the server has not yet seen the close: the first
    // send draws a reset from the peer's system and the next ones meet it.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const QByteArray text(1000, 'x');
    bool sent = true;
    for (int attempt = 0; attempt < 5 && sent; ++attempt) {
        sent = server.SendTextTo(accepted, text);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    // The send that failed says so, and it is the one send reported.
    EXPECT_FALSE(sent);
    ASSERT_EQ(serverLog.Errors.size(), 1u);
    EXPECT_EQ(serverLog.Errors.front(), 10054);
    EXPECT_EQ(serverLog.ErrorTexts.front(), "Connection reset by peer");
}

// A peer that does not read: the bytes a full buffer cannot take wait and are sent later.
TEST_F(Connection, SendingMoreThanTheBufferTakesLosesNothing) {
    const int peer = ConnectedSocket(port.toInt());
    ASSERT_NE(peer, -1);
    ASSERT_TRUE(WaitUntil([&] { return server.Clients.Count() == 1; }));
    QByteArray text(8 << 20, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = static_cast<char>('a' + i % 26);
    EXPECT_TRUE(server.SendTextTo(server.Clients.Items(0), text.left(3 << 20)));
    EXPECT_TRUE(server.SendTextTo(server.Clients.Items(0), text.mid(3 << 20)));
    EXPECT_TRUE(serverLog.Errors.empty());

    std::string received;
    std::atomic<std::size_t> count = 0;
    std::thread reader([&] {
        char buffer[65536];
        while (received.size() < static_cast<std::size_t>(text.size())) {
            const ssize_t n = recv(peer, buffer, sizeof buffer, 0);
            if (n <= 0) break;
            received.append(buffer, static_cast<std::size_t>(n));
            count = received.size();
        }
    });
    WaitUntil([&] { return count >= static_cast<std::size_t>(text.size()); }, 20000);
    shutdown(peer, SHUT_RDWR);
    reader.join();
    close(peer);
    EXPECT_TRUE(received == text.toStdString());
    EXPECT_TRUE(serverLog.Errors.empty());
}

} // namespace

namespace {

// Out of descriptors, a server cannot accept: it says so once instead of at every turn of
// the event loop. Run in a child process, whose descriptor limit can be lowered.
TEST(Accept, FailureIsReportedOnce) {
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        TTCPServer server;
        EventLog log;
        log.Watch(server);
        server.Port = QString::number(FreePort());
        if (!server.Listen().isEmpty() || server.Status != ssListening) _exit(2);
        const int peer = ConnectedSocket(server.Port.toInt());
        if (peer == -1) _exit(3);
        const rlimit limit{static_cast<rlim_t>(peer + 1), static_cast<rlim_t>(peer + 1)};
        if (setrlimit(RLIMIT_NOFILE, &limit) != 0) _exit(4);
        RunEventsFor(300);
        if (log.Errors.empty() || log.Errors.front() != 10024) _exit(5);
        _exit(log.Errors.size() == 1 ? 0 : 6);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "5: no 'Too many open files', 6: reported more than once";
}

} // namespace
