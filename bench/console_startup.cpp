// console_startup: the console program's start, measured. It does what src/app/main.cpp does
// (the QApplication, the console style, the TCP transport, the modal message boxes, the
// Console with running timers, its windows, the control screen shown) and measures the start
// with the same StartupProbe as empty_window: the time to the control screen's first painted
// frame, and the resident memory once it has been shown and idle. The console program itself
// takes no options, hence this copy of its main().

#include <QApplication>

#include "StartupProbe.h"
#include "app/Console.h"
#include "app/ConsoleWindows.h"
#include "control/MainFrm.h"
#include "link/TcpTransport.h"
#include "ui/MessageSeam.h"
#include "ui/WidgetLook.h"

int main(int argc, char* argv[]) {
    bench::StartupProbe probe;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quven-console"));
    QApplication::setQuitOnLastWindowClosed(false);
    quven::useConsoleStyle(application);

    quven::TcpTransport transport;
    quven::ModalMessageBox messages;
    quven::Console console(transport, messages, quven::IntervalTimer::Mode::Running);
    quven::ConsoleWindows windows(console);
    messages.setParentWindow(&windows.mainFrm());
    windows.mainFrm().show();
    probe.watch(&windows.mainFrm());
    return QApplication::exec();
}
