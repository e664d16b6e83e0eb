#pragma once

#include <QByteArrayList>

#include "link/LineTransport.h"

// A transport without a socket, for unit tests of the logic: it records what is sent and
// delivers arrivals when the test says so. End-to-end tests use the real TCP socket instead.
class RecordingTransport : public quven::LineTransport {
  public:
    bool connectToController(const QString& host, int port) override {
        connectCalls.append({host, port});
        if (!acceptConnect) {
            return false;
        }
        connected = true;
        return true;
    }
    void close() override {
        ++closeCount;
        connected = false;
    }
    bool send(const QByteArray& bytes) override {
        if (!connected) {
            return false;
        }
        sent.append(bytes);
        return true;
    }
    QByteArray takeReceived() override {
        QByteArray bytes = pending;
        pending.clear();
        return bytes;
    }

    // One arrival, as the socket's data-arrival event would bring it.
    void arrive(const QByteArray& bytes) {
        pending += bytes;
        Q_EMIT received();
    }

    struct ConnectCall {
        QString host;
        int port;
    };
    QList<ConnectCall> connectCalls;
    QByteArrayList sent;
    QByteArray pending;
    bool connected = false;
    bool acceptConnect = true;
    int closeCount = 0;
};
