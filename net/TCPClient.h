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

    // Starts connecting to Host at Port. Returns the message of a port text that is neither a
    // service name nor a port number, for the caller to show; otherwise an empty text, and
    // the outcome arrives as OnConnect or OnError.
    [[nodiscard]] QString Connect();
    bool SendText(const QByteArray& Text) { return SendString(SocketHandle, 0, Text); }
    QByteArray ReceiveText() { return ReceiveString(SocketHandle, 0); }

  private:
    void Ready(int Socket) override;
    void PeerClosed(int Socket) override;
    bool BindCountingDown();
};
