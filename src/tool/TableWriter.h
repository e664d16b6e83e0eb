// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>

#include "core/IntervalTimer.h"
#include "table/TableWrite.h"
#include "table/TransferStatus.h"

namespace quven {
class DataTable;
}

namespace quven::tool {

class ControllerLink;

// One Data Write of a table into a controller over its link, run as the data-table screen runs
// it: the console's write, one set command a tmrWrite tick (the console's 30 ms unless told
// otherwise), in its order and format. Empty positions, speeds and rates become "0" in the
// table first, as on the screen.
class TableWriter : public QObject {
    Q_OBJECT
  public:
    TableWriter(ControllerLink& link, DataTable& table, int paceMs, QObject* parent = nullptr);

    void start();
    void stop();
    // Set commands handed to the connection so far.
    int written() const { return written_; }

  Q_SIGNALS:
    // The last set command has gone out.
    void finished();

  private:
    void tick();

    ControllerLink& link_;
    int paceMs_;
    IntervalTimer tmrWrite_{IntervalTimer::Mode::Running};
    TransferStatus status_;
    TableWrite write_;
    int written_ = 0;
};

}  // namespace quven::tool
