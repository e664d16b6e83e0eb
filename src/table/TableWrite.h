// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>

#include "core/Module1.h"

namespace quven {

class CommandChannel;
class DataTable;
class IntervalTimer;
class TransferStatus;

// "Data Write": the whole table stored into the controller as 49 set commands, one per
// `tmrWrite` tick, sent blind, in the order the read fetches them. Each command is built from
// the table when it is sent, so an edit reaches the controller if its row has not gone yet.
class TableWrite {
  public:
    static constexpr int kPeriodMs = 30;

    TableWrite(Module1& module, CommandChannel& channel, DataTable& table, IntervalTimer& tmrWrite,
               TransferStatus& status);

    bool running() const;
    // Empty positions, speeds and rates become "0" on the screen first.
    void start();
    void tmrWrite_Timer();

  private:
    QString command(int type, int row) const;

    Module1& module_;
    CommandChannel& channel_;
    DataTable& table_;
    IntervalTimer& tmrWrite_;
    TransferStatus& status_;
};

}  // namespace quven
