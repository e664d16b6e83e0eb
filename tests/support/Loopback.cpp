// SPDX-License-Identifier: Apache-2.0
#include "Loopback.h"

#include <QRandomGenerator>
#include <QTcpSocket>

bool listenOnDialogPort(const std::function<bool(quint16)>& listen) {
    constexpr int kFirst = 20000;
    constexpr int kLast = 32767;
    const int start = QRandomGenerator::global()->bounded(kFirst, kLast + 1);
    for (int i = 0; i <= kLast - kFirst; ++i) {
        const int port = kFirst + (start - kFirst + i) % (kLast - kFirst + 1);
        if (listen(static_cast<quint16>(port))) {
            return true;
        }
    }
    return false;
}

bool listenOnDialogPort(QTcpServer& server) {
    return listenOnDialogPort(
        [&server](quint16 port) { return server.listen(QHostAddress::LocalHost, port); });
}

bool listenOnDialogPort(quven::sim::SimServer& server) {
    return listenOnDialogPort(
        [&server](quint16 port) { return server.listen(QHostAddress::LocalHost, port); });
}

LoopbackPeer::LoopbackPeer(LoopbackPort where) {
    listening = where == LoopbackPort::Dialog ? listenOnDialogPort(server)
                                              : server.listen(QHostAddress::LocalHost, 0);
}

QTcpSocket* LoopbackPeer::accept(int timeoutMs) {
    if (!server.hasPendingConnections() && !server.waitForNewConnection(timeoutMs)) {
        return nullptr;
    }
    return server.nextPendingConnection();
}

LoopbackSim::LoopbackSim(const quven::sim::SimFaults& faults, LoopbackPort where)
    : server(model, faults) {
    listening = where == LoopbackPort::Dialog ? listenOnDialogPort(server)
                                              : server.listen(QHostAddress::LocalHost, 0);
}
