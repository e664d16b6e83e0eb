// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "ConsoleFixture.h"
#include "Loopback.h"
#include "ScratchFolder.h"
#include "link/TcpTransport.h"

// The console's real logic and socket against the simulator on 127.0.0.1, in a working folder
// of its own, connected through the connect dialog's logic.
struct SimConsole : ScratchFolder, LoopbackSim, ConsoleOn<quven::TcpTransport> {
    explicit SimConsole(quven::IntervalTimer::Mode timers,
                        const quven::sim::SimFaults& faults = {});

    // Connects through the connect dialog (the poll starts at 50 ms); true once the session is
    // open and the simulator has the console as its client.
    bool connectConsole();
};
