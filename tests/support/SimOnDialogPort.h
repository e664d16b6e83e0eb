#pragma once

#include "LoopbackPort.h"
#include "sim/SimServer.h"

// The simulator on 127.0.0.1 at a free port the connect dialog accepts.
inline bool listenOnDialogPort(quven::sim::SimServer& server) {
    return listenOnDialogPort(
        [&server](quint16 port) { return server.listen(QHostAddress::LocalHost, port); });
}
