// SPDX-License-Identifier: Apache-2.0
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include "Loopback.h"
#include "ScratchFolder.h"
#include "WidgetProbe.h"
#include "WindowedConsole.h"
#include "core/Version.h"
#include "link/TcpTransport.h"
#include "ui/kit/Colours.h"
#include "ui/kit/WidgetLook.h"

using namespace quven;

namespace {

template <typename W>
W* control(QWidget* window, const char* name) {
    return widgetprobe::find<W>(*window, QLatin1String(name));
}

// The colour a widget really paints at its centre, a quarter down.
QColor paintedColour(QWidget* widget) {
    return widgetprobe::paintedAt(widget, QPoint(widget->width() / 2, widget->height() / 4));
}

// The console and its windows on the real socket, the control screen shown, in a working
// folder of its own (the session keeps its host history there).
struct Windows : ScratchFolder, WindowedConsole<TcpTransport> {
    Windows() {
        QVERIFY(inScratchFolder);
        main.show();
    }
};

}  // namespace

// The control screen's session controls and the connect dialog, driven through their widgets
// against a peer listening on 127.0.0.1; the host history is the working folder's file.
class MainWindowTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase();
    void startsWithTheSessionControls();
    void connectsDisconnectsAndRemembersTheHost();
    void aboutNamesTheVersion();
    void answersWithoutADisplay_data();
    void answersWithoutADisplay();
};

void MainWindowTest::initTestCase() {
    useConsoleStyle(*qobject_cast<QApplication*>(QCoreApplication::instance()));
}

void MainWindowTest::startsWithTheSessionControls() {
    Windows f;
    MainFrm& main = f.main;
    const Console& console = f.console;
    const RecordedMessages& messages = f.messages;

    QCOMPARE(main.windowTitle(), QStringLiteral("Control via Telnet"));
    QCOMPARE(main.objectName(), QStringLiteral("MainFrm"));
    auto* connectButton = control<QPushButton>(&main, "Connect");
    QVERIFY(connectButton);
    QCOMPARE(connectButton->text(), QStringLiteral("&Connect..."));
    QCOMPARE(connectButton->toolTip(), QStringLiteral("Remote connection control"));
    QCOMPARE(connectButton->accessibleName(), QStringLiteral("Connect to the controller"));
    QCOMPARE(control<QPushButton>(&main, "Command1")->text(), QStringLiteral("Quit"));
    QCOMPARE(control<QLabel>(&main, "Label8")->text(), QStringLiteral("Host Name"));
    QCOMPARE(control<QLabel>(&main, "Label9")->text(), QStringLiteral("Port No."));
    QCOMPARE(control<QLabel>(&main, "Label13")->text(), QStringLiteral("Firmware version"));
    QCOMPARE(backColour(control<QLabel>(&main, "Label19")), colours::LightCyan);
    const QList<QAction*> menu = main.menuBar()->actions();
    QCOMPARE(menu.size(), 2);
    QCOMPARE(menu.first()->text(), QStringLiteral("&About"));
    QCOMPARE(menu.last()->text(), QStringLiteral("&Log"));
    QCOMPARE(console.module.ScreenMode, screenmode::Control);
    QCOMPARE(console.Timer2.interval(), 0);

    // Closing the window without a session ends the program without a question.
    QSignalSpy accepted(&main, &MainFrm::closeAccepted);
    QVERIFY(main.close());
    QCOMPARE(accepted.count(), 1);
    QVERIFY(messages.shown.isEmpty());
}

void MainWindowTest::connectsDisconnectsAndRemembersTheHost() {
    LoopbackPeer controller(LoopbackPort::Dialog);
    QVERIFY(controller.listening);
    const QString port = QString::number(controller.port());

    Windows f;
    MainFrm& main = f.main;
    const Console& console = f.console;
    const RecordedMessages& messages = f.messages;
    ConsoleWindows& windows = f.windows;
    auto* connectButton = control<QPushButton>(&main, "Connect");
    auto* quitButton = control<QPushButton>(&main, "Command1");
    const QColor buttonFace = paintedColour(connectButton);

    QTest::mouseClick(connectButton, Qt::LeftButton);
    ConnectFrm* dialog = windows.connectFrm();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Connect"));
    auto* hostEdit = control<QComboBox>(dialog, "HostEdit");
    auto* portEdit = control<QLineEdit>(dialog, "Text1");
    QVERIFY(hostEdit->isEditable());
    QCOMPARE(hostEdit->count(), 0);
    QCOMPARE(portEdit->text(), QStringLiteral("7777"));
    QCOMPARE(control<QPushButton>(dialog, "ConnectButton")->text(), QStringLiteral("&Connect"));
    QCOMPARE(control<QPushButton>(dialog, "CancelButton")->text(), QStringLiteral("Ca&ncel"));

    // The operator types the host and port; the test never dials the default address.
    hostEdit->setEditText(QStringLiteral("127.0.0.1"));
    portEdit->setText(port);
    QTest::mouseClick(control<QPushButton>(dialog, "ConnectButton"), Qt::LeftButton);

    QCOMPARE(messages.texts(), QStringList());
    QVERIFY(controller.accept());
    QVERIFY(!dialog->isVisible());
    QCOMPARE(connectButton->text(), QStringLiteral("Disconnect"));
    QCOMPARE(connectButton->accessibleName(), QStringLiteral("Disconnect from the controller"));
    QCOMPARE(backColour(connectButton), colours::LightYellow);
    QCOMPARE(backColour(quitButton), colours::LightYellow);
    QCOMPARE(paintedColour(connectButton), colours::LightYellow);
    QCOMPARE(control<QLabel>(&main, "Label8")->text(), QStringLiteral("Host Name 127.0.0.1"));
    QCOMPARE(control<QLabel>(&main, "Label9")->text(), QStringLiteral("Port No. ") + port);
    QFile history(QStringLiteral("MainfRM_L.Log"));
    QVERIFY(history.open(QIODevice::ReadOnly));
    QCOMPARE(history.readAll(), QByteArray("127.0.0.1,,,,,,\r\n"));

    // The window will not close while the session is open.
    QVERIFY(!main.close());
    QVERIFY(main.isVisible());
    QCOMPARE(messages.texts(),
             QStringList{"Session is still active, Please disconnect before exit."});
    QVERIFY(console.module.Connected);

    QTest::mouseClick(connectButton, Qt::LeftButton);
    QVERIFY(!console.module.Connected);
    QCOMPARE(connectButton->text(), QStringLiteral("Connect"));
    QVERIFY(!backColour(connectButton).isValid());
    QCOMPARE(paintedColour(connectButton), buttonFace);
    QCOMPARE(control<QLabel>(&main, "Label8")->text(), QStringLiteral("Host Name "));
    QTRY_COMPARE(f.transport.state(), QAbstractSocket::UnconnectedState);

    // Next time the host is in the drop-down, on top.
    QTest::mouseClick(connectButton, Qt::LeftButton);
    QVERIFY(dialog->isVisible());
    QCOMPARE(hostEdit->count(), 1);
    QCOMPARE(hostEdit->itemText(0), QStringLiteral("127.0.0.1"));
    QCOMPARE(hostEdit->currentText(), QStringLiteral("127.0.0.1"));
}

void MainWindowTest::aboutNamesTheVersion() {
    Windows f;
    const QList<QAction*> menu = f.main.menuBar()->actions();
    QCOMPARE(menu.first()->objectName(), QStringLiteral("Menu_About"));
    menu.first()->trigger();
    auto* box = f.main.findChild<QMessageBox*>(QStringLiteral("AboutBox"));
    QVERIFY(box != nullptr);
    QTRY_VERIFY(box->isVisible());
    QCOMPARE(box->windowTitle(), QStringLiteral("About QUVEN-01 Console"));
    const QString text = box->text();
    for (const QString& part :
         {QStringLiteral("QUVEN-01 Console"), QStringLiteral("Version ") + QLatin1String(kVersion),
          QStringLiteral("Qt ") + QLatin1String(qVersion()), QStringLiteral("Apache License 2.0"),
          QString::fromLatin1(kHomepage)}) {
        QVERIFY2(text.contains(part), qPrintable(part));
    }
    box->accept();
    QTRY_VERIFY(f.main.findChild<QMessageBox*>(QStringLiteral("AboutBox")) == nullptr);
    QVERIFY(f.messages.shown.isEmpty());
}

// On a platform that needs a display and without one, anything that started Qt's GUI would
// fail: --help and --version answer before that, with status 0; a plain start ends with a
// message and status 1, not with Qt's abort.
void MainWindowTest::answersWithoutADisplay_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("output");
    QTest::newRow("--version") << QStringLiteral("--version") << 0
                               << QByteArray("quven-console ") + QByteArray(kVersion) + '\n';
    QTest::newRow("--help") << QStringLiteral("--help") << 0
                            << QByteArray("Usage: quven-console [--help | --version]\n");
    QTest::newRow("no display") << QString() << 1
                                << QByteArray("quven-console: cannot open its windows");
}

void MainWindowTest::answersWithoutADisplay() {
    QFETCH(QString, argument);
    QFETCH(int, status);
    QFETCH(QByteArray, output);
    QProcess console;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    console.setProcessEnvironment(environment);
    console.start(QStringLiteral(QUVEN_CONSOLE_PROGRAM),
                  argument.isEmpty() ? QStringList() : QStringList{argument});
    QVERIFY(console.waitForFinished(10000));
    QCOMPARE(console.exitStatus(), QProcess::NormalExit);
    QCOMPARE(console.exitCode(), status);
    const QByteArray shown =
        status == 0 ? console.readAllStandardOutput() : console.readAllStandardError();
    QVERIFY2(status == 0 ? shown.startsWith(output) : shown.contains(output), shown.constData());
    if (argument == QLatin1String("--version")) {
        QCOMPARE(shown, output);
    }
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
