// SPDX-License-Identifier: Apache-2.0
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

  Q_SIGNALS:
    // The connection that connectToController started is up.
    void connected();
    // It could not be made (no such host, refused, ...), or an established one broke or was
    // closed by the controller; the reason as the system gives it. Nothing is closed here.
    void failed(const QString& reason);

  private:
    QTcpSocket tcpclient_;
};

}  // namespace quven
