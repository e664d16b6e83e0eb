// SPDX-License-Identifier: Apache-2.0
#include "link/SessionControls.h"

namespace quven {

void SessionControls::setConnectCaption(const QString& caption) {
    if (caption == connectCaption_) {
        return;
    }
    connectCaption_ = caption;
    Q_EMIT changed();
}

void SessionControls::setSessionLit(bool lit) {
    if (lit == sessionLit_) {
        return;
    }
    sessionLit_ = lit;
    Q_EMIT changed();
}

void SessionControls::setLabels(const QString& host, const QString& port) {
    if (host == hostLabel_ && port == portLabel_) {
        return;
    }
    hostLabel_ = host;
    portLabel_ = port;
    Q_EMIT changed();
}

}  // namespace quven
