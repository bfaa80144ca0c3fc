#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QString>

#include <functional>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "net/WSockets.h"

// Runs the event loop until `condition` holds or `timeoutMs` has passed, so no test can hang.
inline bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

// Lets the event loop run for a while, for checks that something does not happen.
inline void RunEventsFor(int milliseconds) {
    WaitUntil([] { return false; }, milliseconds);
}

// A high port that is free at the moment: the system's choice for a socket bound to port 0.
inline int FreePort() {
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    close(probe);
    return ntohs(address.sin_port);
}

// A plain blocking socket bound to `port` on every local address (SO_REUSEADDR when asked);
// -1 when the port cannot be bound.
inline int BoundSocket(int port, bool reuse = false) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int on = 1;
    if (reuse) setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// A plain blocking connection to 127.0.0.1:`port`; -1 on failure.
inline int ConnectedSocket(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// Records every event of a client or a server.
struct EventLog {
    std::vector<int> Errors;
    std::vector<QString> ErrorTexts;
    std::vector<int> Connected;
    std::vector<int> Accepted;
    std::vector<int> Closed;
    QByteArray Received;

    void Watch(TCustomSocket& socket) {
        socket.OnError = [this](TCustomSocket*, int error, const QString& msg) {
            Errors.push_back(error);
            ErrorTexts.push_back(msg);
        };
    }
    void Watch(TTCPClient& client) {
        Watch(static_cast<TCustomSocket&>(client));
        client.OnConnect = [this](TCustomSocket*, int socket) { Connected.push_back(socket); };
        client.OnClose = [this](TCustomSocket*, int socket) { Closed.push_back(socket); };
        client.OnData = [this, &client](TCustomSocket*, int) { Received += client.ReceiveText(); };
    }
    void Watch(TTCPServer& server) {
        Watch(static_cast<TCustomSocket&>(server));
        server.OnAccept = [this](TCustomSocket*, int socket) { Accepted.push_back(socket); };
        server.OnClose = [this](TCustomSocket*, int socket) { Closed.push_back(socket); };
        server.OnData = [this, &server](TCustomSocket*, int socket) {
            Received += server.ReceiveTextFrom(socket);
        };
    }
};

// Test failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
