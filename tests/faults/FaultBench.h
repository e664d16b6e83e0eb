// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QtTest>
#include <functional>
#include <memory>

#include "SimConsole.h"
#include "table/TableScreen.h"

// The real console, its real timers and socket, against the simulator on 127.0.0.1 with a
// fault switched on: what the operator sees and what state remains.
struct FaultBench : SimConsole {
    explicit FaultBench(const quven::sim::SimFaults& faults = {})
        : SimConsole(quven::IntervalTimer::Mode::Running, faults) {}

    // "To Setup Screen": the replies go to a data-table screen of its own.
    quven::TableScreen& openTableScreen() {
        console.screenChange.SetupPb_Click();
        screen = std::make_unique<quven::TableScreen>(console.tableLinks());
        return *screen;
    }

    bool waitFor(const std::function<bool()>& condition, int ms = 15000) {
        return QTest::qWaitFor(condition, ms);
    }

    // The poll has shown the controller as it stands: counter, mode and lamps.
    bool panelShowsController() {
        return waitFor([this] {
            return console.panel.counterText() ==
                       QString::fromLatin1(quven::sim::formatValue(model.counter(0))) &&
                   console.panel.modeText() == QLatin1String("NORMAL  Axis 0") &&
                   console.panel.keyLit(0) && !console.panel.keyLit(1);
        });
    }

    std::unique_ptr<quven::TableScreen> screen;
};
