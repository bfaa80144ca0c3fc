#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include "net/CustomSocket.h"

// A socket component that listens on a port and keeps the connections it accepts.
class TTCPServer : public TCustomSocket {
  public:
    explicit TTCPServer(QObject* Owner = nullptr) : TCustomSocket(Owner) {}

    QString Port;
    TOnAccept OnAccept;
    using TCustomSocket::Clients;

    // Starts listening on Port; returns the message of a port text that is neither a service
    // name nor a port number, otherwise an empty text (failures go to OnError).
    [[nodiscard]] QString Listen();
    bool SendTextTo(int Socket, const QByteArray& Text) { return SendString(Socket, 0, Text); }
    QByteArray ReceiveTextFrom(int Socket) { return ReceiveString(Socket, 0); }
    // Closes one accepted client, without OnClose. Sockets that are not clients are left alone.
    void DropClient(int Socket);

  private:
    void Ready(int Socket) override;
    void PeerClosed(int Socket) override;
};
