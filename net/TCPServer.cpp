#include "net/TCPServer.h"

#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

#include "net/SocketErrors.h"

namespace {
constexpr int ListenBacklog = 5;
}

QString TTCPServer::Listen() {
    SocketAddress address;
    QString portTextFailure;
    if (!ResolvePort(Port, address, &portTextFailure)) return portTextFailure;

    // Listening again replaces the listening socket; accepted clients stay. Without
    // SO_REUSEADDR a port whose last connections are still in TIME_WAIT could not be
    // listened on again for a minute after the program closed it. One IPv6 socket takes
    // callers of both families; a system without IPv6 listens on IPv4 alone.
    const int probe = socket(AF_INET6, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (probe == -1) address = AnyAddress(AF_INET, address.Port());
    if (probe != -1) close(probe);
    if (!OpenSocketHandle(SO_REUSEADDR, address.Family())) return {};
    if (bind(SocketHandle, address.Raw(), address.Length) != 0 || listen(SocketHandle, ListenBacklog) != 0) {
        // The socket stays unwatched: an accept on it would fail and hide this error.
        ReportError(SocketErrorFromErrno(errno));
        return {};
    }
    if (WatchSocketHandle(SocketEvent::Accept)) Status = ssListening;
    return {};
}

void TTCPServer::DropClient(int Socket) {
    // Only a socket of this server's list: a number that is no longer one of its clients may
    // by now belong to another descriptor of the program.
    if (!Clients.Contains(Socket)) return;
    Clients.Remove(Socket);
    int32_t client = Socket;
    CloseSocketHandle(client, *m_notifications, true);
}

// A connection waits on the listening socket: accept it.
void TTCPServer::Ready(int) {
    int32_t client = accept4(SocketHandle, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (client == -1) {
        // A caller that gave up before being accepted is nobody's error. Any other failure
        // (out of descriptors, say) is reported once, and the server stops accepting until it
        // listens again, rather than failing again at every turn of the event loop.
        if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR || errno == ECONNABORTED)
            m_notifications->ReadDone(SocketHandle);
        else
            ReportError(SocketErrorFromErrno(errno));
        return;
    }
    m_notifications->ReadDone(SocketHandle);
    const int on = 1;
    if (setsockopt(client, SOL_SOCKET, SO_OOBINLINE, &on, sizeof on) != 0) {
        ReportError(SocketErrorFromErrno(errno));
        CloseSocketHandle(client, *m_notifications, true);
        return;
    }
    if (!m_notifications->Select(client, SocketEvent::ReadClose)) {
        ReportError(SocketError::NoBufferSpace);
        CloseSocketHandle(client, *m_notifications, true);
        return;
    }
    if (!Clients.Add(client)) {
        CloseSocketHandle(client, *m_notifications, false);
        return;
    }
    if (OnAccept) OnAccept(this, client);
}

void TTCPServer::PeerClosed(int Socket) {
    DropClient(Socket);
}
