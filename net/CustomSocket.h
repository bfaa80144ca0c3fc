#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <netinet/in.h>
#include <sys/socket.h>

#include "net/ClientList.h"
#include "net/SocketAddress.h"
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

// What the client and the server share: the notifications of their sockets, error reports,
// name look-ups, closing, and sending and receiving bytes on any of their sockets.
class TCustomSocket : public QObject {
  public:
    // Closes whatever is still open, without OnClose.
    ~TCustomSocket() override;

    QString Version;
    QString Description;  // the platform's socket service, e.g. the kernel that provides it
    QString SystemStatus; // whether it is running and on which interfaces, IPv4 and IPv6
    int32_t MaxSockets = 0;
    int32_t MaxUdpDatagram = 0;
    int32_t Protocol = IPPROTO_TCP;
    int32_t SocketType = SOCK_STREAM;
    int32_t SocketHandle = -1;
    uint8_t Status = ssUninitialised;
    int32_t LastError = 0;
    TOnError OnError;
    TOnData OnData;
    TOnClose OnClose;

    void ReportError(int Code);
    QString ErrorText() const;

    // The addresses of a host and a service name or port number: a dotted IPv4 address, an
    // IPv6 address (with its zone, as fe80::1%eth0), or a host name's IPv6 and IPv4 addresses
    // in the order the resolver gives them. False when there is none: a failed look-up is
    // reported through OnError; a port text that is neither a service nor a port number is
    // not, and its message goes to *PortTextFailure instead, for the caller to show.
    bool ResolveAddress(const QString& Host, const QString& Port, std::vector<SocketAddress>& Addresses,
                        QString* PortTextFailure = nullptr);
    // The same for a local port on any local address, IPv6 and IPv4 alike.
    bool ResolvePort(const QString& Port, SocketAddress& Address, QString* PortTextFailure = nullptr);

    QString LocalPortOf(int Socket) const;
    QString PeerAddressOf(int Socket) const;
    QString PeerPortOf(int Socket) const;
    // Whether both ends of `Socket` are the same address and port: a client that bound the
    // port it connects to, with nobody listening there, is joined by Linux to itself.
    bool ConnectedToItself(int Socket) const;
    QString LocalHostName();
    // The address other machines can reach this one at: the host name's address, or, when
    // that is a loopback address, the first IPv4 address of an interface that is up.
    QString LocalHostAddress();

    // Closes every accepted client and the own socket, resetting the connections, without
    // OnClose.
    void Close();

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
    // A component with no socket open yet; `Owner` as for any QObject.
    explicit TCustomSocket(QObject* Owner);

    // The own socket is ready: a client's connect has succeeded, or a connection waits to
    // be accepted by a server.
    virtual void Ready(int Socket) = 0;
    // The peer of `Socket` has closed the connection, and OnClose has been told.
    virtual void PeerClosed(int Socket) = 0;
    // A connect has failed with `Code`: true when the component has tried another address
    // instead, and the failure is not to be reported.
    virtual bool ConnectFailed(int Code) {
        (void)Code;
        return false;
    }

    // Replaces SocketHandle with a new non-blocking stream socket of `Family` that has the
    // boolean socket option `Option` set; an IPv6 socket takes IPv4 peers too. It is not watched yet: Linux
    // reports a socket that is neither connected nor listening as hung up and writable, so a notification
    // asked for before bind, listen or connect has succeeded would raise a phantom accept or connect. False
    // after a failure, which is reported.
    bool OpenSocketHandle(int Option, int Family = AF_INET);
    // Asks for `Event` on SocketHandle, once it is listening or connecting. False after a
    // failure, which is reported.
    bool WatchSocketHandle(int Event);

    // The connections a server has accepted, in the order of acceptance; a client has none.
    TClientList Clients;
    // The notifications of every socket of the component, delivered to Notify.
    std::unique_ptr<SocketNotifications> m_notifications;

  private:
    void Notify(int Socket, int Event, int Code);
};
