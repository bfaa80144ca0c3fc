#include <gtest/gtest.h>

#include <algorithm>
#include <arpa/inet.h>
#include <fcntl.h>
#include <functional>
#include <netdb.h>

#include "tests/SocketTestSupport.h"

namespace {

TEST(ResolveAddress, TakesDottedAndIPv6AddressesHostNamesAndPortNumbers) {
    TTCPClient client;
    EventLog log;
    log.Watch(client);
    std::vector<SocketAddress> addresses;
    ASSERT_TRUE(client.ResolveAddress("127.0.0.1", "1024", addresses));
    ASSERT_EQ(addresses.size(), 1u);
    EXPECT_EQ(addresses[0].Family(), AF_INET);
    EXPECT_EQ(addresses[0].Port(), 1024);
    EXPECT_EQ(AddressText(addresses[0]), "127.0.0.1");
    ASSERT_TRUE(client.ResolveAddress("::1", "1024", addresses));
    ASSERT_EQ(addresses.size(), 1u);
    EXPECT_EQ(addresses[0].Family(), AF_INET6);
    EXPECT_EQ(AddressText(addresses[0]), "::1");
    ASSERT_TRUE(client.ResolveAddress("fe80::1%lo", "1024", addresses));
    EXPECT_EQ(AddressText(addresses[0]), "fe80::1%lo") << "the zone is kept";
    // A host name gives every address of it, each once, in the resolver's order.
    ASSERT_TRUE(client.ResolveAddress("localhost", "65535", addresses));
    ASSERT_FALSE(addresses.empty());
    for (const SocketAddress& address : addresses) {
        EXPECT_TRUE(AddressText(address) == "127.0.0.1" || AddressText(address) == "::1")
            << AddressText(address);
        EXPECT_EQ(address.Port(), 65535);
    }
    // Leading blanks, a sign and leading zeros are part of a port number.
    ASSERT_TRUE(client.ResolveAddress("127.0.0.1", " \t+01024", addresses));
    EXPECT_EQ(addresses[0].Port(), 1024);
    EXPECT_TRUE(log.Errors.empty());
}

TEST(ResolveAddress, TakesServiceNames) {
    const servent* http = getservbyname("http", "tcp");
    if (!http) GTEST_SKIP() << "no services database";
    TTCPClient client;
    std::vector<SocketAddress> addresses;
    ASSERT_TRUE(client.ResolveAddress("127.0.0.1", "http", addresses));
    EXPECT_EQ(addresses[0].Port(), 80);
}

TEST(ResolveAddress, PortTextThatIsNeitherIsTheCallersFailure) {
    const std::pair<QString, QString> cases[] = {
        {"", "'' is not a valid integer value"},
        {"abc", "'abc' is not a valid integer value"},
        {"1O24", "'1O24' is not a valid integer value"},
        {"1024 ", "'1024 ' is not a valid integer value"},
        {"+-1", "'+-1' is not a valid integer value"},
        {"2147483648", "'2147483648' is not a valid integer value"},
        {"70000", "'70000' is not a valid port number"},
        {"-1", "'-1' is not a valid port number"},
        {"-2147483647", "'-2147483647' is not a valid port number"},
    };
    TTCPClient client;
    EventLog log;
    log.Watch(client);
    for (const auto& [port, message] : cases) {
        std::vector<SocketAddress> addresses;
        SocketAddress address;
        QString failure;
        EXPECT_FALSE(client.ResolveAddress("127.0.0.1", port, addresses, &failure)) << port.toStdString();
        EXPECT_EQ(failure, message);
        failure.clear();
        EXPECT_FALSE(client.ResolvePort(port, address, &failure));
        EXPECT_EQ(failure, message);
    }
    EXPECT_TRUE(log.Errors.empty());

    client.Host = "127.0.0.1";
    client.Port = "abc";
    EXPECT_EQ(client.Connect(), "'abc' is not a valid integer value");
    EXPECT_EQ(client.Status, ssIdle);
    EXPECT_EQ(client.SocketHandle, -1);
    TTCPServer server;
    server.Port = "";
    EXPECT_EQ(server.Listen(), "'' is not a valid integer value");
    EXPECT_EQ(server.Status, ssIdle);
    EXPECT_TRUE(log.Errors.empty());
}

TEST(ResolveAddress, UnknownHostIsReported) {
    TTCPClient client;
    EventLog log;
    log.Watch(client);
    client.Host = "no-such-host.invalid";
    client.Port = "1024";
    EXPECT_TRUE(client.Connect().isEmpty());
    ASSERT_EQ(log.Errors.size(), 1u);
    EXPECT_GE(log.Errors.front(), 11001);
    EXPECT_LE(log.Errors.front(), 11004);
    if (log.Errors.front() == 11001) {
        EXPECT_EQ(log.ErrorTexts.front(), "Host not found");
    }
    EXPECT_EQ(client.SocketHandle, -1);
}

TEST(Lookups, EmptyForNoSocketAndNothingReported) {
    TTCPServer server;
    EventLog log;
    log.Watch(server);
    EXPECT_EQ(server.LocalPortOf(-1), "");
    EXPECT_EQ(server.PeerAddressOf(-1), "");
    EXPECT_EQ(server.PeerPortOf(-1), "");
    EXPECT_TRUE(server.SendString(-1, 0, ""));
    EXPECT_TRUE(log.Errors.empty());
    EXPECT_EQ(server.ErrorText(), "Not a Winsock error");
}

TEST(Lookups, DescribeThisMachine) {
    TTCPClient client;
    EXPECT_EQ(client.Version, "1.1");
    EXPECT_TRUE(client.Description.contains("Linux")) << client.Description.toStdString();
    EXPECT_TRUE(client.SystemStatus.startsWith("Running")) << client.SystemStatus.toStdString();
    EXPECT_GT(client.MaxSockets, 0);
    EXPECT_EQ(client.MaxUdpDatagram, 65507);
    EXPECT_FALSE(client.LocalHostName().isEmpty());
    const QString address = client.LocalHostAddress();
    in_addr parsed{};
    EXPECT_EQ(inet_pton(AF_INET, address.toLatin1().constData(), &parsed), 1) << address.toStdString();
    // The interfaces' IPv6 addresses are listed too.
    EXPECT_TRUE(client.SystemStatus.contains(" ::1")) << client.SystemStatus.toStdString();
    // A machine with an IPv4 interface besides the loopback names that interface's address.
    const QStringList up = client.SystemStatus.mid(QString("Running on ").size()).split(", ");
    if (std::any_of(up.begin(), up.end(), [](const QString& entry) {
            const QString address = entry.section(' ', 1);
            return address.contains('.') && !address.startsWith("127.");
        })) {
        EXPECT_FALSE(address.startsWith("127.")) << address.toStdString();
    }
}

TEST(Close, WithoutASocketOnlyMakesTheComponentIdle) {
    TTCPClient client;
    EventLog log;
    log.Watch(client);
    client.Status = ssConnecting;
    client.Close();
    EXPECT_EQ(client.Status, ssIdle);
    TTCPServer server;
    server.Status = ssListening;
    server.Close();
    EXPECT_EQ(server.Status, ssIdle);
    EXPECT_TRUE(log.Errors.empty());
}

// A socket whose bind, listen or connect fails at once is never watched: Linux reports such a
// socket as hung up and writable, which would raise a phantom accept (failing with "Invalid
// argument" over the real error) or a phantom connect. The one error stays the only event.
TEST(FailureAtOnce, IsReportedOnceWithItsOwnText) {
    const QString heldPort = QString::number(FreePort());
    TTCPServer holder;
    holder.Port = heldPort;
    ASSERT_TRUE(holder.Listen().isEmpty());
    ASSERT_EQ(holder.Status, ssListening);

    TTCPServer server;
    server.Port = heldPort;
    TTCPClient client;
    client.Host = QStringLiteral("224.0.0.1"); // TCP to a multicast group: unreachable at once
    client.Port = QStringLiteral("80");
    struct Case {
        const char* Name;
        std::function<void()> Open;
        TCustomSocket* Socket;
        int Error;
        const char* Text;
    };
    EventLog log;
    log.Watch(server);
    log.Watch(client);
    for (const Case& c : {
             Case{"listen on a port in use", [&] { EXPECT_TRUE(server.Listen().isEmpty()); }, &server, 10048,
                  "Address already in use"},
             Case{"connect to a multicast address", [&] { EXPECT_TRUE(client.Connect().isEmpty()); }, &client,
                  10051, "Network is unreachable"},
         }) {
        log.Errors.clear();
        log.ErrorTexts.clear();
        c.Open();
        RunEventsFor(200);
        EXPECT_EQ(log.Errors, std::vector<int>{c.Error}) << c.Name;
        EXPECT_EQ(log.ErrorTexts, std::vector<QString>{c.Text}) << c.Name;
        EXPECT_TRUE(log.Accepted.empty() && log.Connected.empty()) << c.Name;
        EXPECT_NE(c.Socket->Status, ssListening) << c.Name;
        EXPECT_NE(c.Socket->Status, ssConnected) << c.Name;
    }
}

// A socket that cannot be shut down is still closed: nobody would close it later.
TEST(Close, ADescriptorThatCannotBeShutDownIsClosedAndTheFailureReported) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    TTCPClient client;
    EventLog log;
    log.Watch(client);
    SocketNotifications notifications([](int, int, int) {});
    int32_t handle = ends[0];
    client.CloseSocketHandle(handle, notifications, true);
    EXPECT_EQ(handle, -1);
    EXPECT_EQ(fcntl(ends[0], F_GETFD), -1) << "the descriptor is closed";
    EXPECT_EQ(log.ErrorTexts, std::vector<QString>{"Socket operation on nonsocket"});
    close(ends[1]);
}

} // namespace
