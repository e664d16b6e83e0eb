// SPDX-License-Identifier: Apache-2.0
#include "tool/ControllerLink.h"

namespace quven::tool {

ControllerLink::ControllerLink(const ControllerAddress& address, QObject* parent)
    : QObject(parent), address_(address) {
    module.ScreenMode = screenmode::Table;
    connectTimer_.setSingleShot(true);
    connect(&connectTimer_, &QTimer::timeout, this, [this] {
        fail(QStringLiteral("cannot connect: no answer within %1 s").arg(kConnectTimeoutMs / 1000));
    });
    connect(&transport, &TcpTransport::connected, this, [this] {
        connectTimer_.stop();
        if (!hasFailed()) {
            open_ = true;
            module.Connected = true;
            Q_EMIT opened();
        }
    });
    connect(&transport, &TcpTransport::failed, this, [this](const QString& reason) {
        fail((open_ ? QStringLiteral("the connection was lost: ")
                    : QStringLiteral("cannot connect: ")) +
             reason);
    });
}

ControllerLink::~ControllerLink() {
    transport.disconnect(this);
}

void ControllerLink::open() {
    module.HostName = address_.host;
    module.PortNo = address_.port;
    connectTimer_.start(kConnectTimeoutMs);
    if (!transport.connectToController(address_.host, address_.port)) {
        fail(QStringLiteral("cannot connect"));
    }
}

void ControllerLink::close() {
    connectTimer_.stop();
    // A late reply or notice not taken yet is taken now: bytes left unread at the close would
    // make the system reset the connection instead of closing it.
    transport.takeReceived();
    transport.close();
    module.Connected = false;
}

// The channel's "Not connected !": a command found no established connection.
void ControllerLink::show(const Message&) {
    fail(QStringLiteral("the connection was lost: a command could not be sent"));
}

bool ControllerLink::ask(const Message&) {
    return false;
}

void ControllerLink::fail(const QString& reason) {
    if (hasFailed()) {
        return;
    }
    connectTimer_.stop();
    failure_ = reason;
    module.Connected = false;
    Q_EMIT failed(reason);
}

}  // namespace quven::tool
