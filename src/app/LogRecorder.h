// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace quven {

class CommunicationLog;
class Console;
class TableScreen;

// What goes into the communication log, and what tells the link lamp whether the controller
// answers: every line sent and block received, with its origin, and the console's own events
// in words.
namespace logrecorder {

// The link, the session and the control screen's poll.
void recordConsole(Console& console);
// A data-table screen's transfers, for as long as the screen lives.
void recordTableScreen(TableScreen& screen, CommunicationLog& log);

}  // namespace logrecorder

}  // namespace quven
