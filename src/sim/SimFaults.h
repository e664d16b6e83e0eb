// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace quven::sim {

// Faults the simulator can be told to show, so that the console's handling of a slow, lossy or
// misbehaving controller can be tried and tested. All off by default.
struct SimFaults {
    int latencyMs = 0;        // every line sent leaves this much later
    int dropEvery = 0;        // every Nth answer is not sent (0: none)
    int splitBytes = 0;       // lines are sent in pieces of this many bytes (1: byte by byte)
    int splitGapMs = 2;       // pause between two pieces, so that they arrive apart
    bool mergePairs = false;  // answers go out two at a time, in one send
    int closeAfter = 0;       // the connection is closed once N command lines have been handled
    int garbageEvery = 0;     // every Nth answer is preceded by a line of random bytes
    int noticeEveryMs = 0;    // an unasked "SRQ00" notice this often (0: none)
    int oddByteEvery = 0;     // every Nth answer ends in oddByte, before its line end (0: none)
    int oddByte = 0xB5;       // the byte it ends in (0 to 255)
};

}  // namespace quven::sim
