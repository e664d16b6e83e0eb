// SPDX-License-Identifier: Apache-2.0
// Prints what a screen reader is told about the console's windows: for every node of a
// window's accessible tree its role, its name in quotes, its description, value and state, and
// the objectName of the control behind it.
// Usage: dump_accessible_tree [control|table|connect|all]   (all by default)
// Runs on any platform plugin; QT_QPA_PLATFORM=offscreen needs no display. The console runs on
// a recording transport: nothing goes out on the network.

#include <QApplication>
#include <QPushButton>
#include <QTextStream>

#include "AccessibleTree.h"
#include "ScratchFolder.h"
#include "WindowedConsole.h"
#include "table/TableScreen.h"
#include "ui/kit/WidgetLook.h"
#include "ui/link/ConnectFrm.h"
#include "ui/table/SetupFrm.h"

namespace {

void dump(QTextStream& out, const QString& title, QWidget* window) {
    out << "== " << title << "\n";
    for (const accessibletree::Node& node : accessibletree::walk(window)) {
        out << accessibletree::line(node) << "\n";
    }
    const QStringList unspoken = accessibletree::unspokenControls(window);
    out << "-- controls without words: " << unspoken.size() << "\n";
    for (const QString& control : unspoken) {
        out << "   " << control << "\n";
    }
    out << "\n";
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    quven::useConsoleStyle(application);
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("all");
    if (!QStringList{"control", "table", "connect", "all"}.contains(which)) {
        QTextStream(stderr) << "usage: dump_accessible_tree [control|table|connect|all]\n";
        return 2;
    }
    // The connect dialog reads the host history from the working folder; keep it clean.
    ScratchFolder folder;
    WindowedConsole<RecordingTransport> console;
    console.main.show();
    QTextStream out(stdout);
    if (which == QLatin1String("control") || which == QLatin1String("all")) {
        dump(out, QStringLiteral("control screen (MainFrm)"), &console.main);
    }
    if (which == QLatin1String("table") || which == QLatin1String("all")) {
        quven::TableScreen screen(console.console.tableLinks());
        quven::SetupFrm setup(screen);
        setup.show();
        dump(out, QStringLiteral("data-table screen (SetupFrm)"), &setup);
    }
    if (which == QLatin1String("connect") || which == QLatin1String("all")) {
        console.console.session.Connect_Click();
        if (quven::ConnectFrm* dialog = console.windows.connectFrm()) {
            dump(out, QStringLiteral("connect dialog (ConnectFrm)"), dialog);
        }
    }
    return 0;
}
