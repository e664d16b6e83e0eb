#include "link/CommandChannel.h"

#include <utility>

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

void CommandChannel::SendCommand(const QString& line) {
    if (failureMessageOpen_) {
        return;
    }
    if (transport_.send(line.toLatin1())) {
        return;
    }
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
        dispatcher_.DispatchReply(std::exchange(buffer, QString()));
    } else if (buffer.size() > kReceiveLimit) {
        buffer.clear();
    }
}

}  // namespace quven
