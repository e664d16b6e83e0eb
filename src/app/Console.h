#pragma once

#include "app/Module1.h"
#include "link/CommandChannel.h"
#include "link/ReceiveDisplay.h"
#include "link/ReplyDispatcher.h"
#include "link/Session.h"
#include "link/SessionControls.h"
#include "ui/IntervalTimer.h"

namespace quven {

class LineTransport;
class MessageSeam;

// The console's logic, wired together and free of widgets: the shared state, the control
// screen's poll timer, the link to the controller and the session. The program gives it the
// TCP socket and modal message boxes; a test gives it a recorder for the messages and manual
// timers, and calls the handlers itself.
class Console {
  public:
    Console(LineTransport& transport, MessageSeam& messages, IntervalTimer::Mode timerMode);

    Module1 module;
    IntervalTimer Timer2;
    ReceiveDisplay receiveDisplay;
    SessionControls sessionControls;
    ReplyDispatcher dispatcher;
    CommandChannel channel;
    Session session;
};

}  // namespace quven
