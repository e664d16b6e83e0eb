// SPDX-License-Identifier: Apache-2.0
#include <QApplication>
#include <QPushButton>
#include <QtTest>

#include "WindowedConsole.h"

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
    WindowedConsole f;
    Console& console = f.console;
    const RecordedMessages& messages = f.messages;
    ConsoleWindows& windows = f.windows;

    console.screenChange.SetupPb_Click();
    QCOMPARE(messages.shown,
             QList<Message>{(Message{QStringLiteral("Not connected !"), QStringLiteral("Caution !"),
                                     MessageIcon::Information})});
    QCOMPARE(console.module.ScreenMode, screenmode::Control);
    QVERIFY(!windows.setupFrm());
}

void ScreenChangeTest::handsTheLinkOverAndBack() {
    WindowedConsole f;
    Console& console = f.console;
    const RecordedMessages& messages = f.messages;
    ConsoleWindows& windows = f.windows;
    openSession(f);

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
    QCOMPARE(f.transport.sent, QByteArrayList{"+J\r\n"});

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
