// SPDX-License-Identifier: Apache-2.0
#include "link/CommandChannel.h"

#include <utility>

#include "core/CommandSet.h"
#include "core/MessageSeam.h"
#include "link/LineTransport.h"
#include "link/ReplyDispatcher.h"

namespace quven {

CommandChannel::CommandChannel(Module1& module, LineTransport& transport, MessageSeam& messages,
                               ReplyDispatcher& dispatcher, QObject* parent)
    : QObject(parent),
      module_(module),
      transport_(transport),
      messages_(messages),
      dispatcher_(dispatcher) {
    connect(&transport_, &LineTransport::received, this, &CommandChannel::tcpclient_DataArrival);
}

void CommandChannel::SendCommand(const QString& line, LineOrigin origin) {
    if (failureMessageOpen_) {
        return;
    }
    if (awaitsAnswer(origin)) {
        awaitedOrigin_ = origin;
        awaitedLine_ = line;
    }
    if (transport_.send(line.toLatin1())) {
        Q_EMIT lineSent(line, origin);
        return;
    }
    Q_EMIT lineRefused(line, origin);
    failureMessageOpen_ = true;
    messages_.show({QStringLiteral("Not connected !"), QStringLiteral("QUVEN"), MessageIcon::None});
    failureMessageOpen_ = false;
    Q_EMIT sendFailed();
}

void CommandChannel::tcpclient_DataArrival() {
    QString& buffer = module_.ReceiveBuffer;
    buffer += QString::fromLatin1(transport_.takeReceived());
    if (buffer.endsWith(QLatin1Char('\n'))) {
        // Taken out before it is handed on, so text that arrives while the block is being
        // handled starts a block of its own.
        const QString block = std::exchange(buffer, QString());
        Q_EMIT blockReceived(block, originOf(block));
        dispatcher_.DispatchReply(block);
    } else if (buffer.size() > kReceiveLimit) {
        Q_EMIT receivedTextDropped(int(buffer.size()));
        buffer.clear();
    }
}

// A block is the answer to the waiting query unless it is the controller's notice, which no
// reader takes as an answer; with nothing waiting it answers nothing.
LineOrigin CommandChannel::originOf(const QString& block) const {
    if (!module_.ReplyPending || commands::isServiceRequest(block)) {
        return LineOrigin::Unasked;
    }
    return awaitedOrigin_;
}

}  // namespace quven
