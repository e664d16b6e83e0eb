// SPDX-License-Identifier: Apache-2.0
// quven-table: backs up, restores, verifies and compares the setting tables of QUVEN-01
// controllers from the command line, for one controller or a whole plant.

#include <unistd.h>
#include <QCoreApplication>
#include <QFile>

#include "core/OpenFiles.h"
#include "core/Version.h"
#include "tool/Tool.h"

int main(int argc, char* argv[]) {
    if (quven::answeredVersion("quven-table", argc, argv)) {
        return 0;
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quven-table"));
    // Each controller served at once takes a socket: a large --jobs needs more files open
    // than a login's default soft limit.
    quven::raiseOpenFileLimit(65536);
    QFile out;
    QFile err;
    // Unbuffered: what goes to each stream goes out in the order it is written.
    out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(STDERR_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    const quven::tool::ToolStreams streams{&out, &err, ::isatty(STDERR_FILENO) == 1};
    return quven::tool::runTool(QCoreApplication::arguments().mid(1), streams);
}
