#pragma once

#include <QTcpSocket>

#include "link/LineTransport.h"

namespace quven {

// The controller link over one QTcpSocket, `tcpclient`, created once and connected, closed
// and connected again for the whole run.
class TcpTransport : public LineTransport {
    Q_OBJECT
  public:
    explicit TcpTransport(QObject* parent = nullptr);

    bool connectToController(const QString& host, int port) override;
    void close() override;
    bool send(const QByteArray& bytes) override;
    QByteArray takeReceived() override;

    QAbstractSocket::SocketState state() const { return tcpclient_.state(); }

  private:
    QTcpSocket tcpclient_;
};

}  // namespace quven
