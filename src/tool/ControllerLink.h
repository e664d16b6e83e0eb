// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "core/MessageSeam.h"
#include "core/Module1.h"
#include "link/CommandChannel.h"
#include "link/ReplyDispatcher.h"
#include "link/TcpTransport.h"
#include "tool/ControllerAddress.h"

namespace quven::tool {

// The link to one controller, wired as the console wires its own: the shared state, the socket,
// the reply dispatcher and the command channel, with the replies given to the table branch as on
// the data-table screen. What the console would tell its operator in a message box (a command
// that found no connection) ends the link here instead: failed() says so once, and nothing is
// asked of anyone.
class ControllerLink : public QObject, private MessageSeam {
    Q_OBJECT
  public:
    // A controller that neither takes nor refuses the connection in this time is not there.
    static constexpr int kConnectTimeoutMs = 5000;

    explicit ControllerLink(const ControllerAddress& address, QObject* parent = nullptr);
    ~ControllerLink() override;

    const ControllerAddress& address() const { return address_; }

    // Starts connecting; opened() or failed() tells how it went.
    void open();
    // Hands what was sent to the system and closes; the controller still gets all of it.
    void close();
    bool hasFailed() const { return !failure_.isEmpty(); }
    QString failure() const { return failure_; }

    Module1 module;
    TcpTransport transport;
    ReplyDispatcher dispatcher{module};
    CommandChannel channel{module, transport, *this, dispatcher};

  Q_SIGNALS:
    void opened();
    // Once: the connection could not be made, or it broke. The link is dead from then on.
    void failed(const QString& reason);

  private:
    void show(const Message& message) override;
    bool ask(const Message& question) override;
    void fail(const QString& reason);

    ControllerAddress address_;
    QTimer connectTimer_;
    bool open_ = false;
    QString failure_;
};

}  // namespace quven::tool
