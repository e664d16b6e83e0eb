// SPDX-License-Identifier: Apache-2.0
#include "SessionSetUp.h"

#include <QtCore/qtestsupport_core.h>

#include "app/Console.h"
#include "link/ConnectDialogModel.h"
#include "link/TcpTransport.h"

const QString kLoopback = QStringLiteral("127.0.0.1");

void enterSession(quven::Console& console, int port) {
    quven::Module1& m = console.module;
    m.HostName = kLoopback;
    m.PortNo = port;
    console.sessionControls.setLabels(QStringLiteral("Host Name ") + kLoopback,
                                      QStringLiteral("Port No. ") + QString::number(port));
    m.Connected = true;
    if (m.ScreenMode == quven::screenmode::Control) {
        console.Timer2.setInterval(kPollPeriodAfterConnect);
    }
    m.PollState = quven::pollstate::Firmware;
    m.ReplyWaitTicks = 0;
    m.ReplyPending = false;
    console.sessionControls.setSessionLit(true);
    console.sessionControls.setConnectCaption(QStringLiteral("Disconnect"));
}

bool connectSocket(quven::TcpTransport& transport, int port, int timeoutMs) {
    return transport.connectToController(kLoopback, port) &&
           QTest::qWaitFor(
               [&transport] { return transport.state() == QAbstractSocket::ConnectedState; },
               timeoutMs);
}

bool connectThroughDialog(quven::Session& session, const QString& host, const QString& port) {
    session.Connect_Click();
    quven::ConnectDialogModel* form = session.connectDialogModel();
    if (form == nullptr || !form->isShown()) {
        return false;
    }
    form->setHostText(host);
    form->setPortText(port);
    session.ConnectButton_Click();
    return true;
}
