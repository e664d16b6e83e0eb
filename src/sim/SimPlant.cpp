// SPDX-License-Identifier: Apache-2.0
#include "sim/SimPlant.h"

#include <QRandomGenerator>

namespace quven::sim {

namespace {
// Where a run of free ports is looked for when none is given; the system hands out single
// free ports above 32768, so a run below that is less likely to be taken midway.
constexpr int kRunFirst = 20000;
constexpr int kRunLast = 32767;
constexpr int kRunTries = 64;
}  // namespace

SimPlant::SimPlant(int count, const SimFaults& faults, QObject* parent) : QObject(parent) {
    for (int i = 0; i < count; ++i) {
        models_.push_back(std::make_unique<ControllerModel>());
        servers_.push_back(std::make_unique<SimServer>(*models_.back(), faults));
        servers_.back()->setOwnClock(false);
    }
    clock_.setTimerType(Qt::PreciseTimer);
    connect(&clock_, &QTimer::timeout, this, [this] {
        for (const auto& server : servers_) {
            server->advanceClock();
        }
    });
}

// The servers go before their models.
SimPlant::~SimPlant() {
    servers_.clear();
}

bool SimPlant::listen(const QHostAddress& address, quint16 firstPort, QString* error) {
    bool listening = false;
    // Port 0 is any free run of ports the console takes too (1 to 32767), not whatever port
    // the system hands out (usually above 32767).
    if (firstPort != 0) {
        listening = listenFrom(address, firstPort, error);
    } else {
        for (int attempt = 0; attempt < kRunTries && !listening; ++attempt) {
            const int first =
                QRandomGenerator::global()->bounded(kRunFirst, kRunLast - count() + 2);
            listening = listenFrom(address, static_cast<quint16>(first), error);
        }
    }
    if (listening) {
        clock_.start(SimServer::kClockPeriodMs);
    }
    return listening;
}

bool SimPlant::listenFrom(const QHostAddress& address, quint16 firstPort, QString* error) {
    if (firstPort + count() - 1 > 65535) {
        *error = QStringLiteral("%1 controllers from port %2 would need ports above 65535")
                     .arg(count())
                     .arg(firstPort);
        return false;
    }
    for (int i = 0; i < count(); ++i) {
        const quint16 port = firstPort == 0 ? 0 : static_cast<quint16>(firstPort + i);
        if (!servers_[i]->listen(address, port)) {
            *error = QStringLiteral("cannot listen on %1:%2: %3")
                         .arg(address.toString())
                         .arg(port)
                         .arg(servers_[i]->errorString());
            closeAll();
            return false;
        }
    }
    return true;
}

void SimPlant::closeAll() {
    for (const auto& server : servers_) {
        server->close();
    }
}

void SimPlant::setServiceRequests(bool on) {
    for (const auto& model : models_) {
        model->setServiceRequests(on);
    }
}

void SimPlant::setLog(const ReplyShaper::Log& log) {
    for (const auto& server : servers_) {
        if (count() == 1) {
            server->setLog(log);
            continue;
        }
        SimServer* named = server.get();
        server->setLog([log, named](const QString& line) {
            log(QString::number(named->port()) + QStringLiteral(": ") + line);
        });
    }
}

}  // namespace quven::sim
