#pragma once

#include <QObject>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QSocketNotifier;

// Socket event numbers, as a component receives them from its notifications.
namespace SocketEvent {
inline constexpr int Read = 1;
inline constexpr int Write = 2; // unsent bytes could not be delivered later; only errors
inline constexpr int Accept = 8;
inline constexpr int Connect = 16;
inline constexpr int Close = 32;
inline constexpr int ReadClose = Read | Close;
} // namespace SocketEvent

// The readiness notifications of one socket component, delivered on the thread of the Qt
// event loop one at a time through QSocketNotifier. For each watched socket it turns
// readiness into the events the component handles, with an error code (0 for none):
// - Connect: the pending connect has finished, successfully or with its error;
// - Accept: a connection is waiting on a listening socket. No further Accept comes until the
//   component has tried to accept it (ReadDone), so a failing accept is not repeated endlessly;
// - Read: bytes are waiting. No further Read comes until the component has read (ReadDone),
//   so a handler that does not read at once is not flooded;
// - Close: the peer has closed (code 0) or reset (code 10054) the connection and no byte is
//   left to read.
// It also keeps bytes that a send could not hand to a full buffer and writes them when the
// socket can take them, so a slow reader never loses a message; a peer that does not read at
// all cannot make it keep more than 16 MB.
class SocketNotifications {
  public:
    using Handler = std::function<void(int socket, int event, int code)>;

    explicit SocketNotifications(Handler handler);
    ~SocketNotifications();
    SocketNotifications(const SocketNotifications&) = delete;
    SocketNotifications& operator=(const SocketNotifications&) = delete;

    // Asks for the events in `mask` (Connect, Accept or ReadClose) on `socket`; 0 stops all
    // of its notifications and forgets its unsent bytes. Returns false when Qt cannot watch it.
    bool Select(int socket, int mask);

    // The component has read from `socket`, or accepted on it: its notifications resume.
    void ReadDone(int socket);

    // Keeps `bytes` to be sent after what is already kept. False when `socket` is not watched
    // or when 16 MB are already waiting.
    bool Keep(int socket, std::string_view bytes);
    bool HasUnsent(int socket) const;

  private:
    struct Watch {
        int Mask = 0;
        std::unique_ptr<QSocketNotifier> Reading;
        std::unique_ptr<QSocketNotifier> Writing;
        std::string Unsent;
    };

    void Readable(int socket);
    void Writable(int socket);
    void Deliver(int socket, int event, int code);
    void Retire(Watch& watch);

    Handler m_handler;
    std::map<int, Watch> m_watches;
    // Notifiers taken out of use while an event is being handled may be the very sender of
    // that event, so they are destroyed only once no handler is running.
    std::vector<std::unique_ptr<QSocketNotifier>> m_retired;
    int m_depth = 0;
};
