#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <netinet/in.h>

#include "net/SocketNotifications.h"

// Small socket components for the game's connection: a client that makes one outgoing
// connection and a server that listens and keeps a list of accepted clients. Everything is
// asynchronous: operations return at once and their outcome comes back later as events on
// the thread of the Qt event loop. Nothing here throws; every failure is reported through
// OnError with a code of the table in SocketErrors.h and its text.

class TCustomSocket;

// Event callbacks; bind an object's method with a lambda, e.g.
// client.OnData = [this](TCustomSocket* sender, int socket) { TCPClient1Data(sender, socket); };
using TOnError = std::function<void(TCustomSocket* Sender, int Error, const QString& Msg)>;
using TOnData = std::function<void(TCustomSocket* Sender, int Socket)>;
using TOnAccept = std::function<void(TCustomSocket* Sender, int Socket)>;
using TOnConnect = std::function<void(TCustomSocket* Sender, int Socket)>;
using TOnClose = std::function<void(TCustomSocket* Sender, int Socket)>;

enum TSocketStatus : uint8_t {
    ssUninitialised = 0, // the socket service could not be started
    ssIdle = 1,          // no socket open
    ssConnected = 2,     // client connected
    ssListening = 3,     // server listening
    ssConnecting = 4,    // client connect under way, or failed and not yet closed
};

// The sockets of a server's connected clients, in the order of acceptance.
class TClientList {
  public:
    bool Add(int Socket);    // false when the list cannot grow
    void Remove(int Socket); // the first equal entry, if any
    void Clear() { m_items.clear(); }
    int Count() const { return static_cast<int>(m_items.size()); }
    int Items(int Index) const { return m_items.at(static_cast<std::size_t>(Index)); }
    bool Contains(int Socket) const;

  private:
    std::vector<int> m_items;
};

// What the client and the server share: error reports, name look-ups, closing, and sending
// and receiving bytes on any of their sockets.
class TCustomSocket : public QObject {
  public:
    explicit TCustomSocket(QObject* Owner = nullptr);
    ~TCustomSocket() override = default;

    QString Version;
    QString Description;  // the platform's socket service, e.g. the kernel that provides it
    QString SystemStatus; // whether it is running and on which IPv4 interfaces
    int32_t MaxSockets = 0;
    int32_t MaxUdpDatagram = 0;
    int32_t Protocol = 0;
    int32_t SocketType = 3;
    int32_t SocketHandle = -1;
    uint8_t Status = ssUninitialised;
    int32_t LastError = 0;
    TOnError OnError;

    void ReportError(int Code);
    QString ErrorText() const;

    // Fills an IPv4 address from a dotted address or host name and a service name or port
    // number. False when it cannot: a failed look-up is reported through OnError; a port
    // text that is neither a service nor a port number is not, and its message goes to
    // *PortTextFailure instead, for the caller to show.
    bool ResolveAddress(const QString& Host, const QString& Port, sockaddr_in& Address,
                        QString* PortTextFailure = nullptr);
    // The same for a local port on any local address.
    bool ResolvePort(const QString& Port, sockaddr_in& Address, QString* PortTextFailure = nullptr);

    QString LocalPortOf(int Socket) const;
    QString PeerAddressOf(int Socket) const;
    QString PeerPortOf(int Socket) const;
    QString LocalHostName();
    // The address other machines can reach this one at: the host name's address, or, when
    // that is a loopback address, the first IPv4 address of an interface that is up.
    QString LocalHostAddress();

    // Stops the notifications of `Socket`, shuts it down and closes it, resetting the
    // connection at once when `Abortive`. `Socket` becomes -1 even when a step fails; the
    // failure is reported.
    void CloseSocketHandle(int32_t& Socket, SocketNotifications& Notifier, bool Abortive);

    int BytesAvailable(int Socket);
    // Sends all of `Text`; what a full send buffer cannot take now is sent when it can, up to
    // a limit past which the send fails with "No buffer space available". True when every
    // byte was sent or kept for later; false when the send failed, which is reported.
    bool SendString(int Socket, int Flags, const QByteArray& Text);
    // Every byte waiting on `Socket`.
    QByteArray ReceiveString(int Socket, int Flags);

  protected:
    // Replaces SocketHandle with a new non-blocking stream socket that has the boolean socket
    // option `Option` set. It is not watched yet: Linux reports a socket that is neither
    // connected nor listening as hung up and writable, so a notification asked for before
    // bind, listen or connect has succeeded would raise a phantom accept or connect. False
    // after a failure, which is reported.
    bool OpenSocketHandle(int Option);
    // Asks for `Event` on SocketHandle, once it is listening or connecting. False after a
    // failure, which is reported.
    bool WatchSocketHandle(int Event);

    // The notifications of the subclass's sockets; set by the subclass constructor.
    SocketNotifications* m_notifier = nullptr;
};

class TTCPClient : public TCustomSocket {
  public:
    explicit TTCPClient(QObject* Owner = nullptr);
    ~TTCPClient() override;

    bool Authorized = false; // bind a local port counting down from 1024 before connecting
    QString Host;
    QString Port;
    TOnData OnData;
    TOnConnect OnConnect;
    TOnClose OnClose;

    // Starts connecting to Host at Port. Returns the message of a port text that is neither a
    // service name nor a port number, for the caller to show; otherwise an empty text, and
    // the outcome arrives as OnConnect or OnError.
    [[nodiscard]] QString Connect();
    void Close();
    bool SendText(const QByteArray& Text) { return SendString(SocketHandle, 0, Text); }
    QByteArray ReceiveText() { return ReceiveString(SocketHandle, 0); }

  private:
    void Notify(int Socket, int Event, int Code);
    bool BindCountingDown();

    std::unique_ptr<SocketNotifications> m_notifications;
};

class TTCPServer : public TCustomSocket {
  public:
    explicit TTCPServer(QObject* Owner = nullptr);
    ~TTCPServer() override;

    QString Port;
    TOnData OnData;
    TOnAccept OnAccept;
    TOnClose OnClose;
    TClientList Clients;

    // Starts listening on Port; returns the message of a port text that is neither a service
    // name nor a port number, otherwise an empty text (failures go to OnError).
    [[nodiscard]] QString Listen();
    // Closes every client and the listening socket, without OnClose.
    void Close();
    bool SendTextTo(int Socket, const QByteArray& Text) { return SendString(Socket, 0, Text); }
    QByteArray ReceiveTextFrom(int Socket) { return ReceiveString(Socket, 0); }
    // Closes one accepted client, without OnClose. Sockets that are not clients are left alone.
    void DropClient(int Socket);

  private:
    void Notify(int Socket, int Event, int Code);
    void AcceptPending();

    std::unique_ptr<SocketNotifications> m_notifications;
};
