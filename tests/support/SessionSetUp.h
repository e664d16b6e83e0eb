// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>

#include "link/Session.h"

namespace quven {
class Console;
class Session;
class TcpTransport;
}  // namespace quven

// The ways the tests, fuzz targets and benchmarks open a session.

// 127.0.0.1, the only address they use.
extern const QString kLoopback;

// The poll period the connect sequence gives Timer2.
constexpr int kPollPeriodAfterConnect = quven::Session::kPollPeriodAfterConnect;

// The state the connect sequence leaves after connecting to 127.0.0.1:port, set directly:
// without the connect dialog (which takes ports up to 32767 only) and the host history it
// writes. The labels name the session, the controls are lit, Connected is set, the poll starts
// from the firmware query with no reply pending and, on the control screen, Timer2 at the poll
// period. The transport is left as it is.
void enterSession(quven::Console& console, int port);

// Starts connecting the socket to 127.0.0.1:port and runs events until it is connected.
bool connectSocket(quven::TcpTransport& transport, int port, int timeoutMs = 5000);

// "Connect..." then "Connect" with host and port typed into the connect dialog's logic. False
// when no dialog was there to type into ("Connect..." closed a session instead).
bool connectThroughDialog(quven::Session& session, const QString& host, const QString& port);
