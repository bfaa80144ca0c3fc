// Tests that bind the fixed low ports 1024 down to 513; they run alone (RUN_SERIAL) so that
// no other test holds those ports meanwhile.
#include <gtest/gtest.h>

#include <chrono>
#include <grp.h>
#include <sys/wait.h>
#include <thread>

#include "tests/SocketTestSupport.h"

namespace {

// The local port an authorized client gets when connecting to `serverPort`, or "" on failure.
QString AuthorizedLocalPort(TTCPClient& client, int serverPort, EventLog& log) {
    log.Watch(client);
    client.Authorized = true;
    client.Host = "127.0.0.1";
    client.Port = QString::number(serverPort);
    if (!client.Connect().isEmpty()) return {};
    if (!WaitUntil([&] { return !log.Connected.empty() || !log.Errors.empty(); })) return {};
    return log.Connected.empty() ? QString() : client.LocalPortOf(client.SocketHandle);
}

TEST(LocalPortCountdown, ClientTakes1023WhenTheServerHolds1024) {
    TTCPServer server;
    EventLog serverLog;
    serverLog.Watch(server);
    server.Port = "1024";
    if (!server.Listen().isEmpty() || server.Status != ssListening)
        GTEST_SKIP() << "port 1024 cannot be listened on here";
    const int probe = BoundSocket(1023);
    if (probe == -1) GTEST_SKIP() << "port 1023 is in use or not permitted";
    close(probe);

    TTCPClient client;
    EventLog clientLog;
    EXPECT_EQ(AuthorizedLocalPort(client, 1024, clientLog), "1023");
    EXPECT_TRUE(clientLog.Errors.empty());
    ASSERT_TRUE(WaitUntil([&] { return server.Clients.Count() == 1; }));
    EXPECT_EQ(server.PeerPortOf(server.Clients.Items(0)), "1023");
}

TEST(LocalPortCountdown, PortsInUseAreSkipped) {
    const int held1024 = BoundSocket(1024);
    const int held1023 = BoundSocket(1023);
    const int probe = BoundSocket(1022);
    if (held1024 == -1 || held1023 == -1 || probe == -1) GTEST_SKIP() << "ports 1022 to 1024 not available";
    close(probe);
    TTCPServer server;
    server.Port = QString::number(FreePort());
    ASSERT_TRUE(server.Listen().isEmpty());

    TTCPClient client;
    EventLog log;
    EXPECT_EQ(AuthorizedLocalPort(client, server.Port.toInt(), log), "1022");
    close(held1024);
    close(held1023);
}

// A normal user may not bind ports below 1024: the client must move on past them and let the
// system choose, instead of failing. Run in a child process that has given up root, with
// port 1024 (which anybody may bind) held.
TEST(LocalPortCountdown, PermissionDeniedLeavesThePortToTheSystem) {
    const int held1024 = BoundSocket(1024);
    if (held1024 == -1) GTEST_SKIP() << "port 1024 is in use";
    const int listener = BoundSocket(FreePort());
    ASSERT_NE(listener, -1);
    ASSERT_EQ(listen(listener, 5), 0);
    sockaddr_in address{};
    socklen_t length = sizeof address;
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    const int serverPort = ntohs(address.sin_port);

    constexpr int Skip = 77;
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
            _exit(Skip);
        const int low = BoundSocket(1000);
        if (low != -1 || (errno != EACCES && errno != EPERM)) _exit(Skip);
        TTCPClient client;
        EventLog log;
        const QString port = AuthorizedLocalPort(client, serverPort, log);
        if (!log.Errors.empty()) _exit(2);
        if (port.isEmpty()) _exit(3);
        _exit(port.toInt() > 1024 ? 0 : 4);
    }
    int status = 0;
    pid_t done = 0;
    for (int waited = 0; waited < 300 && done == 0; ++waited) {
        done = waitpid(child, &status, WNOHANG);
        if (done == 0) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (done == 0) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        FAIL() << "the client did not connect in time";
    }
    close(listener);
    close(held1024);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == Skip) GTEST_SKIP() << "low ports are not refused to this process";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "2: error reported, 3: no connection, 4: a port of the countdown";
}

// A port whose last connection is still in TIME_WAIT, as after a program that listened on it
// has ended, can be listened on again at once.
TEST(ListeningPort, IsReusableAtOnceAfterClose) {
    const int port = FreePort();
    const int listener = BoundSocket(port, true);
    ASSERT_NE(listener, -1);
    ASSERT_EQ(listen(listener, 1), 0);
    const int peer = ConnectedSocket(port);
    ASSERT_NE(peer, -1);
    const int accepted = accept(listener, nullptr, nullptr);
    ASSERT_NE(accepted, -1);
    // The listening side closes first, so its end of the connection waits in TIME_WAIT.
    close(accepted);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    close(peer);
    close(listener);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const int plain = BoundSocket(port);
    if (plain != -1) {
        close(plain);
        GTEST_SKIP() << "the system kept no TIME_WAIT on the port";
    }

    TTCPServer server;
    EventLog log;
    log.Watch(server);
    server.Port = QString::number(port);
    EXPECT_TRUE(server.Listen().isEmpty());
    EXPECT_TRUE(log.Errors.empty()) << (log.Errors.empty() ? 0 : log.Errors.front());
    EXPECT_EQ(server.Status, ssListening);

    server.Close();
    EXPECT_TRUE(server.Listen().isEmpty());
    EXPECT_EQ(server.Status, ssListening);
    EXPECT_TRUE(log.Errors.empty());
}

// With nobody listening on 1024, the client that binds 1024 and connects there would be
// joined to itself: that is refused, and nothing is connected.
TEST(LocalPortCountdown, AConnectionToItselfIsRefused) {
    const int probe = BoundSocket(1024);
    if (probe == -1) GTEST_SKIP() << "port 1024 is in use";
    close(probe);
    TTCPClient client;
    EventLog log;
    EXPECT_EQ(AuthorizedLocalPort(client, 1024, log), "");
    ASSERT_EQ(log.Errors, std::vector<int>{10061});
    EXPECT_EQ(log.ErrorTexts.front(), "Connection refused");
    EXPECT_EQ(client.SocketHandle, -1);
}

// SO_REUSEADDR does not let a second listener share a port that is listened on.
TEST(ListeningPort, ALiveListenerStillHoldsThePort) {
    const int port = FreePort();
    const int holder = BoundSocket(port, true);
    ASSERT_NE(holder, -1);
    ASSERT_EQ(listen(holder, 1), 0);
    TTCPServer server;
    EventLog log;
    log.Watch(server);
    server.Port = QString::number(port);
    EXPECT_TRUE(server.Listen().isEmpty());
    EXPECT_EQ(log.Errors, std::vector<int>{10048});
    EXPECT_NE(server.Status, ssListening);
    close(holder);
}

} // namespace
