// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "ConsoleFixture.h"
#include "app/ConsoleWindows.h"
#include "ui/control/MainFrm.h"

// The console's logic with its windows (the control screen, and the connect dialog and the
// data-table window once asked for), on a transport of the caller's choice, with its messages
// recorded and manual timers unless running ones are asked for. Nothing is shown yet.
template <typename Transport = RecordingTransport>
struct WindowedConsole : ConsoleOn<Transport> {
    explicit WindowedConsole(quven::IntervalTimer::Mode timers = quven::IntervalTimer::Mode::Manual)
        : ConsoleOn<Transport>(timers) {}

    quven::ConsoleWindows windows{this->console};
    quven::MainFrm& main = windows.mainFrm();
};
