// SPDX-License-Identifier: Apache-2.0
#include "SimConsole.h"

#include <QtCore/qtestsupport_core.h>

SimConsole::SimConsole(quven::IntervalTimer::Mode timers, const quven::sim::SimFaults& faults)
    : LoopbackSim(faults), ConsoleOn(timers) {}

bool SimConsole::connectConsole() {
    return inScratchFolder && listening &&
           connectThroughDialog(console.session, kLoopback, QString::number(server.port())) &&
           console.module.Connected && QTest::qWaitFor([this] { return server.hasClient(); }, 5000);
}
