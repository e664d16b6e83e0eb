// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace bench {

// The controller log_bench floods the console from, run as a process of its own so that its
// work is not the console's: it listens on 127.0.0.1 at a port the system chooses (printed as
// "flood peer listening on 127.0.0.1:<port>"), serves one console at a time, answers each query
// as quven-sim does (the simulator's own ControllerModel, its clock running with the wall
// clock), and, while a console is connected, writes linesPerSecond unasked "SRQ00" notices,
// each line written on its own and evenly spaced. Runs until it is killed.
int runFloodPeer(int linesPerSecond);

}  // namespace bench
