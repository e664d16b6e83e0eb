// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "control/OperatorCommands.h"
#include "control/PanelState.h"
#include "control/PollCycle.h"
#include "control/ScreenChange.h"
#include "core/IntervalTimer.h"
#include "core/Module1.h"
#include "link/CommandChannel.h"
#include "link/CommunicationLog.h"
#include "link/LinkHealth.h"
#include "link/ManualLine.h"
#include "link/ReceiveDisplay.h"
#include "link/ReplyDispatcher.h"
#include "link/Session.h"
#include "link/SessionControls.h"
#include "table/TableScreen.h"

namespace quven {

class LineTransport;
class MessageSeam;

// The console's logic, wired together and free of widgets: the shared state, the control
// screen's poll timer, the link to the controller, the session, the control screen's displays
// and commands, the change to the data-table screen, the communication log and the link's
// health. The program gives it the TCP socket and modal message boxes; a test gives it a
// recorder for the messages and manual timers, and calls the handlers itself.
class Console {
  public:
    Console(LineTransport& transport, MessageSeam& messages, IntervalTimer::Mode timerMode);

    // What a data-table screen is linked to; one is made for each window. Its transfers are
    // recorded in the log once recordTableScreen() was called for it.
    TableScreen::Links tableLinks();
    void recordTableScreen(TableScreen& screen);

    MessageSeam& messages() { return messages_; }
    IntervalTimer::Mode timerMode() const { return timerMode_; }

    Module1 module;
    IntervalTimer Timer2;
    ReceiveDisplay receiveDisplay;
    SessionControls sessionControls;
    ReplyDispatcher dispatcher;
    CommandChannel channel;
    Session session;
    PanelState panel;
    ManualLine manualLine;
    OperatorCommands commands;
    PollCycle poll;
    ScreenChange screenChange;
    LinkHealth linkHealth;  // whether the controller answers
    CommunicationLog log;   // every line sent and received, and the console's own events

  private:
    MessageSeam& messages_;
    IntervalTimer::Mode timerMode_;
};

}  // namespace quven
