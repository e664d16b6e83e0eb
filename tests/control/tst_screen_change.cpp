#include <QApplication>
#include <QPushButton>
#include <QtTest>

#include "RecordedMessages.h"
#include "RecordingTransport.h"
#include "app/Console.h"
#include "app/ConsoleWindows.h"
#include "ui/control/MainFrm.h"

using namespace quven;

// Handing the link to the data-table screen and back: only with a session, the poll stopped
// while the table screen owns the replies, and restarted at the period each way back gives.
class ScreenChangeTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void refusedWithoutASession();
    void handsTheLinkOverAndBack();
};

void ScreenChangeTest::refusedWithoutASession() {
    RecordingTransport transport;
    RecordedMessages messages;
    Console console(transport, messages, IntervalTimer::Mode::Manual);
    ConsoleWindows windows(console);

    console.screenChange.SetupPb_Click();
    QCOMPARE(messages.shown,
             QList<Message>{(Message{QStringLiteral("Not connected !"), QStringLiteral("Caution !"),
                                     MessageIcon::Information})});
    QCOMPARE(console.module.ScreenMode, screenmode::Control);
    QVERIFY(!windows.setupFrm());
}

void ScreenChangeTest::handsTheLinkOverAndBack() {
    RecordingTransport transport;
    RecordedMessages messages;
    Console console(transport, messages, IntervalTimer::Mode::Manual);
    ConsoleWindows windows(console);
    transport.connected = true;
    console.module.Connected = true;
    console.Timer2.setInterval(50);

    QTest::mouseClick(windows.mainFrm().findChild<QPushButton*>(QStringLiteral("SetupPb")),
                      Qt::LeftButton);
    QCOMPARE(console.module.ScreenMode, screenmode::Table);
    QCOMPARE(console.Timer2.interval(), 0);
    QPointer<SetupFrm> setup = windows.setupFrm();
    QVERIFY(setup);
    QVERIFY(setup->isVisible());
    QCOMPARE(setup->windowTitle(), QStringLiteral("QUVEN-01 DATA READ WRITE control"));
    // The control screen behind it still sends its immediate commands.
    console.commands.Command6_Click();
    QCOMPARE(transport.sent, QByteArrayList{"+J\r\n"});

    // "To Control Screen" hides the window and keeps it for the next visit.
    QTest::mouseClick(setup->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(!setup->isVisible());
    QCOMPARE(console.module.ScreenMode, screenmode::Control);
    QCOMPARE(console.Timer2.interval(), 100);
    console.screenChange.SetupPb_Click();
    QCOMPARE(windows.setupFrm(), setup.data());
    QVERIFY(setup->isVisible());

    // Its close box discards it and restarts the poll at once.
    QVERIFY(setup->close());
    QCOMPARE(console.module.ScreenMode, screenmode::Control);
    QCOMPARE(console.Timer2.interval(), 20);
    QTRY_VERIFY(!setup);
    QVERIFY(!windows.setupFrm());
    QVERIFY(messages.shown.isEmpty());
}

QTEST_MAIN(ScreenChangeTest)
#include "tst_screen_change.moc"
