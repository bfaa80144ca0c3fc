#include "net/WSockets.h"

#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

#include "net/SocketErrors.h"

namespace {

// The local ports an authorized client tries, from the highest down.
constexpr int HighestLocalPort = 1024;
constexpr int LowestLocalPort = 513;

} // namespace

TTCPClient::TTCPClient(QObject* Owner)
    : TCustomSocket(Owner), m_notifications(std::make_unique<SocketNotifications>(
                                [this](int socket, int event, int code) { Notify(socket, event, code); })) {
    m_notifier = m_notifications.get();
    Protocol = IPPROTO_TCP;
    SocketType = SOCK_STREAM;
}

TTCPClient::~TTCPClient() {
    if (Status != ssIdle || SocketHandle != -1) Close();
}

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

void TTCPClient::Close() {
    CloseSocketHandle(SocketHandle, *m_notifications, true);
    if (SocketHandle == -1) Status = ssIdle;
}

void TTCPClient::Notify(int Socket, int Event, int Code) {
    switch (Event) {
    case SocketEvent::Read:
        if (Code != 0)
            ReportError(Code);
        else if (OnData)
            OnData(this, Socket);
        return;
    case SocketEvent::Connect:
        // A failed connect keeps its socket, in ssConnecting, until Close.
        if (Code != 0) {
            ReportError(Code);
            return;
        }
        if (!m_notifications->Select(Socket, SocketEvent::ReadClose)) {
            ReportError(SocketError::NoBufferSpace);
            return;
        }
        if (OnConnect) OnConnect(this, Socket);
        // The handler may have closed the connection already.
        if (SocketHandle == Socket) Status = ssConnected;
        return;
    case SocketEvent::Close:
        if (Code == SocketError::NetworkDown) {
            ReportError(Code);
            return;
        }
        if (OnClose) OnClose(this, Socket);
        if (SocketHandle == Socket) Close();
        return;
    default:
        if (Code != 0) ReportError(Code);
        return;
    }
}
