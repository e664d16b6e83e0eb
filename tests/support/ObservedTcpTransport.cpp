// SPDX-License-Identifier: Apache-2.0
#include "ObservedTcpTransport.h"

ObservedTcpTransport::ObservedTcpTransport() {
    connect(this, &LineTransport::received, this, [this] {
        if (onArrival) {
            onArrival();
        }
    });
}

bool ObservedTcpTransport::send(const QByteArray& bytes) {
    if (onSend) {
        onSend(bytes);
    }
    return TcpTransport::send(bytes);
}
