#include "app/Console.h"

namespace quven {

Console::Console(LineTransport& transport, MessageSeam& messages, IntervalTimer::Mode timerMode)
    : Timer2(timerMode),
      dispatcher(module, receiveDisplay),
      channel(module, transport, messages, dispatcher),
      session(module, transport, Timer2, sessionControls, messages) {
    QObject::connect(&channel, &CommandChannel::sendFailed, &session,
                     &Session::dropAfterFailedSend);
}

}  // namespace quven
