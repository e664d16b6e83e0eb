// SPDX-License-Identifier: Apache-2.0
#include <QtTest>

#include "ConsoleFixture.h"

using namespace quven;

// Who gets a reply block, the "SRQ" notice, and the wait that every handled block clears.
class DispatchTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void noticeOnTheControlScreenKeepsThePollWaiting_data();
    void noticeOnTheControlScreenKeepsThePollWaiting();
    void blocksGoToTheScreenThatOwnsTheReplies();
    void everyHandledBlockClearsTheWait_data();
    void everyHandledBlockClearsTheWait();
};

void DispatchTest::noticeOnTheControlScreenKeepsThePollWaiting_data() {
    QTest::addColumn<QString>("block");
    QTest::addColumn<QString>("shown");

    QTest::newRow("at the start") << "SRQ01\r\n"
                                  << "SRQ01 received !";
    QTest::newRow("in the middle shows the block's first five") << "+0012345SRQ\r\n"
                                                                << "+0012 received !";
    QTest::newRow("shorter than five characters") << "SRQ\n"
                                                  << "SRQ\n received !";
    QTest::newRow("behind a poll reply in one block") << "MSPDM\r\nSRQ\r\n"
                                                      << "MSPDM received !";
}

void DispatchTest::noticeOnTheControlScreenKeepsThePollWaiting() {
    QFETCH(QString, block);
    QFETCH(QString, shown);

    ConsoleFixture f;
    Module1& m = f.console.module;
    m.PollState = pollstate::SpeedRange;
    m.ReplyPending = true;
    m.ReplyWaitTicks = 2;

    f.transport.arrive(block.toLatin1());

    QCOMPARE(f.console.receiveDisplay.text(), shown);
    QVERIFY(f.controlReplies.blocks.isEmpty());
    QCOMPARE(m.PollState, pollstate::SpeedRange);
    QVERIFY(m.ReplyPending);
    QCOMPARE(m.ReplyWaitTicks, 2);
}

void DispatchTest::blocksGoToTheScreenThatOwnsTheReplies() {
    ConsoleFixture f;
    Module1& m = f.console.module;

    // The notice test is case-sensitive: "srq" is an ordinary reply.
    f.transport.arrive("srq\r\n");
    QCOMPARE(f.controlReplies.blocks, QStringList{QStringLiteral("srq\r\n")});
    QVERIFY(f.console.receiveDisplay.text().isEmpty());

    // On the data-table screen "SRQ" is no notice: the waiting table query gets the block.
    m.ScreenMode = screenmode::Table;
    m.ReplyPending = true;
    f.transport.arrive("NSPD0SRQ\r\n");
    QCOMPARE(f.tableReplies.blocks, QStringList{QStringLiteral("NSPD0SRQ\r\n")});
    QCOMPARE(f.controlReplies.blocks.size(), 1);
    QVERIFY(f.console.receiveDisplay.text().isEmpty());
    QVERIFY(!m.ReplyPending);

    // The dispatcher leaves the readers' bookkeeping to the readers.
    m.PollState = pollstate::LimitSwitches;
    m.TableItemType = 2;
    m.TableItemIndex = 5;
    f.transport.arrive("LS?\r\n");
    QCOMPARE(m.PollState, pollstate::LimitSwitches);
    QCOMPARE(m.TableItemType, 2);
    QCOMPARE(m.TableItemIndex, 5);
}

void DispatchTest::everyHandledBlockClearsTheWait_data() {
    QTest::addColumn<int>("screenMode");
    QTest::addColumn<bool>("branchInstalled");
    QTest::addColumn<int>("controlBlocks");
    QTest::addColumn<int>("tableBlocks");

    QTest::newRow("control screen") << screenmode::Control << true << 1 << 0;
    QTest::newRow("data-table screen") << screenmode::Table << true << 0 << 1;
    QTest::newRow("no reader installed") << screenmode::Table << false << 0 << 0;
    QTest::newRow("unknown screen drops the block") << 7 << true << 0 << 0;
}

void DispatchTest::everyHandledBlockClearsTheWait() {
    QFETCH(int, screenMode);
    QFETCH(bool, branchInstalled);
    QFETCH(int, controlBlocks);
    QFETCH(int, tableBlocks);

    ConsoleFixture f;
    if (!branchInstalled) {
        f.console.dispatcher.setControlBranch(nullptr);
        f.console.dispatcher.setTableBranch(nullptr);
    }
    Module1& m = f.console.module;
    m.ScreenMode = screenMode;
    m.ReplyPending = true;
    m.ReplyWaitTicks = 3;

    f.console.dispatcher.DispatchReply(QStringLiteral("anything at all\r\n"));

    QCOMPARE(f.controlReplies.blocks.size(), controlBlocks);
    QCOMPARE(f.tableReplies.blocks.size(), tableBlocks);
    QVERIFY(!m.ReplyPending);
    QCOMPARE(m.ReplyWaitTicks, 0);
}

QTEST_GUILESS_MAIN(DispatchTest)
#include "tst_dispatch.moc"
