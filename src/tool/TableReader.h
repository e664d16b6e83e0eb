// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QList>
#include <QObject>

#include "core/IntervalTimer.h"
#include "link/ReplyBranches.h"
#include "table/TableRead.h"
#include "table/TransferStatus.h"

namespace quven {
class DataTable;
}

namespace quven::tool {

class ControllerLink;

// One Data Read of a controller's table over its link, run as the data-table screen runs it:
// the console's read with its own tmrTokei, its time-outs and re-asks, the link's replies given
// to it. The pace is tmrTokei's period, the console's 20 ms unless told otherwise; with a pace
// of 0 each next query goes out as soon as the reply before it has been handled, and the
// console's tick is kept for the time-outs.
class TableReader : public QObject, public TableReplyBranch {
    Q_OBJECT
  public:
    TableReader(ControllerLink& link, DataTable& table, int paceMs, QObject* parent = nullptr);
    ~TableReader() override;

    // The table is expected cleared.
    void start();
    void stop();
    bool running() const { return read_.running(); }
    // The items (tableitems) not read, once it has finished.
    QList<int> unreadItems() const { return read_.unreadItems(); }

    bool ApplyTableReply(const QString& block) override;

  Q_SIGNALS:
    // Every group has been asked; unreadItems() says what is missing.
    void finished();

  private:
    void tick();
    void advance();

    ControllerLink& link_;
    int paceMs_;
    IntervalTimer tmrTokei_{IntervalTimer::Mode::Running};
    TransferStatus status_;
    TableRead read_;
};

}  // namespace quven::tool
