#include "net/CustomSocket.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <optional>
#include <string_view>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/utsname.h>
#include <unistd.h>

#include "net/SocketErrors.h"
#include "net/SocketNotifications.h"
#include "text/Decimal.h"

namespace {

// The largest payload of one IPv4 UDP datagram.
constexpr int32_t LargestUdpDatagram = 65507;

// The addresses of one family of the interfaces that are up, as "name address" texts.
QStringList InterfacesUp(bool withLoopback, int family) {
    QStringList found;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return found;
    for (const ifaddrs* entry = list; entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr || entry->ifa_addr->sa_family != family || !(entry->ifa_flags & IFF_UP))
            continue;
        if (!withLoopback && (entry->ifa_flags & IFF_LOOPBACK)) continue;
        const std::optional<SocketAddress> address =
            AddressFrom(entry->ifa_addr, family == AF_INET ? sizeof(sockaddr_in) : sizeof(sockaddr_in6));
        if (address)
            found << QString::fromLatin1(entry->ifa_name) + ' ' +
                         QString::fromStdString(AddressText(*address));
    }
    freeifaddrs(list);
    return found;
}

// The protocol's name for the service look-up. The usual ones are known even on a system
// without a protocols database.
std::optional<QByteArray> ProtocolName(int protocol) {
    if (const protoent* entry = getprotobynumber(protocol)) return QByteArray(entry->p_name);
    switch (protocol) {
    case IPPROTO_IP:
        return QByteArray("ip");
    case IPPROTO_TCP:
        return QByteArray("tcp");
    case IPPROTO_UDP:
        return QByteArray("udp");
    default:
        return std::nullopt;
    }
}

// The port of a service name or a port number, in network byte order. A text that is neither
// gives the message for the caller.
std::optional<uint16_t> PortNumber(const QString& port, const QByteArray& protocolName, QString* failure) {
    const QByteArray text = port.toLocal8Bit();
    if (!text.isEmpty()) {
        if (const servent* service = getservbyname(text.constData(), protocolName.constData()))
            return static_cast<uint16_t>(service->s_port);
    }
    // A whole decimal integer as the standard text-to-integer conversion reads it.
    const std::optional<int> value =
        ReadDecimal(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                    {.LeadingBlanks = true, .Plus = true, .Minus = true});
    QString message;
    if (!value)
        message = QStringLiteral("'%1' is not a valid integer value").arg(port);
    else if (*value < 0 || *value > 65535)
        message = QStringLiteral("'%1' is not a valid port number").arg(port);
    else
        return htons(static_cast<uint16_t>(*value));
    if (failure) *failure = message;
    return std::nullopt;
}

QString PortText(const std::optional<SocketAddress>& end) {
    return end ? QString::number(end->Port()) : QString();
}

} // namespace

TCustomSocket::TCustomSocket(QObject* Owner)
    : QObject(Owner), m_notifications(std::make_unique<SocketNotifications>(
                          [this](int socket, int event, int code) { Notify(socket, event, code); })) {
    // The system's sockets need no start-up; this records what a user may want to know of them.
    Version = QStringLiteral("1.1");
    utsname system{};
    const QString kernel =
        uname(&system) == 0 ? QString::fromLatin1(system.sysname) + ' ' + QString::fromLatin1(system.release)
                            : QStringLiteral("Linux");
    Description = kernel + QStringLiteral(" TCP/IP sockets (IPv4 and IPv6 stream, non-blocking)");
    const QStringList up = InterfacesUp(true, AF_INET) + InterfacesUp(true, AF_INET6);
    SystemStatus = up.isEmpty() ? QStringLiteral("Running, no interface is up")
                                : QStringLiteral("Running on ") + up.join(QStringLiteral(", "));
    rlimit files{};
    MaxSockets = getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < static_cast<rlim_t>(INT32_MAX)
                     ? static_cast<int32_t>(files.rlim_cur)
                     : INT32_MAX;
    MaxUdpDatagram = LargestUdpDatagram;
    Status = ssIdle;
}

TCustomSocket::~TCustomSocket() {
    Close();
}

void TCustomSocket::Close() {
    for (int i = 0; i < Clients.Count(); ++i) {
        int32_t client = Clients.Items(i);
        CloseSocketHandle(client, *m_notifications, true);
    }
    Clients.Clear();
    CloseSocketHandle(SocketHandle, *m_notifications, true);
    if (SocketHandle == -1) Status = ssIdle;
}

void TCustomSocket::Notify(int Socket, int Event, int Code) {
    switch (Event) {
    case SocketEvent::Read:
        if (Code != 0)
            ReportError(Code);
        else if (OnData)
            OnData(this, Socket);
        return;
    case SocketEvent::Connect:
        // A failed connect keeps its socket, in ssConnecting, until Close, unless another
        // address of the host is tried.
        if (Code == 0)
            Ready(Socket);
        else if (!ConnectFailed(Code))
            ReportError(Code);
        return;
    case SocketEvent::Accept:
        if (Code != 0)
            ReportError(Code);
        else
            Ready(Socket);
        return;
    case SocketEvent::Close:
        if (Code == SocketError::NetworkDown) {
            ReportError(Code);
            return;
        }
        if (OnClose) OnClose(this, Socket);
        PeerClosed(Socket);
        return;
    default:
        if (Code != 0) ReportError(Code);
        return;
    }
}

void TCustomSocket::ReportError(int Code) {
    LastError = Code;
    if (OnError) OnError(this, Code, ErrorText());
}

QString TCustomSocket::ErrorText() const {
    const std::string_view text = SocketErrorText(LastError);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

bool TCustomSocket::ResolveAddress(const QString& Host, const QString& Port,
                                   std::vector<SocketAddress>& Addresses, QString* PortTextFailure) {
    Addresses.clear();
    const std::optional<QByteArray> protocolName = ProtocolName(Protocol);
    if (!protocolName) {
        ReportError(SocketError::NoData);
        return false;
    }
    const std::optional<uint16_t> port = PortNumber(Port, *protocolName, PortTextFailure);
    if (!port) return false;

    const QByteArray host = Host.toLocal8Bit();
    // A dotted address is taken as the IPv4 stack always took it, short forms included.
    if (const in_addr_t dotted = inet_addr(host.constData()); dotted != INADDR_NONE) {
        SocketAddress address = AnyAddress(AF_INET, 0);
        reinterpret_cast<sockaddr_in*>(&address.Storage)->sin_addr.s_addr = dotted;
        address.SetPort(ntohs(*port));
        Addresses.push_back(address);
        return true;
    }
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int result = getaddrinfo(host.constData(), nullptr, &hints, &found);
    if (result != 0 || !found) {
        ReportError(result != 0 ? SocketErrorFromLookup(result, errno) : SocketError::HostNotFound);
        return false;
    }
    for (const addrinfo* entry = found; entry; entry = entry->ai_next)
        if (std::optional<SocketAddress> address = AddressFrom(entry->ai_addr, entry->ai_addrlen)) {
            address->SetPort(ntohs(*port));
            if (std::find(Addresses.begin(), Addresses.end(), *address) == Addresses.end())
                Addresses.push_back(*address);
        }
    freeaddrinfo(found);
    if (Addresses.empty()) ReportError(SocketError::HostNotFound);
    return !Addresses.empty();
}

bool TCustomSocket::ResolvePort(const QString& Port, SocketAddress& Address, QString* PortTextFailure) {
    const std::optional<QByteArray> protocolName = ProtocolName(Protocol);
    if (!protocolName) return false;
    const std::optional<uint16_t> port = PortNumber(Port, *protocolName, PortTextFailure);
    if (!port) return false;
    Address = AnyAddress(AF_INET6, ntohs(*port));
    return true;
}

QString TCustomSocket::LocalPortOf(int Socket) const {
    return PortText(EndOf(Socket, getsockname));
}

QString TCustomSocket::PeerAddressOf(int Socket) const {
    const std::optional<SocketAddress> peer = EndOf(Socket, getpeername);
    return peer ? QString::fromStdString(AddressText(*peer)) : QString();
}

QString TCustomSocket::PeerPortOf(int Socket) const {
    return PortText(EndOf(Socket, getpeername));
}

bool TCustomSocket::ConnectedToItself(int Socket) const {
    const std::optional<SocketAddress> local = EndOf(Socket, getsockname);
    const std::optional<SocketAddress> peer = EndOf(Socket, getpeername);
    return local && peer && *local == *peer;
}

QString TCustomSocket::LocalHostName() {
    char name[128] = {};
    if (gethostname(name, sizeof name - 1) != 0) {
        ReportError(SocketErrorFromErrno(errno));
        return {};
    }
    return QString::fromLocal8Bit(name);
}

QString TCustomSocket::LocalHostAddress() {
    const QString name = LocalHostName();
    if (name.isEmpty()) return {};
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    QString address;
    if (getaddrinfo(name.toLocal8Bit().constData(), nullptr, &hints, &found) == 0 && found) {
        address =
            QString::fromLatin1(inet_ntoa(reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr));
        freeaddrinfo(found);
    }
    // Many Linux systems map their own name to 127.0.1.1 or 127.0.0.1, which is no use to
    // an opponent on another machine.
    if (address.isEmpty() || address.startsWith(QLatin1String("127."))) {
        const QStringList up = InterfacesUp(false, AF_INET);
        if (!up.isEmpty()) address = up.first().section(' ', 1);
    }
    return address;
}

bool TCustomSocket::OpenSocketHandle(int Option, int Family) {
    // Opening again must not leave the previous socket open.
    CloseSocketHandle(SocketHandle, *m_notifications, true);
    SocketHandle = socket(Family, SocketType | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (SocketHandle == -1) {
        ReportError(SocketErrorFromErrno(errno));
        return false;
    }
    const int on = 1;
    const int off = 0;
    if (setsockopt(SocketHandle, SOL_SOCKET, Option, &on, sizeof on) != 0 ||
        (Family == AF_INET6 && setsockopt(SocketHandle, IPPROTO_IPV6, IPV6_V6ONLY, &off, sizeof off) != 0)) {
        ReportError(SocketErrorFromErrno(errno));
        return false;
    }
    return true;
}

bool TCustomSocket::WatchSocketHandle(int Event) {
    if (m_notifications->Select(SocketHandle, Event)) return true;
    ReportError(SocketError::NoBufferSpace);
    return false;
}

void TCustomSocket::CloseSocketHandle(int32_t& Socket, SocketNotifications& Notifier, bool Abortive) {
    if (Socket == -1) return;
    Notifier.Select(Socket, 0);
    // A socket that cannot be shut down or set to reset is closed all the same: its
    // notifications are off already, so a descriptor kept open here would be watched by
    // nobody and never closed. The first failure is reported once the socket is gone.
    int failure = 0;
    if (shutdown(Socket, SHUT_RDWR) != 0 && errno != ENOTCONN) failure = SocketErrorFromErrno(errno);
    const linger lingering{Abortive ? 1 : 0, 0};
    if (setsockopt(Socket, SOL_SOCKET, SO_LINGER, &lingering, sizeof lingering) != 0 &&
        errno != ENOPROTOOPT && failure == 0)
        failure = SocketErrorFromErrno(errno);
    // Linux releases the descriptor even when close reports an error, so the handle is
    // forgotten in every case: keeping it would later close a descriptor reused elsewhere.
    const int result = ::close(Socket);
    const int error = errno;
    Socket = -1;
    if (result != 0 && error != EINTR && failure == 0) failure = SocketErrorFromErrno(error);
    if (failure != 0) ReportError(failure);
}

int TCustomSocket::BytesAvailable(int Socket) {
    int pending = 0;
    if (ioctl(Socket, FIONREAD, &pending) != 0) {
        ReportError(SocketErrorFromErrno(errno));
        return 0;
    }
    return pending;
}

bool TCustomSocket::SendString(int Socket, int Flags, const QByteArray& Text) {
    if (Text.isEmpty()) return true;
    // Bytes kept from an earlier send go first, so the new ones queue behind them. A peer
    // that stops reading fills what may be kept; that is reported as no buffer space.
    if (m_notifications->HasUnsent(Socket)) {
        if (m_notifications->Keep(Socket,
                                  std::string_view(Text.constData(), static_cast<std::size_t>(Text.size()))))
            return true;
        ReportError(SocketError::NoBufferSpace);
        return false;
    }
    qsizetype done = 0;
    while (done < Text.size()) {
        const ssize_t sent =
            send(Socket, Text.constData() + done, static_cast<std::size_t>(Text.size() - done),
                 Flags | MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent >= 0) {
            done += sent;
            continue;
        }
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (m_notifications->Keep(Socket, std::string_view(Text.constData() + done,
                                                               static_cast<std::size_t>(Text.size() - done))))
                return true;
            ReportError(SocketError::NoBufferSpace);
            return false;
        }
        ReportError(SocketErrorFromErrno(errno));
        return false;
    }
    return true;
}

QByteArray TCustomSocket::ReceiveString(int Socket, int Flags) {
    const int pending = BytesAvailable(Socket);
    QByteArray received(pending, Qt::Uninitialized);
    const ssize_t count =
        pending > 0 ? recv(Socket, received.data(), static_cast<std::size_t>(pending), Flags | MSG_DONTWAIT)
                    : 0;
    const int error = errno;
    m_notifications->ReadDone(Socket);
    if (count < 0) {
        ReportError(SocketErrorFromErrno(error));
        return {};
    }
    received.truncate(static_cast<qsizetype>(count));
    return received;
}
