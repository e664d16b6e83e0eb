// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QStringList>

#include "tool/Reporter.h"

namespace quven::tool {

// The whole of quven-table: the arguments after the program's name, the streams it writes to;
// returns the exit status. Runs on this thread's event loop (a QCoreApplication must exist)
// and returns when everything it started is over.
int runTool(const QStringList& arguments, const ToolStreams& streams);

}  // namespace quven::tool
