#pragma once

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "RecordedMessages.h"
#include "SimOnDialogPort.h"
#include "app/Console.h"
#include "link/TcpTransport.h"
#include "sim/ControllerModel.h"
#include "table/TableScreen.h"

// The real console, its real timers and socket, against the simulator on 127.0.0.1 with a
// fault switched on: what the operator sees and what state remains.
struct FaultBench {
    explicit FaultBench(const quven::sim::SimFaults& faults = {}) : server(model, faults) {
        previousFolder = QDir::currentPath();
        QDir::setCurrent(folder.path());  // the session writes its host history here
        listening = listenOnDialogPort(server);
    }
    ~FaultBench() { QDir::setCurrent(previousFolder); }

    // Connects through the connect dialog's logic; the poll starts at 50 ms.
    bool connectConsole() {
        console.session.Connect_Click();
        console.session.connectDialogModel()->setHostText(QStringLiteral("127.0.0.1"));
        console.session.connectDialogModel()->setPortText(QString::number(server.port()));
        console.session.ConnectButton_Click();
        return listening && console.module.Connected &&
               QTest::qWaitFor([this] { return server.hasClient(); }, 5000);
    }

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

    QTemporaryDir folder;
    QString previousFolder;
    quven::sim::ControllerModel model;
    quven::sim::SimServer server;
    bool listening = false;
    quven::TcpTransport transport;
    RecordedMessages messages;
    quven::Console console{transport, messages, quven::IntervalTimer::Mode::Running};
    std::unique_ptr<quven::TableScreen> screen;
};
