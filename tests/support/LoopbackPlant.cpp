// SPDX-License-Identifier: Apache-2.0
#include "LoopbackPlant.h"

#include <QTcpServer>
#include <QTest>

LoopbackPlant::LoopbackPlant(int count, const quven::sim::SimFaults& faults)
    : plant(count, faults) {
    QString error;
    listening = plant.listen(QHostAddress::LocalHost, 0, &error);
    for (int i = 0; i < plant.count(); ++i) {
        QObject::connect(&plant.server(i), &quven::sim::SimServer::lineHandled, &plant,
                         [this, i](const QByteArray& line) { handled[i].append(line); });
        QObject::connect(&plant.server(i), &quven::sim::SimServer::clientConnected, &plant,
                         [this, i] { ++clients[i]; });
    }
}

QString LoopbackPlant::address(int index) const {
    return QStringLiteral("127.0.0.1:%1").arg(plant.firstPort() + index);
}

QStringList LoopbackPlant::addresses() const {
    QStringList list;
    for (int i = 0; i < plant.count(); ++i) {
        list.append(address(i));
    }
    return list;
}

bool LoopbackPlant::waitUntilIdle() {
    return QTest::qWaitFor(
        [this] {
            for (int i = 0; i < plant.count(); ++i) {
                if (plant.server(i).hasClient()) {
                    return false;
                }
            }
            return true;
        },
        5000);
}

quint16 closedLoopbackPort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    const quint16 port = server.serverPort();
    server.close();
    return port;
}
