#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include "net/CustomSocket.h"

// A socket component that makes one outgoing connection.
class TTCPClient : public TCustomSocket {
  public:
    explicit TTCPClient(QObject* Owner = nullptr) : TCustomSocket(Owner) {}

    bool Authorized = false; // bind a local port counting down from 1024 before connecting
    QString Host;
    QString Port;
    TOnConnect OnConnect;

    // Starts connecting to Host at Port, trying the host's addresses in the resolver's order
    // until one answers. Returns the message of a port text that is neither a service name nor
    // a port number, for the caller to show; otherwise an empty text, and the outcome arrives
    // as OnConnect or OnError (the last address's failure).
    [[nodiscard]] QString Connect();
    // Starts connecting to the first of `Addresses` that answers, in their order.
    void ConnectTo(std::vector<SocketAddress> Addresses);
    bool SendText(const QByteArray& Text) { return SendString(SocketHandle, 0, Text); }
    QByteArray ReceiveText() { return ReceiveString(SocketHandle, 0); }

  private:
    void Ready(int Socket) override;
    void PeerClosed(int Socket) override;
    bool ConnectFailed(int Code) override;
    // Connects to the next address not yet tried; false when none is under way.
    bool ConnectNext();
    bool BindCountingDown();

    std::vector<SocketAddress> m_addresses;
    std::size_t m_next = 0;
};
