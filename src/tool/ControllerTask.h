// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <memory>

#include "table/DataTable.h"
#include "tool/ControllerAddress.h"
#include "tool/ControllerLink.h"

namespace quven::tool {

class TableReader;
class TableWriter;

// What a command does with one controller: connects, writes a table into it, reads its table,
// or both (the write, then a read of what it holds), and closes. It tells once, with done(),
// when it is over, never from inside a call of its own.
class ControllerTask : public QObject {
    Q_OBJECT
  public:
    struct Plan {
        const DataTable* tableToWrite = nullptr;  // none: nothing is written
        bool read = false;
        int readPaceMs = 0;
        int writePaceMs = 0;
    };

    ControllerTask(const ControllerAddress& address, const Plan& plan, QObject* parent = nullptr);
    ~ControllerTask() override;

    void start();

    const ControllerAddress& address() const { return address_; }
    bool failed() const { return link_.hasFailed(); }
    QString failure() const { return link_.failure(); }
    // Set commands sent, and items read: of tableitems::kCount each.
    int itemsWritten() const;
    int itemsRead() const;
    // The items (tableitems) the read did not read: all of them when it never ran.
    QList<int> unreadItems() const { return unread_; }
    // What the read read; unread items are left empty.
    const DataTable& tableRead() const { return tableRead_; }
    double seconds() const { return seconds_; }

  Q_SIGNALS:
    void done();

  private:
    void connected();
    void written();
    void startRead();
    void readFinished();
    void stop(const QString& reason);
    void finish();

    ControllerAddress address_;
    Plan plan_;
    ControllerLink link_;
    DataTable tableToWrite_;
    DataTable tableRead_;
    std::unique_ptr<TableWriter> writer_;
    std::unique_ptr<TableReader> reader_;
    QList<int> unread_;
    QElapsedTimer clock_;
    double seconds_ = 0;
    bool finished_ = false;
};

}  // namespace quven::tool
