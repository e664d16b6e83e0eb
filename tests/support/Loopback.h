// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QMetaType>
#include <QString>
#include <QTcpServer>
#include <functional>

#include "sim/ControllerModel.h"
#include "sim/SimFaults.h"
#include "sim/SimServer.h"

class QTcpSocket;

// Servers on 127.0.0.1 that the tests open themselves: a peer standing for the controller, and
// the simulator.

// Where a server listens: at a free port the system chooses, or at a free one the connect
// dialog accepts (it takes ports up to 32767 only, while the system hands out higher ones).
enum class LoopbackPort { Any, Dialog };

// listen(port) tried on 127.0.0.1 from a random port of 20000-32767 on, until one is free.
bool listenOnDialogPort(const std::function<bool(quint16)>& listen);
bool listenOnDialogPort(QTcpServer& server);
bool listenOnDialogPort(quven::sim::SimServer& server);

// A peer of the test's own, listening on 127.0.0.1.
struct LoopbackPeer {
    explicit LoopbackPeer(LoopbackPort where = LoopbackPort::Any);

    // The next connection, waited for up to timeoutMs; nullptr when none came.
    QTcpSocket* accept(int timeoutMs = 5000);
    quint16 port() const { return server.serverPort(); }

    QTcpServer server;
    bool listening = false;
};

// The simulator on 127.0.0.1: its controller model and its server, listening.
struct LoopbackSim {
    explicit LoopbackSim(const quven::sim::SimFaults& faults = {},
                         LoopbackPort where = LoopbackPort::Dialog);

    quven::sim::ControllerModel model;
    quven::sim::SimServer server;
    bool listening = false;
};

// Faults made in place, for a data row: withFaults([](SimFaults& f) { f.dropEvery = 3; }).
template <typename Set>
quven::sim::SimFaults withFaults(Set set) {
    quven::sim::SimFaults faults;
    set(faults);
    return faults;
}

Q_DECLARE_METATYPE(quven::sim::SimFaults)
