// SPDX-License-Identifier: Apache-2.0
#include "app/Console.h"

#include "app/LogRecorder.h"

namespace quven {

Console::Console(LineTransport& transport, MessageSeam& messages, IntervalTimer::Mode timerMode)
    : Timer2(timerMode),
      dispatcher(module),
      channel(module, transport, messages, dispatcher),
      session(module, transport, Timer2, sessionControls, messages),
      manualLine(module, messages),
      commands(module, channel, panel, receiveDisplay),
      poll(module, channel, panel, receiveDisplay, manualLine, commands),
      screenChange(module, Timer2, messages),
      linkHealth(module, timerMode),
      messages_(messages),
      timerMode_(timerMode) {
    QObject::connect(&channel, &CommandChannel::sendFailed, &session,
                     &Session::dropAfterFailedSend);
    QObject::connect(&Timer2, &IntervalTimer::timeout, &Timer2, [this] { poll.Timer2_Timer(); });
    dispatcher.setControlBranch(&poll);
    QObject::connect(&dispatcher, &ReplyDispatcher::serviceRequestNoticed, &receiveDisplay,
                     &ReceiveDisplay::setText);
    logrecorder::recordConsole(*this);
}

TableScreen::Links Console::tableLinks() {
    return {module, Timer2, channel, dispatcher, messages_, timerMode_};
}

void Console::recordTableScreen(TableScreen& screen) {
    logrecorder::recordTableScreen(screen, log);
}

}  // namespace quven
