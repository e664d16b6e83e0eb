// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>

namespace quven {

struct LogEntry;

// One entry of the communication log as its window shows it and a saved log holds it: the
// local time to the millisecond, the direction ("->" sent, "<-" received, "--" the console's
// own event) and the text, a line or block on one line with its line ends and other control
// bytes made visible:
//   12:34:56.789 -> MODE?\r\n
//   12:34:56.790 <- N10000000\r\n
//   12:34:57.002 -- Session opened: host 127.0.0.1, port 7777
QString logLine(const LogEntry& entry);

}  // namespace quven
