// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QByteArrayList>
#include <QList>
#include <QString>

#include "link/LineTransport.h"

// A transport without a socket, for the logic's tests, the fuzz targets and the reply-path
// benchmark: it notes what is sent and delivers arrivals when the caller says so. End-to-end
// tests use the real TCP socket instead.
class RecordingTransport : public quven::LineTransport {
  public:
    // What send() keeps of a line: the line itself, or only the count (no copy, for a
    // benchmark that must not pay for the record).
    enum class Keep { Lines, Count };

    // Recorded; refused while acceptConnect is false.
    bool connectToController(const QString& host, int port) override;
    void close() override;
    // Taken only while connected.
    bool send(const QByteArray& bytes) override;
    QByteArray takeReceived() override;

    // One arrival, as the socket's data-arrival event would bring it.
    void arrive(const QByteArray& bytes);

    // The lines the action sent (Keep::Lines).
    template <typename Action>
    QByteArrayList sentDuring(Action action) {
        const qsizetype before = sent.size();
        action();
        return sent.mid(before);
    }

    struct ConnectCall {
        QString host;
        int port;
    };
    QList<ConnectCall> connectCalls;
    QByteArrayList sent;      // every line taken, unless keep is Keep::Count
    qsizetype sentCount = 0;  // every line taken
    QByteArray pending;
    bool connected = false;
    bool acceptConnect = true;
    int closeCount = 0;
    Keep keep = Keep::Lines;
};
