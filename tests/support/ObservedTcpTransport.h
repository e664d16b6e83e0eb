// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QByteArray>
#include <functional>

#include "link/TcpTransport.h"

// The console's real socket, observed: each line handed to send() goes to onSend first, and
// each arrival to onArrival before the console's own handler takes it (the transport connects
// its own observer first, so it runs before any slot connected after it was made).
class ObservedTcpTransport : public quven::TcpTransport {
  public:
    ObservedTcpTransport();

    bool send(const QByteArray& bytes) override;

    std::function<void(const QByteArray&)> onSend;
    std::function<void()> onArrival;
};
