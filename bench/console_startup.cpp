// SPDX-License-Identifier: Apache-2.0
// console_startup: the console program's start, measured. It starts the program as its main()
// does (ConsoleProgram) and measures the start with the same StartupProbe as empty_window: the
// time to the control screen's first painted frame, and the resident memory once it has been
// shown and idle. The console program itself takes no options, hence this second main().

#include <QApplication>

#include "StartupProbe.h"
#include "app/ConsoleProgram.h"
#include "ui/control/MainFrm.h"

int main(int argc, char* argv[]) {
    bench::StartupProbe probe;
    QApplication application(argc, argv);
    quven::ConsoleProgram::prepare(application);
    quven::ConsoleProgram program;
    probe.watch(&program.mainFrm());
    return QApplication::exec();
}
