#pragma once

#include <QStringList>

#include "RecordedMessages.h"
#include "RecordingTransport.h"
#include "app/Console.h"
#include "link/ReplyBranches.h"

// Records every block the control screen's reader would get.
class RecordedControlReplies : public quven::ControlReplyBranch {
  public:
    void handleControlReply(const QString& block) override { blocks.append(block); }
    QStringList blocks;
};

// Records every block the table reader would get.
class RecordedTableReplies : public quven::TableReplyBranch {
  public:
    bool ApplyTableReply(const QString& block) override {
        blocks.append(block);
        return true;
    }
    QStringList blocks;
};

// The console's logic on a recording transport, with recorded messages and manual timers.
// Reply blocks are recorded instead of read, unless the console's own readers are wanted.
struct ConsoleFixture {
    enum class Readers { Recorded, Console };

    explicit ConsoleFixture(Readers readers = Readers::Recorded) {
        if (readers == Readers::Recorded) {
            console.dispatcher.setControlBranch(&controlReplies);
            console.dispatcher.setTableBranch(&tableReplies);
        }
    }

    RecordingTransport transport;
    RecordedMessages messages;
    quven::Console console{transport, messages, quven::IntervalTimer::Mode::Manual};
    RecordedControlReplies controlReplies;
    RecordedTableReplies tableReplies;
};
