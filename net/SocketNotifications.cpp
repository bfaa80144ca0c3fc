#include "net/SocketNotifications.h"

#include <QSocketNotifier>

#include <cerrno>
#include <sys/ioctl.h>
#include <sys/socket.h>

#include "net/SocketErrors.h"

namespace {

// What may wait for a peer that reads slowly, beyond the system's own send buffer (the
// game sends a few bytes at a time). A peer that leaves this much unread is not reading.
constexpr std::size_t MaxUnsent = std::size_t{16} << 20;

} // namespace

SocketNotifications::SocketNotifications(Handler handler) : m_handler(std::move(handler)) {}

SocketNotifications::~SocketNotifications() = default;

bool SocketNotifications::Select(int socket, int mask) {
    auto found = m_watches.find(socket);
    if (mask == 0) {
        if (found != m_watches.end()) {
            Retire(found->second);
            m_watches.erase(found);
        }
        return true;
    }
    Watch& watch = m_watches[socket];
    Retire(watch);
    watch.Mask = mask;
    const bool wantsReading = (mask & (SocketEvent::Accept | SocketEvent::Read)) != 0;
    const bool wantsWriting = (mask & SocketEvent::Connect) != 0 || !watch.Unsent.empty();
    if (wantsReading) {
        watch.Reading = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
        QObject::connect(watch.Reading.get(), &QSocketNotifier::activated,
                         [this, socket] { Readable(socket); });
    }
    if (wantsWriting) {
        watch.Writing = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Write);
        QObject::connect(watch.Writing.get(), &QSocketNotifier::activated,
                         [this, socket] { Writable(socket); });
    }
    if ((watch.Reading && !watch.Reading->isValid()) || (watch.Writing && !watch.Writing->isValid())) {
        Retire(watch);
        m_watches.erase(socket);
        return false;
    }
    return true;
}

void SocketNotifications::ReadDone(int socket) {
    const auto found = m_watches.find(socket);
    const int reading = SocketEvent::Read | SocketEvent::Accept;
    if (found == m_watches.end() || !(found->second.Mask & reading) || !found->second.Reading) return;
    found->second.Reading->setEnabled(true);
}

bool SocketNotifications::Keep(int socket, std::string_view bytes) {
    const auto found = m_watches.find(socket);
    if (found == m_watches.end() || found->second.Mask != SocketEvent::ReadClose) return false;
    Watch& watch = found->second;
    if (bytes.size() > MaxUnsent - watch.Unsent.size()) return false;
    watch.Unsent.append(bytes);
    if (!watch.Writing) {
        watch.Writing = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Write);
        QObject::connect(watch.Writing.get(), &QSocketNotifier::activated,
                         [this, socket] { Writable(socket); });
    }
    watch.Writing->setEnabled(true);
    return true;
}

bool SocketNotifications::HasUnsent(int socket) const {
    const auto found = m_watches.find(socket);
    return found != m_watches.end() && !found->second.Unsent.empty();
}

void SocketNotifications::Readable(int socket) {
    const auto found = m_watches.find(socket);
    if (found == m_watches.end()) return;
    Watch& watch = found->second;
    if (watch.Mask & SocketEvent::Accept) {
        watch.Reading->setEnabled(false);
        Deliver(socket, SocketEvent::Accept, 0);
        return;
    }
    if (!(watch.Mask & SocketEvent::Read)) return;

    // Quiet until the component has read, so unread bytes do not raise the event again.
    watch.Reading->setEnabled(false);
    int pending = 0;
    if (ioctl(socket, FIONREAD, &pending) == 0 && pending > 0) {
        Deliver(socket, SocketEvent::Read, 0);
        return;
    }
    // Readable with nothing to read: the peer has closed or reset the connection.
    char byte = 0;
    const ssize_t peeked = recv(socket, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
    if (peeked > 0) {
        Deliver(socket, SocketEvent::Read, 0);
    } else if (peeked == 0) {
        Deliver(socket, SocketEvent::Close, 0);
    } else if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
        watch.Reading->setEnabled(true);
    } else {
        Deliver(socket, SocketEvent::Close, SocketErrorFromErrno(errno));
    }
}

void SocketNotifications::Writable(int socket) {
    const auto found = m_watches.find(socket);
    if (found == m_watches.end()) return;
    Watch& watch = found->second;
    if (watch.Mask & SocketEvent::Connect) {
        int error = 0;
        socklen_t length = sizeof error;
        if (getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &length) != 0) error = errno;
        watch.Mask &= ~SocketEvent::Connect;
        watch.Writing->setEnabled(false);
        Deliver(socket, SocketEvent::Connect, error == 0 ? 0 : SocketErrorFromErrno(error));
        return;
    }
    while (!watch.Unsent.empty()) {
        const ssize_t sent =
            send(socket, watch.Unsent.data(), watch.Unsent.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent >= 0) {
            watch.Unsent.erase(0, static_cast<std::size_t>(sent));
            continue;
        }
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return;
        const int code = SocketErrorFromErrno(errno);
        watch.Unsent.clear();
        watch.Writing->setEnabled(false);
        Deliver(socket, SocketEvent::Write, code);
        return;
    }
    watch.Writing->setEnabled(false);
}

void SocketNotifications::Deliver(int socket, int event, int code) {
    ++m_depth;
    m_handler(socket, event, code);
    --m_depth;
    if (m_depth == 0) m_retired.clear();
}

void SocketNotifications::Retire(Watch& watch) {
    for (std::unique_ptr<QSocketNotifier>* notifier : {&watch.Reading, &watch.Writing}) {
        if (!*notifier) continue;
        (*notifier)->setEnabled(false);
        m_retired.push_back(std::move(*notifier));
    }
    if (m_depth == 0) m_retired.clear();
}
