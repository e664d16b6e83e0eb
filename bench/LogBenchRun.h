// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>

namespace bench {

// One run of log_bench's console, in a process of its own (so that its memory is its own): the
// console program's logic and windows on the offscreen platform, running timers and the real
// socket, connected to the flood peer on 127.0.0.1:port, the axis scanning, the communication
// log window open or never opened. After the warm-up it measures for the window:
//  - the poll period, between successive poll queries sent;
//  - reply to display, from the socket's data arrival to the first display change it causes;
//  - the GUI's response, from an event posted to the GUI thread by another thread (every 5 to
//    10 ms) to its delivery;
//  - CPU time over wall time, and the resident memory at the end (and its peak).
// Prints one line "result key=value ..." on stdout; 0 when the run went through.
struct LogRunOptions {
    int port = 0;
    bool logOpen = false;
    int warmupMs = 1000;
    int durationMs = 10000;
};
int runLogConsole(int argc, char** argv, const LogRunOptions& options);

}  // namespace bench
