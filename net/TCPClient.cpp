#include "net/TCPClient.h"

#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

#include "net/SocketErrors.h"

namespace {

// The local ports an authorized client tries, from the highest down.
constexpr int HighestLocalPort = 1024;
constexpr int LowestLocalPort = 513;

} // namespace

QString TTCPClient::Connect() {
    QString portTextFailure;
    std::vector<SocketAddress> addresses;
    if (!ResolveAddress(Host, Port, addresses, &portTextFailure)) return portTextFailure;
    ConnectTo(std::move(addresses));
    return {};
}

void TTCPClient::ConnectTo(std::vector<SocketAddress> Addresses) {
    m_addresses = std::move(Addresses);
    m_next = 0;
    ConnectNext();
}

bool TTCPClient::ConnectNext() {
    while (m_next < m_addresses.size()) {
        const SocketAddress& address = m_addresses[m_next++];
        if (!OpenSocketHandle(SO_OOBINLINE, address.Family())) return false;
        // The authorized local ports are a convention of IPv4 hosts.
        if (Authorized && address.Family() == AF_INET && !BindCountingDown()) return false;
        if (::connect(SocketHandle, address.Raw(), address.Length) == 0 || errno == EINPROGRESS ||
            errno == EAGAIN) {
            if (!WatchSocketHandle(SocketEvent::Connect)) return false;
            Status = ssConnecting;
            return true;
        }
        // Failed at once: the socket stays unwatched, so nothing can report it as connected.
        // The next address is tried; the last one's failure is the one reported.
        const int code = SocketErrorFromErrno(errno);
        if (m_next == m_addresses.size()) ReportError(code);
    }
    return false;
}

bool TTCPClient::ConnectFailed(int) {
    return m_next < m_addresses.size() && ConnectNext();
}

// Binds the highest free local port from 1024 down to 513. A port in use, or one this user
// may not bind (below 1024 without the privilege), is skipped; when none is left the system
// chooses the port at connect time. False after any other failure, which is reported.
bool TTCPClient::BindCountingDown() {
    for (int port = HighestLocalPort; port >= LowestLocalPort; --port) {
        const SocketAddress local = AnyAddress(AF_INET, static_cast<uint16_t>(port));
        if (bind(SocketHandle, local.Raw(), local.Length) == 0) return true;
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
