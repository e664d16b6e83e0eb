// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QStringList>

#include "RecordedMessages.h"
#include "RecordingTransport.h"
#include "SessionSetUp.h"
#include "app/Console.h"
#include "link/ReplyBranches.h"

// The console's logic on a transport of the caller's choice, with its messages recorded and
// manual timers unless running ones are asked for.
template <typename Transport>
struct ConsoleOn {
    explicit ConsoleOn(quven::IntervalTimer::Mode timers = quven::IntervalTimer::Mode::Manual)
        : console(transport, messages, timers) {}

    Transport transport;
    RecordedMessages messages;
    quven::Console console;
};

// As after a connect, as far as sending goes: lines reach the recording transport and the
// console counts as connected.
inline void markConnected(ConsoleOn<RecordingTransport>& f) {
    f.transport.connected = true;
    f.console.module.Connected = true;
}

// The whole state the connect sequence leaves (enterSession), the recording transport connected.
inline void openSession(ConsoleOn<RecordingTransport>& f, int port = 7777) {
    f.transport.connected = true;
    enterSession(f.console, port);
}

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

// The console's logic on a recording transport. Reply blocks are recorded instead of read,
// unless the console's own readers are wanted.
struct ConsoleFixture : ConsoleOn<RecordingTransport> {
    enum class Readers { Recorded, Console };

    explicit ConsoleFixture(Readers readers = Readers::Recorded) {
        if (readers == Readers::Recorded) {
            console.dispatcher.setControlBranch(&controlReplies);
            console.dispatcher.setTableBranch(&tableReplies);
        }
    }

    quven::Module1& m() { return console.module; }

    RecordedControlReplies controlReplies;
    RecordedTableReplies tableReplies;
};
