// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "sim/SimFaults.h"

class QTcpSocket;

namespace quven::sim {

// Everything the simulator sends to its client passes here, where the faults that touch the
// way bytes leave are applied: answers dropped, preceded by garbage or merged in pairs, and
// every line delayed and cut into pieces. Order is always kept.
class ReplyShaper : public QObject {
    Q_OBJECT
  public:
    using Log = std::function<void(const QString&)>;

    explicit ReplyShaper(const SimFaults& faults, QObject* parent = nullptr);

    void setLog(Log log) { log_ = std::move(log); }
    // A new client: what was pending for the previous one is dropped.
    void attach(QTcpSocket* socket);

    // One answer to a query, without its line end.
    void sendAnswer(const QByteArray& line);
    // A notice, without its line end; never dropped, merged or preceded by garbage.
    void sendNotice(const QByteArray& line);
    // Sends a held answer, if any, at once (the connection is about to close).
    void flushHeld();
    bool idle() const { return pending_.isEmpty() && held_.isEmpty(); }

  Q_SIGNALS:
    void drained();

  private:
    struct Piece {
        qint64 due;  // ms on clock_
        QByteArray bytes;
    };
    void schedule(const QByteArray& bytes);
    void writeDue();

    const SimFaults& faults_;
    Log log_;
    QPointer<QTcpSocket> socket_;
    QElapsedTimer clock_;
    QTimer timer_;
    QList<Piece> pending_;
    QByteArray held_;
    qint64 answers_ = 0;
};

}  // namespace quven::sim
