// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <vector>

#include "sim/ControllerModel.h"
#include "sim/ReplyShaper.h"
#include "sim/SimFaults.h"
#include "sim/SimServer.h"

namespace quven::sim {

// Several independent controllers in one process: each its own model (and so its own table)
// behind its own server, on consecutive ports. One timer drives all their clocks, so that a
// plant of hundreds costs no more wake-ups than one controller.
class SimPlant : public QObject {
    Q_OBJECT
  public:
    static constexpr int kMaxCount = 1000;

    // count: 1 to kMaxCount controllers, each with the same faults to begin with.
    SimPlant(int count, const SimFaults& faults, QObject* parent = nullptr);
    ~SimPlant() override;

    // Listens on firstPort, firstPort + 1, ... all or none. With firstPort 0 the controllers
    // take a free run of ports between 20000 and 32767, which the console's connect dialog
    // takes. On failure nothing listens and error says why.
    bool listen(const QHostAddress& address, quint16 firstPort, QString* error);

    int count() const { return static_cast<int>(servers_.size()); }
    quint16 firstPort() const { return servers_.front()->port(); }
    ControllerModel& model(int index) { return *models_.at(index); }
    SimServer& server(int index) { return *servers_.at(index); }

    void setServiceRequests(bool on);
    // Each controller's log lines; with several, each line starts with its port.
    void setLog(const ReplyShaper::Log& log);

  private:
    bool listenFrom(const QHostAddress& address, quint16 firstPort, QString* error);
    void closeAll();

    std::vector<std::unique_ptr<ControllerModel>> models_;
    std::vector<std::unique_ptr<SimServer>> servers_;
    QTimer clock_;
};

}  // namespace quven::sim
