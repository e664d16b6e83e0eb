// SPDX-License-Identifier: Apache-2.0
#include "app/Console.h"

#include "app/LogRecorder.h"

namespace quven {

namespace {
// The link lamp follows the traffic: a query sent (or one that found no connection, whose
// answer cannot come) waits for an answer; an answer to a query is one; a session's start and
// end begin it anew.
void watchTheLink(CommandChannel& channel, Session& session, LinkHealth& health) {
    const auto querySent = [&health](const QString&, LineOrigin origin) {
        if (awaitsAnswer(origin)) {
            health.querySent();
        }
    };
    QObject::connect(&channel, &CommandChannel::lineSent, &health, querySent);
    QObject::connect(&channel, &CommandChannel::lineRefused, &health, querySent);
    QObject::connect(&channel, &CommandChannel::blockReceived, &health,
                     [&health](const QString&, LineOrigin origin) {
                         if (origin != LineOrigin::Unasked) {
                             health.answerReceived();
                         }
                     });
    QObject::connect(&session, &Session::sessionOpened, &health, &LinkHealth::sessionChanged);
    QObject::connect(&session, &Session::sessionClosed, &health, &LinkHealth::sessionChanged);
    QObject::connect(&session, &Session::sessionDropped, &health, &LinkHealth::sessionChanged);
}
}  // namespace

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
    watchTheLink(channel, session, linkHealth);
    logrecorder::recordConsole(*this);
}

TableScreen::Links Console::tableLinks() {
    return {module, Timer2, channel, dispatcher, messages_, timerMode_};
}

void Console::recordTableScreen(TableScreen& screen) {
    logrecorder::recordTableScreen(screen, log);
}

}  // namespace quven
