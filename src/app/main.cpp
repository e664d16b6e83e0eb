#include <QApplication>

#include "app/Console.h"
#include "app/ConsoleWindows.h"
#include "control/MainFrm.h"
#include "link/TcpTransport.h"
#include "ui/MessageSeam.h"
#include "ui/WidgetLook.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quven-console"));
    // The program ends by "Quit" or by a close of the control screen that it allows, never
    // because some window happened to be the last one closed.
    QApplication::setQuitOnLastWindowClosed(false);
    quven::useConsoleStyle(application);

    quven::TcpTransport transport;
    quven::ModalMessageBox messages;
    quven::Console console(transport, messages, quven::IntervalTimer::Mode::Running);
    quven::ConsoleWindows windows(console);
    messages.setParentWindow(&windows.mainFrm());
    windows.mainFrm().show();
    return QApplication::exec();
}
