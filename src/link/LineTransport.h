// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace quven {

// The byte pipe to the controller. The real one is a TCP client socket (TcpTransport); a unit
// test may put a recorder in its place.
class LineTransport : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // Starts connecting; does not wait for the outcome. False when the request is refused at
    // once (for example a socket that is not closed yet, an empty host or a port below 1).
    virtual bool connectToController(const QString& host, int port) = 0;
    // Closes at once; bytes already handed over are still delivered.
    virtual void close() = 0;
    // True only when the whole of bytes was taken for sending on an established connection.
    virtual bool send(const QByteArray& bytes) = 0;
    // Everything received and not yet taken.
    virtual QByteArray takeReceived() = 0;

  Q_SIGNALS:
    void received();
};

}  // namespace quven
