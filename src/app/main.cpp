// SPDX-License-Identifier: Apache-2.0
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/ConsoleProgram.h"
#include "core/Version.h"

namespace {

const char kHelp[] =
    "Usage: quven-console [--help | --version]\n"
    "\n"
    "The operator console of the QUVEN-01 eight-axis motor controller: connect to a\n"
    "controller over TCP (\"Connect...\"), watch and drive it on the control screen, and\n"
    "read, write, save and load its setting table on the data-table screen.\n"
    "The console takes no options: the host, the port and the files are chosen in its\n"
    "windows. It needs a desktop session (or run it under xvfb-run).\n"
    "\n"
    "  --help     show this text and end\n"
    "  --version  show the version and end\n"
    "\n"
    "See quven-console(1), quven-table(1) and quven-sim(1).\n";

// --help and --version are answered before anything of Qt starts, so they need no display.
// Returns true when the program is to end here.
bool answeredFromTheCommandLine(int argc, char* argv[]) {
    if (quven::answeredVersion("quven-console", argc, argv)) {
        return true;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kHelp, stdout);
            return true;
        }
    }
    return false;
}

// Qt ends a program that finds no display with a fatal message and an abort. While the
// application starts, such a message ends the console with a plain error and status 1 instead.
void startupMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    std::fprintf(stderr, "quven-console: %s\n", qPrintable(message));
    if (type == QtFatalMsg) {
        std::fputs(
            "quven-console: cannot open its windows: it needs a desktop session (or "
            "xvfb-run)\n",
            stderr);
        std::_Exit(1);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (answeredFromTheCommandLine(argc, argv)) {
        return 0;
    }
    const QtMessageHandler previous = qInstallMessageHandler(startupMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(previous);
    quven::ConsoleProgram::prepare(application);
    quven::ConsoleProgram program;
    return QApplication::exec();
}
