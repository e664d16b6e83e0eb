// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QByteArrayList>
#include <QHash>
#include <QString>
#include <QStringList>

#include "sim/SimFaults.h"
#include "sim/SimPlant.h"

// Several simulated controllers in this process, each with its own model and table, on
// consecutive ports of 127.0.0.1 that the plant found free itself; every line each one handles
// is recorded.
struct LoopbackPlant {
    explicit LoopbackPlant(int count, const quven::sim::SimFaults& faults = {});

    // "127.0.0.1:<port>" of controller i.
    QString address(int index) const;
    QStringList addresses() const;
    // Lets the controllers see the clients that have closed go: a controller serves one client
    // at a time, and one that has not noticed yet refuses the next. False after 5 s.
    bool waitUntilIdle();

    quven::sim::SimPlant plant;
    bool listening = false;
    QHash<int, QByteArrayList> handled;  // by controller: the command lines it handled
    QHash<int, int> clients;             // by controller: the connections it took
};

// A port of 127.0.0.1 on which nothing listens: opened by the test and closed again.
quint16 closedLoopbackPort();
