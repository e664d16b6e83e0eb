// SPDX-License-Identifier: Apache-2.0
#include "RecordingTransport.h"

#include <utility>

bool RecordingTransport::connectToController(const QString& host, int port) {
    connectCalls.append({host, port});
    if (!acceptConnect) {
        return false;
    }
    connected = true;
    return true;
}

void RecordingTransport::close() {
    ++closeCount;
    connected = false;
}

bool RecordingTransport::send(const QByteArray& bytes) {
    if (!connected) {
        return false;
    }
    ++sentCount;
    if (keep == Keep::Lines) {
        sent.append(bytes);
    }
    return true;
}

QByteArray RecordingTransport::takeReceived() {
    return std::exchange(pending, QByteArray());
}

void RecordingTransport::arrive(const QByteArray& bytes) {
    if (pending.isEmpty()) {
        pending = bytes;  // shared, not copied: a benchmark's arrivals cost no copy
    } else {
        pending += bytes;
    }
    Q_EMIT received();
}
