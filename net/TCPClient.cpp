#include "net/TCPClient.h"

#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

#include "net/SocketErrors.h"

namespace {

// The local ports an authorized client tries, from the highest down.
constexpr int HighestLocalPort = 1024;
constexpr int LowestLocalPort = 513;

} // namespace

QString TTCPClient::Connect() {
    sockaddr_in address{};
    QString portTextFailure;
    if (!ResolveAddress(Host, Port, address, &portTextFailure)) return portTextFailure;

    if (!OpenSocketHandle(SO_OOBINLINE)) return {};
    if (Authorized && !BindCountingDown()) return {};
    if (::connect(SocketHandle, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 &&
        errno != EINPROGRESS && errno != EAGAIN) {
        // Failed at once: the socket stays unwatched, so nothing can report it as connected.
        ReportError(SocketErrorFromErrno(errno));
        return {};
    }
    if (WatchSocketHandle(SocketEvent::Connect)) Status = ssConnecting;
    return {};
}

// Binds the highest free local port from 1024 down to 513. A port in use, or one this user
// may not bind (below 1024 without the privilege), is skipped; when none is left the system
// chooses the port at connect time. False after any other failure, which is reported.
bool TTCPClient::BindCountingDown() {
    for (int port = HighestLocalPort; port >= LowestLocalPort; --port) {
        sockaddr_in local{};
        local.sin_family = AF_INET;
        local.sin_port = htons(static_cast<uint16_t>(port));
        local.sin_addr.s_addr = htonl(INADDR_ANY);
        if (bind(SocketHandle, reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0) return true;
        const int code = SocketErrorFromErrno(errno);
        if (code != SocketError::AddressInUse && code != SocketError::PermissionDenied) {
            ReportError(code);
            return false;
        }
    }
    return true;
}

void TTCPClient::Ready(int Socket) {
    // A connection to itself is no connection: nobody was listening on the port.
    if (ConnectedToItself(Socket)) {
        Close();
        ReportError(SocketError::ConnectionRefused);
        return;
    }
    if (!m_notifications->Select(Socket, SocketEvent::ReadClose)) {
        ReportError(SocketError::NoBufferSpace);
        return;
    }
    if (OnConnect) OnConnect(this, Socket);
    // The handler may have closed the connection already.
    if (SocketHandle == Socket) Status = ssConnected;
}

void TTCPClient::PeerClosed(int Socket) {
    if (SocketHandle == Socket) Close();
}
