// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <QString>

#include "core/Module1.h"
#include "link/ReplyBranches.h"

namespace quven {

class CommandChannel;
class ManualLine;
class OperatorCommands;
class PanelState;
class ReceiveDisplay;

// The control screen's status poll. Each tick of `Timer2` serves the operator's pending
// preset, "REL", "ABS" and scan requests, counts the reply time-out, and, when no reply is
// awaited, sends the manual command, a keypad command or the next poll query. Replies come back
// through the dispatcher and are read according to PollState, the state that chose the query;
// their content is never matched against the query.
class PollCycle : public QObject, public ControlReplyBranch {
    Q_OBJECT
  public:
    // Ticks without a reply after which the wait is dropped and the query asked again.
    static constexpr int kReplyTimeoutTicks = 3;

    PollCycle(Module1& module, CommandChannel& channel, PanelState& panel,
              ReceiveDisplay& receiveDisplay, ManualLine& manualLine,
              const OperatorCommands& commands, QObject* parent = nullptr);

    void Timer2_Timer();
    void handleControlReply(const QString& block) override;

  Q_SIGNALS:
    // The awaited reply did not come within kReplyTimeoutTicks: the wait is dropped.
    void replyTimedOut();

  private:
    bool serveBypassRequest();
    void serveScanRequest();
    void sendNext();
    void sendKey(int key);
    void sendPollQuery();

    void showModeReply(const QString& block);
    void showLimitSwitchReply(const QString& block);
    void selectSpeed(QChar letter);
    static int nextPollState(int state);

    Module1& module_;
    CommandChannel& channel_;
    PanelState& panel_;
    ReceiveDisplay& receiveDisplay_;
    ManualLine& manualLine_;
    const OperatorCommands& commands_;
};

}  // namespace quven
