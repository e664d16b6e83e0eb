// SPDX-License-Identifier: Apache-2.0
#include "link/TcpTransport.h"

namespace quven {

TcpTransport::TcpTransport(QObject* parent) : LineTransport(parent) {
    tcpclient_.setObjectName(QStringLiteral("tcpclient"));
    connect(&tcpclient_, &QTcpSocket::readyRead, this, &LineTransport::received);
    connect(&tcpclient_, &QTcpSocket::connected, this, &TcpTransport::connected);
    connect(&tcpclient_, &QTcpSocket::errorOccurred, this,
            [this] { Q_EMIT failed(tcpclient_.errorString()); });
}

bool TcpTransport::connectToController(const QString& host, int port) {
    // Our own close may still be handing over its last bytes; the operator wants a new session
    // now, so finish it off.
    if (tcpclient_.state() == QAbstractSocket::ClosingState) {
        tcpclient_.abort();
    }
    // A socket still looking up, connecting or connected (a dropped session) is not taken
    // over: this attempt fails, the failure closes it, and the next attempt starts clean.
    if (tcpclient_.state() != QAbstractSocket::UnconnectedState) {
        return false;
    }
    if (host.isEmpty() || port < 1 || port > 65535) {
        return false;
    }
    tcpclient_.connectToHost(host, static_cast<quint16>(port));
    return true;
}

void TcpTransport::close() {
    // Hand whatever is still buffered (a last "STOPS", say) to the system at once, so that
    // closing never loses a command already sent and never waits for the controller.
    if (tcpclient_.state() == QAbstractSocket::ConnectedState) {
        tcpclient_.flush();
    }
    tcpclient_.close();
}

bool TcpTransport::send(const QByteArray& bytes) {
    // write() buffers and reports success even while the connection is still being set up;
    // only an established connection counts.
    if (tcpclient_.state() != QAbstractSocket::ConnectedState) {
        return false;
    }
    return tcpclient_.write(bytes) == bytes.size();
}

QByteArray TcpTransport::takeReceived() {
    return tcpclient_.readAll();
}

}  // namespace quven
