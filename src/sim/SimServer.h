// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTimer>

#include "core/ControllerPort.h"
#include "sim/ReplyShaper.h"
#include "sim/SimFaults.h"

class QTcpSocket;

namespace quven::sim {

class ControllerModel;

// The simulated controller on the network: a TCP server around the model, one client at a
// time. A second client is refused: its connection is accepted and closed without a byte,
// unless the first one goes within kReconnectGraceMs (a client that reconnects at once often
// arrives before the server has seen the previous connection close); then it is served. Command
// lines end in CR LF or LF; a line longer than kMaxLine is discarded whole, unanswered. The model's
// clock runs with the wall clock while the server is up.
class SimServer : public QObject {
    Q_OBJECT
  public:
    static constexpr int kMaxLine = 1024;
    static constexpr int kDefaultPort = kControllerPort;
    static constexpr int kClockPeriodMs = 10;
    static constexpr int kReconnectGraceMs = 250;

    SimServer(ControllerModel& model, const SimFaults& faults, QObject* parent = nullptr);
    ~SimServer() override;

    bool listen(const QHostAddress& address, quint16 port);
    // Stops listening; a client being served stays.
    void close();
    quint16 port() const { return server_.serverPort(); }
    QString errorString() const { return server_.errorString(); }
    bool hasClient() const { return !client_.isNull(); }

    // Switches faults on or off while the server runs (a controller that slows down, say).
    void setFaults(const SimFaults& faults);

    // A line for the log of what comes and goes; none by default.
    void setLog(ReplyShaper::Log log);

    // The model's clock. By default the server's own timer advances it every kClockPeriodMs
    // while it listens. A plant of many servers in one process drives them all from one timer
    // instead: it switches their own off before listen() and calls advanceClock() each tick.
    void setOwnClock(bool own) { ownClock_ = own; }
    void advanceClock() { tick(); }

  Q_SIGNALS:
    void clientConnected();
    void clientDisconnected();
    void lineHandled(const QByteArray& line);

  private:
    void acceptClients();
    void serve(QTcpSocket* socket);
    void refuseWaiting();
    void readClient();
    void handleLine(QByteArray line);
    void dropClient();
    void tick();
    void sendNotices();
    void log(const QString& text) const;

    ControllerModel& model_;
    SimFaults faults_;
    ReplyShaper shaper_;
    ReplyShaper::Log log_;
    QTcpServer server_;
    QPointer<QTcpSocket> client_;
    QPointer<QTcpSocket> waiting_;  // a client that came while client_ was still there
    QTimer waitTimer_;
    QByteArray input_;
    bool discardingLongLine_ = false;
    int commandsHandled_ = 0;
    bool closing_ = false;
    bool ownClock_ = true;
    QTimer clockTimer_;
    QElapsedTimer clock_;
    QTimer noticeTimer_;
};

// A line as it shows in the log: printable ASCII as it is, every other byte as \xNN.
QString printable(const QByteArray& bytes);

}  // namespace quven::sim
