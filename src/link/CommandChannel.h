// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <QString>

#include "core/Module1.h"
#include "link/LineOrigin.h"

namespace quven {

class LineTransport;
class MessageSeam;
class ReplyDispatcher;

// Both ends of the one link to the controller. SendCommand is the only writer to the socket;
// the arrival handler gathers received text in ReceiveBuffer until it ends in LF and hands the
// whole gathered block to the dispatcher. Text is single-byte both ways (Latin-1), so every
// byte goes through unchanged.
class CommandChannel : public QObject {
    Q_OBJECT
  public:
    // A controller that never sends LF must not exhaust memory: past this many characters
    // the gathered text is dropped and gathering starts again. Real replies are a few dozen.
    static constexpr int kReceiveLimit = 64 * 1024;

    CommandChannel(Module1& module, LineTransport& transport, MessageSeam& messages,
                   ReplyDispatcher& dispatcher, QObject* parent = nullptr);

    // Sends one complete line (command text and CR LF, built by the caller). When no
    // established connection takes it, the operator is told "Not connected !" and, once the
    // box is closed, sendFailed() lets the session drop itself. The origin names the sender;
    // a block received while its answer is awaited is told with the same origin.
    void SendCommand(const QString& line, LineOrigin origin = LineOrigin::Blind);

    // The socket's data-arrival handler.
    void tcpclient_DataArrival();

    // True while the failure message is open. Timers keep firing inside a modal box; nothing
    // is sent in that time, so one failure gives one message.
    bool failureMessageOpen() const { return failureMessageOpen_; }

    // The last line sent by a sender that waits for an answer.
    QString awaitedLine() const { return awaitedLine_; }

  Q_SIGNALS:
    void sendFailed();
    // The traffic, for whoever keeps a record of it. A line the transport took; a line no
    // connection took (before the operator is told); a whole block before it is handed on,
    // with the origin of the query it answers, or Unasked; text dropped for want of a LF.
    void lineSent(const QString& line, quven::LineOrigin origin);
    void lineRefused(const QString& line, quven::LineOrigin origin);
    void blockReceived(const QString& block, quven::LineOrigin origin);
    void receivedTextDropped(int characters);

  private:
    LineOrigin originOf(const QString& block) const;

    Module1& module_;
    LineTransport& transport_;
    MessageSeam& messages_;
    ReplyDispatcher& dispatcher_;
    bool failureMessageOpen_ = false;
    LineOrigin awaitedOrigin_ = LineOrigin::Unasked;
    QString awaitedLine_;
};

}  // namespace quven
