#include "net/WSockets.h"

#include <algorithm>
#include <cerrno>
#include <new>
#include <sys/socket.h>

#include "net/SocketErrors.h"

namespace {
constexpr int ListenBacklog = 5;
}

bool TClientList::Add(int Socket) {
    try {
        m_items.push_back(Socket);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void TClientList::Remove(int Socket) {
    const auto found = std::find(m_items.begin(), m_items.end(), Socket);
    if (found != m_items.end()) m_items.erase(found);
}

bool TClientList::Contains(int Socket) const {
    return std::find(m_items.begin(), m_items.end(), Socket) != m_items.end();
}

TTCPServer::TTCPServer(QObject* Owner)
    : TCustomSocket(Owner), m_notifications(std::make_unique<SocketNotifications>(
                                [this](int socket, int event, int code) { Notify(socket, event, code); })) {
    m_notifier = m_notifications.get();
    Protocol = IPPROTO_TCP;
    SocketType = SOCK_STREAM;
}

TTCPServer::~TTCPServer() {
    if (Status != ssIdle || SocketHandle != -1 || Clients.Count() > 0) Close();
}

QString TTCPServer::Listen() {
    sockaddr_in address{};
    QString portTextFailure;
    if (!ResolvePort(Port, address, &portTextFailure)) return portTextFailure;

    // Listening again replaces the listening socket; accepted clients stay. Without
    // SO_REUSEADDR a port whose last connections are still in TIME_WAIT could not be
    // listened on again for a minute after the program closed it.
    if (!OpenSocketHandle(SO_REUSEADDR)) return {};
    if (bind(SocketHandle, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        listen(SocketHandle, ListenBacklog) != 0) {
        // The socket stays unwatched: an accept on it would fail and hide this error.
        ReportError(SocketErrorFromErrno(errno));
        return {};
    }
    if (WatchSocketHandle(SocketEvent::Accept)) Status = ssListening;
    return {};
}

void TTCPServer::Close() {
    for (int i = 0; i < Clients.Count(); ++i) {
        int32_t client = Clients.Items(i);
        CloseSocketHandle(client, *m_notifications, true);
    }
    Clients.Clear();
    CloseSocketHandle(SocketHandle, *m_notifications, true);
    if (SocketHandle == -1) Status = ssIdle;
}

void TTCPServer::DropClient(int Socket) {
    // Only a socket of this server's list: a number that is no longer one of its clients may
    // by now belong to another descriptor of the program.
    if (!Clients.Contains(Socket)) return;
    Clients.Remove(Socket);
    int32_t client = Socket;
    CloseSocketHandle(client, *m_notifications, true);
}

void TTCPServer::AcceptPending() {
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

void TTCPServer::Notify(int Socket, int Event, int Code) {
    switch (Event) {
    case SocketEvent::Read:
        if (Code != 0)
            ReportError(Code);
        else if (OnData)
            OnData(this, Socket);
        return;
    case SocketEvent::Accept:
        if (Code != 0)
            ReportError(Code);
        else
            AcceptPending();
        return;
    case SocketEvent::Close:
        if (Code == SocketError::NetworkDown) {
            ReportError(Code);
            return;
        }
        if (OnClose) OnClose(this, Socket);
        DropClient(Socket);
        return;
    default:
        if (Code != 0) ReportError(Code);
        return;
    }
}
