// SPDX-License-Identifier: Apache-2.0
// Takes the pictures of the control screen, the data-table screen and the connect dialog as
// desktops other than the usual one show them: under a dark theme, at a large system font, at a
// fractional scale.
//
// Usage: take_a11y_screenshots <control|table|connect> <light|dark> <points> <picture.png>
//
// `points` is the desktop's font size (0 leaves the platform's). The scale and the screen come
// from the environment: the documentation's pictures are taken under a virtual display, with
//   xvfb-run -a -s "-screen 0 1920x1080x24" take_a11y_screenshots ...
// and QT_SCALE_FACTOR=1.5 for the scaled ones (on 1920x1200 the window fits; on 1920x1080 it
// scrolls). Nothing connects: the console runs on a recording transport.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include "DesktopLook.h"
#include "ScratchFolder.h"
#include "SessionSetUp.h"
#include "WindowedConsole.h"
#include "control/PanelState.h"
#include "table/TableScreen.h"
#include "ui/kit/WidgetLook.h"
#include "ui/link/ConnectFrm.h"
#include "ui/table/SetupFrm.h"

namespace {

namespace ti = quven::tableindex;

void runFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

// A table as a read leaves it, with a position of nine digits and one of eight.
void fill(quven::DataTable& table) {
    const char* speeds[] = {"10000", "02000", "00500", "05"};
    for (int row = 0; row < ti::kRowCount; ++row) {
        table.setText2(ti::position(row), QStringLiteral("+0000000"));
        for (int column = ti::Hspd; column <= ti::Rate; ++column) {
            table.setText1(ti::speed(row, column), QLatin1String(speeds[column]));
        }
        table.selectOption2(ti::drive(row, row % 3));
    }
    table.setText2(ti::position(2), QStringLiteral("-123456789"));
    table.setText2(ti::position(9), QStringLiteral("+12345678"));
    for (int index = 0; index < quven::DataTable::kCheck2Count; index += 3) {
        table.setCheck2(index, true);
    }
    table.selectOption2(ti::EmStop);
    table.selectOption2(ti::AllStop);
}

// A folder with table files to show in the file area, one of them with a long name.
void makeTableFiles() {
    QDir().mkdir(QStringLiteral(".run"));
    for (const char* name : {"factory.txt", "line-3-after-the-spring-maintenance-2024.txt"}) {
        QFile file{QString::fromLatin1(name)};
        if (!file.open(QIODevice::WriteOnly)) {
            QTextStream(stderr) << "take_a11y_screenshots: cannot write " << name << "\n";
        }
    }
}

// The control screen in a live session on the recording transport: the firmware answered, a
// normal-mode reply's keys and lamps shown, the set data typed.
void showSession(WindowedConsole<RecordingTransport>& console) {
    quven::Console& logic = console.console;
    if (!connectThroughDialog(logic.session, kLoopback, QStringLiteral("7777"))) {
        QTextStream(stderr) << "take_a11y_screenshots: the session did not open\n";
    }
    logic.poll.Timer2_Timer();
    console.transport.arrive("QUVEN01 V1.20\r\n");
    quven::PanelState& panel = logic.panel;
    panel.setModeText(QStringLiteral("N10010000"));
    panel.setCounterText(QStringLiteral("+0012345"));
    panel.setKeyLit(quven::PanelState::kNormalKey, true);
    panel.setKeyLit(3, true);
    for (int lamp : {0, 9, 11, 27}) {
        panel.setLampOn(lamp, true);
    }
    logic.commands.setSetDataText(QStringLiteral("+0001000"));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 5) {
        QTextStream(stderr)
            << "usage: take_a11y_screenshots <control|table|connect> <light|dark> <points> "
               "<picture.png>\n";
        return 2;
    }
    const QString which = QString::fromLocal8Bit(argv[1]);
    const QString output = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[4]));
    quven::useConsoleStyle(application);
    if (QString::fromLocal8Bit(argv[2]) == QLatin1String("dark")) {
        QApplication::setPalette(desktoplook::darkPalette());
    }
    if (const int points = QString::fromLocal8Bit(argv[3]).toInt(); points > 0) {
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), points));
    }

    ScratchFolder folder;
    makeTableFiles();
    WindowedConsole<RecordingTransport> console;
    QWidget* window = nullptr;
    quven::TableScreen screen(console.console.tableLinks());
    quven::SetupFrm setup(screen);
    if (which == QLatin1String("table")) {
        fill(screen.table);
        screen.status.setText(QString());
        screen.setFileName(QStringLiteral("factory.txt"));
        screen.files.selectFile(QStringLiteral("factory.txt"));
        window = &setup;
    } else if (which == QLatin1String("control")) {
        showSession(console);
        window = &console.main;
    } else {
        console.main.show();
        console.console.session.Connect_Click();
        window = console.windows.connectFrm();
    }
    if (window == nullptr) {
        QTextStream(stderr) << "take_a11y_screenshots: no window\n";
        return 1;
    }
    window->show();
    window->activateWindow();
    runFor(500);
    if (!window->grab().save(output, "PNG")) {
        QTextStream(stderr) << "take_a11y_screenshots: cannot write " << output << "\n";
        return 1;
    }
    QTextStream(stdout) << "wrote " << output << "\n";
    console.main.allowClose();
    return 0;
}
