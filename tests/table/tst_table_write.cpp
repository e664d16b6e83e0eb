// SPDX-License-Identifier: Apache-2.0
#include <QtTest>

#include "TableFixture.h"

using namespace quven;
namespace ti = tableindex;

// "Data Write": 49 set commands, one a tick, built from the table as each goes out.
class TableWriteTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void writesAClearedTable();
    void formatsRowsFromTheTable();
    void stopLeavesTheRestUnsent();
    void carriesOnBehindTheControlScreen();
    void failedSendStopsTheWrite();
    void asksBeforeSendingWhatWasNotRead();
};

void TableWriteTest::writesAClearedTable() {
    TableFixture f;
    QStringList shown;
    connect(&f.screen.status, &TransferStatus::textChanged, &f.screen.status,
            [&shown](const QString& text) { shown.append(text); });
    f.screen.cmdDataWrite_Click();
    QVERIFY(f.screen.tmrWrite.isRunning());
    QByteArrayList sent;
    int ticks = 0;
    while (f.screen.tmrWrite.isRunning() && ticks < 100) {
        ++ticks;
        const QByteArrayList lines = f.writeTick();
        QCOMPARE(lines.size(), 1);  // no silent tick
        sent += lines;
    }
    QCOMPARE(ticks, 49);
    QByteArrayList expected;
    for (const char* item : {"CNT", "SPD", "SET"}) {
        for (const char section : {'N', 'F'}) {
            for (int d = 0; d < 8; ++d) {
                QByteArray line = section + QByteArray(item) + QByteArray::number(d);
                if (QByteArray(item) == "CNT") {
                    line += "+0000000";
                } else if (QByteArray(item) == "SPD") {
                    line += ":0/0/0/0";
                } else {
                    line += section == 'N' ? "C000" : "C00000000";
                }
                expected.append(line + "\r\n");
            }
        }
    }
    expected.append("LSSS\r\n");
    QCOMPARE(sent, expected);
    QVERIFY(f.screen.status.text().isEmpty());
    QVERIFY(shown.count(TransferStatus::kWriting) > 2);
    QCOMPARE(f.m().TableItemType, 0);
    QCOMPARE(f.m().TableItemIndex, 0);
    // The empty fields now read "0" on the screen.
    QCOMPARE(f.table().Text2(15), QStringLiteral("0"));
    QCOMPARE(f.table().Text1(63), QStringLiteral("0"));
}

void TableWriteTest::formatsRowsFromTheTable() {
    TableFixture f;
    DataTable& t = f.table();
    t.setText2(0, QStringLiteral("1234"));
    t.setText2(ti::position(11), QStringLiteral("-50"));
    t.setText2(1, QStringLiteral("12.6"));
    t.setText2(2, QStringLiteral("abc"));
    t.setText2(3, QStringLiteral("12345678"));
    t.setText1(ti::speed(5, ti::Hspd), QStringLiteral("5000"));
    t.setText1(ti::speed(5, ti::Lspd), QStringLiteral("100"));
    t.setText1(ti::speed(5, ti::Rate), QStringLiteral(" 3x"));
    // A short reply can leave a line end in a box; it must not make a second command line.
    t.setText1(ti::speed(6, ti::Hspd), QStringLiteral("1\r\n"));
    t.setText1(ti::speed(6, ti::Rate), QStringLiteral("\nNX"));
    t.selectOption2(ti::drive(0, ti::DriveS));
    for (int k : {ti::CwlsEnable, ti::CwlsNc, ti::CcwlsEnable, ti::PulseEnable, ti::PulseReverse}) {
        t.setCheck2(ti::normalSwitch(0, k), true);
    }
    t.selectOption2(ti::drive(10, ti::DriveT));
    t.setCheck2(ti::axisEnable(2, 0), true);
    t.setCheck2(ti::axisReverse(2, 1), true);  // without its E: not recorded
    t.setCheck2(ti::axisEnable(2, 7), true);
    t.setCheck2(ti::axisReverse(2, 7), true);
    t.selectOption2(ti::EmStop);

    f.screen.cmdDataWrite_Click();
    QByteArrayList sent;
    while (f.screen.tmrWrite.isRunning()) {
        sent += f.writeTick();
    }
    QCOMPARE(sent.at(0), QByteArray("NCNT0+0001234\r\n"));
    QCOMPARE(sent.at(1), QByteArray("NCNT1+0000013\r\n"));
    QCOMPARE(sent.at(2), QByteArray("NCNT2+0000000\r\n"));
    QCOMPARE(t.Text2(2), QStringLiteral("abc"));  // the field keeps its text
    QCOMPARE(sent.at(3), QByteArray("NCNT3+12345678\r\n"));
    QCOMPARE(sent.at(11), QByteArray("FCNT3-0000050\r\n"));
    // Speeds go as they stand; the empty one became "0" on the screen.
    QCOMPARE(sent.at(16 + 5), QByteArray("NSPD5:5000/0/100/ 3x\r\n"));
    QCOMPARE(t.Text1(ti::speed(5, ti::Mspd)), QStringLiteral("0"));
    QCOMPARE(sent.at(16 + 6), QByteArray("NSPD6:1/0/0/\r\n"));
    QCOMPARE(sent.at(32), QByteArray("NSET0S122\r\n"));
    QCOMPARE(sent.at(32 + 10), QByteArray("FSET2T10000002\r\n"));
    QCOMPARE(sent.at(48), QByteArray("LSES\r\n"));
}

void TableWriteTest::stopLeavesTheRestUnsent() {
    TableFixture f;
    f.screen.cmdDataWrite_Click();
    for (int tick = 0; tick < 20; ++tick) {
        f.writeTick();
    }
    f.screen.status.setText(TransferStatus::kWriting);
    f.screen.Command2_Click();
    QVERIFY(!f.screen.tmrWrite.isRunning());
    QCOMPARE(f.transport.sent.size(), 20);
    QCOMPARE(f.transport.sent.last(), QByteArray("NSPD3:0/0/0/0\r\n"));
    QCOMPARE(f.m().TableItemType, 1);
    QCOMPARE(f.m().TableItemIndex, 4);
    QCOMPARE(f.screen.status.text(), TransferStatus::kWriting);

    // A new write starts again from the first command.
    f.screen.cmdDataWrite_Click();
    QCOMPARE(f.writeTick(), QByteArrayList{"NCNT0+0000000\r\n"});
}

void TableWriteTest::carriesOnBehindTheControlScreen() {
    TableFixture f;
    f.screen.cmdDataWrite_Click();
    f.writeTick();
    f.screen.Command1_Click();  // "To Control Screen"
    QVERIFY(f.screen.tmrWrite.isRunning());
    QCOMPARE(f.m().ScreenMode, screenmode::Control);
    QCOMPARE(f.console.Timer2.interval(), TableScreen::kPollPeriodAfterReturn);
    // An edit to a row not yet sent reaches the controller.
    f.table().setText2(5, QStringLiteral("77"));
    QByteArrayList sent;
    while (f.screen.tmrWrite.isRunning()) {
        sent += f.writeTick();
    }
    QCOMPARE(sent.at(4), QByteArray("NCNT5+0000077\r\n"));
    QCOMPARE(sent.size(), 48);
}

void TableWriteTest::failedSendStopsTheWrite() {
    TableFixture f;
    f.transport.connected = false;  // the controller closed the connection
    f.screen.cmdDataWrite_Click();
    for (int tick = 0; tick < 49 && f.screen.tmrWrite.isRunning(); ++tick) {
        f.writeTick();
    }
    QCOMPARE(f.messages.texts(), QStringList{"Not connected !"});
    QVERIFY(!f.screen.tmrWrite.isRunning());
    QVERIFY(!f.m().Connected);
}

void TableWriteTest::asksBeforeSendingWhatWasNotRead() {
    using namespace tableitems;
    TableFixture f;
    for (int index = 0; index < DataTable::kText1Count; ++index) {
        f.table().setText1(index, QStringLiteral("1"));
    }
    for (int row = 0; row < ti::kRowCount; ++row) {
        f.table().setText2(ti::position(row), QStringLiteral("+0000001"));
    }
    // A table with every field filled and read is written at once.
    f.screen.cmdDataWrite_Click();
    QVERIFY(f.messages.asked.isEmpty());
    QVERIFY(f.screen.tmrWrite.isRunning());
    f.screen.Command2_Click();

    // An empty position and the speeds a read left unread: No sends and changes nothing.
    f.table().setText2(ti::position(3), QString());
    f.screen.unread.mark({item(Speeds, 9), item(Switches, 2)});
    f.messages.answer = false;
    const qsizetype sentBefore = f.transport.sent.size();
    f.screen.cmdDataWrite_Click();
    QCOMPARE(f.messages.asked.size(), 1);
    QVERIFY(f.messages.asked.first().text.contains(
        QLatin1String("6 field(s) that are empty or were not read from the controller: NORMAL "
                      "MODE CH 3 POS, FUNCTION MODE 1 HSPD, FUNCTION MODE 1 MSPD, ")));
    QVERIFY(f.messages.asked.first().text.contains(QLatin1String("and 1 more")));
    QVERIFY(!f.screen.tmrWrite.isRunning());
    QCOMPARE(f.transport.sent.size(), sentBefore);
    QVERIFY(f.table().Text2(ti::position(3)).isEmpty());

    // Yes writes as before. An edit of a marked item takes its mark away.
    f.table().setCheck2(ti::normalSwitch(2, ti::CwlsEnable), true);
    QVERIFY(!f.screen.unread.isMarked(item(Switches, 2)));
    f.messages.answer = true;
    f.screen.cmdDataWrite_Click();
    QCOMPARE(f.messages.asked.size(), 2);
    QVERIFY(f.screen.tmrWrite.isRunning());
    QCOMPARE(f.table().Text2(ti::position(3)), QStringLiteral("0"));

    // A write refused while a read runs is refused without the question.
    f.screen.Command2_Click();
    f.screen.cmdDataRead_Click();
    f.screen.cmdDataWrite_Click();
    QCOMPARE(f.messages.asked.size(), 2);
    QCOMPARE(f.messages.texts().size(), 1);
    QVERIFY(f.messages.texts().first().startsWith(QLatin1String("The table is being read !")));
}

QTEST_MAIN(TableWriteTest)
#include "tst_table_write.moc"
