// SPDX-License-Identifier: Apache-2.0
// Takes the documentation's pictures: the control screen, connected to the in-process simulator
// on 127.0.0.1, polling, with a scan running and a manual command's reply; the communication log
// with the status poll hidden; the data-table screen after it has read the simulator's table and
// saved it to a file; and the control screen once the simulator has stopped answering, its link
// lamp amber and its displays dimmed.
// Usage: take_screenshots <control-screen.png> <table-screen.png>
//                         [<communication-log.png> <control-screen-no-answer.png>]

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextStream>
#include <cstdlib>

#include "Loopback.h"
#include "ScratchFolder.h"
#include "WindowedConsole.h"
#include "link/TcpTransport.h"
#include "table/TableScreen.h"
#include "ui/kit/WidgetLook.h"
#include "ui/table/SetupFrm.h"

namespace {

template <typename W>
W& control(QWidget* window, const char* name) {
    W* widget = window->findChild<W*>(QLatin1String(name));
    if (widget == nullptr) {
        QTextStream(stderr) << "take_screenshots: no control " << name << "\n";
        std::exit(1);
    }
    return *widget;
}

bool save(QWidget& window, const QString& path) {
    if (!window.grab().save(path, "PNG")) {
        QTextStream(stderr) << "take_screenshots: cannot write " << path << "\n";
        return false;
    }
    QTextStream(stdout) << "wrote " << path << "\n";
    return true;
}

void openLog(quven::MainFrm& main) {
    for (QAction* action : main.menuBar()->actions()) {
        if (action->objectName() == QLatin1String("Menu_Log")) {
            action->trigger();
        }
    }
}

// Lets the console and the simulator run for a while.
void runFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 3 && argc != 5) {
        QTextStream(stderr) << "usage: take_screenshots <control-screen.png> <table-screen.png> "
                               "[<communication-log.png> <control-screen-no-answer.png>]\n";
        return 2;
    }
    const auto outputPath = [argv](int index) {
        return QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[index]));
    };
    const QString output = outputPath(1);
    const QString tableOutput = outputPath(2);
    const bool logToo = argc == 5;
    const QString logOutput = logToo ? outputPath(3) : QString();
    const QString noAnswerOutput = logToo ? outputPath(4) : QString();
    QApplication::setQuitOnLastWindowClosed(false);
    quven::useConsoleStyle(application);

    // The console keeps its host history in the working folder; keep the repository clean.
    ScratchFolder folder;
    if (!folder.inScratchFolder) {
        QTextStream(stderr) << "take_screenshots: no temporary folder\n";
        return 1;
    }

    LoopbackSim sim;
    if (!sim.listening) {
        QTextStream(stderr) << "take_screenshots: the simulator cannot listen\n";
        return 1;
    }
    const quint16 port = sim.server.port();

    // A message box would wait for a click that never comes; any message is reported instead.
    WindowedConsole<quven::TcpTransport> console(quven::IntervalTimer::Mode::Running);
    const RecordedMessages& messages = console.messages;
    quven::ConsoleWindows& windows = console.windows;
    quven::MainFrm& main = console.main;
    main.show();
    runFor(200);

    QTest::mouseClick(&control<QPushButton>(&main, "Connect"), Qt::LeftButton);
    quven::ConnectFrm* dialog = windows.connectFrm();
    if (dialog == nullptr) {
        QTextStream(stderr) << "take_screenshots: no connect dialog\n";
        return 1;
    }
    dialog->hostEdit()->setEditText(QStringLiteral("127.0.0.1"));
    dialog->portEdit()->setText(QString::number(port));
    QTest::mouseClick(dialog->connectButton(), Qt::LeftButton);
    runFor(600);

    // A scan in the plus direction, so that the counter moves, and one manual query, with the
    // communication log open beside.
    quven::LogFrm* log = nullptr;
    if (logToo) {
        openLog(main);
        log = windows.logFrm();
        log->move(main.frameGeometry().topRight() + QPoint(20, 0));
        runFor(300);
    }
    QTest::mouseClick(&control<QRadioButton>(&main, "Option1_0"), Qt::LeftButton);
    QTest::mouseClick(&control<QPushButton>(&main, "Ctr_5"), Qt::LeftButton);
    auto& manual = control<QPlainTextEdit>(&main, "Text2");
    manual.setFocus();
    QTest::keyClicks(&manual, QStringLiteral("VER?"));
    QTest::keyClick(&manual, Qt::Key_Return);
    runFor(900);

    if (!messages.shown.isEmpty()) {
        QTextStream(stderr) << "take_screenshots: the console said: "
                            << messages.texts().join(QStringLiteral(" / ")) << "\n";
        return 1;
    }
    if (!save(main, output)) {
        return 1;
    }
    if (log != nullptr) {
        // The operator's own traffic among the controller's notices, the poll hidden.
        sim.server.setFaults(withFaults([](quven::sim::SimFaults& f) { f.noticeEveryMs = 450; }));
        QTest::mouseClick(&control<QCheckBox>(log, "LogHidePoll"), Qt::LeftButton);
        manual.selectAll();
        QTest::keyClicks(&manual, QStringLiteral("MODE?"));
        QTest::keyClick(&manual, Qt::Key_Return);
        runFor(300);
        QTest::mouseClick(&control<QPushButton>(&main, "Command3_1"), Qt::LeftButton);
        runFor(400);
        QTest::mouseClick(&control<QPushButton>(&main, "Ctr_6"), Qt::LeftButton);
        runFor(500);
        sim.server.setFaults({});
        runFor(200);
        if (!save(*log, logOutput)) {
            return 1;
        }
    }

    // The data-table screen, filled by a read from the simulator.
    QTest::mouseClick(&control<QPushButton>(&main, "SetupPb"), Qt::LeftButton);
    quven::SetupFrm* setup = windows.setupFrm();
    quven::TableScreen* table = setup ? setup->findChild<quven::TableScreen*>() : nullptr;
    if (table == nullptr) {
        QTextStream(stderr) << "take_screenshots: no data-table screen\n";
        return 1;
    }
    runFor(200);
    QTest::mouseClick(&control<QPushButton>(setup, "cmdDataRead"), Qt::LeftButton);
    QElapsedTimer reading;
    reading.start();
    runFor(100);
    while (table->tmrTokei.isRunning() || !table->status.text().isEmpty()) {
        if (reading.elapsed() > 20000) {
            QTextStream(stderr) << "take_screenshots: the table read did not end\n";
            return 1;
        }
        runFor(50);
    }
    // Saved into the working folder, so that the file list shows a table file.
    auto& fileName = control<QLineEdit>(setup, "txtFileName");
    fileName.setFocus();
    QTest::keyClicks(&fileName, QStringLiteral("factory"));
    QTest::mouseClick(&control<QPushButton>(setup, "cmdWrite"), Qt::LeftButton);
    runFor(300);
    if (!messages.shown.isEmpty()) {
        QTextStream(stderr) << "take_screenshots: the console said: "
                            << messages.texts().join(QStringLiteral(" / ")) << "\n";
        return 1;
    }
    if (!save(*setup, tableOutput)) {
        return 1;
    }
    QTest::mouseClick(&control<QPushButton>(setup, "Command1"), Qt::LeftButton);
    runFor(200);

    // The simulator stops answering, the connection stays: after a second the lamp is amber.
    if (logToo) {
        sim.server.setFaults(withFaults([](quven::sim::SimFaults& f) { f.dropEvery = 1; }));
        runFor(1500);
        if (!save(main, noAnswerOutput)) {
            return 1;
        }
        sim.server.setFaults({});
        runFor(300);
    }

    // Leave as the operator would: disconnect, then quit.
    QTest::mouseClick(&control<QPushButton>(&main, "Connect"), Qt::LeftButton);
    main.allowClose();
    return 0;
}
