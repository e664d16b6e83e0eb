// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace quven {

// Raises this process's soft limit of open files to `wanted`, or as near as the hard limit
// lets it; never lowers it. A program that serves many sockets at once calls it at its start.
void raiseOpenFileLimit(int wanted);

}  // namespace quven
