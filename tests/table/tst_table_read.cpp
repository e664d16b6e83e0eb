// SPDX-License-Identifier: Apache-2.0
#include <QtTest>

#include "TableFixture.h"
#include "sim/ControllerModel.h"

using namespace quven;
namespace ti = tableindex;

namespace {

// Runs the read against the simulator's model, each query answered before the next tick;
// returns the number of ticks until the timer stopped.
int readAgainst(TableFixture& f, sim::ControllerModel& model, QByteArrayList* queries = nullptr) {
    f.screen.cmdDataRead_Click();
    int ticks = 0;
    while (f.screen.tmrTokei.isRunning() && ticks < 1000) {
        ++ticks;
        for (const QByteArray& line : f.readTick()) {
            if (queries) {
                queries->append(line);
            }
            const auto answer = model.execute(line.chopped(2)).answer;
            if (answer) {
                f.transport.arrive(*answer + "\r\n");
            }
        }
    }
    return ticks;
}

QByteArrayList expectedQueries() {
    QByteArrayList queries;
    for (const char* item : {"CNT", "SPD", "SET"}) {
        for (const char section : {'N', 'F'}) {
            for (int d = 0; d < 8; ++d) {
                queries.append(section + QByteArray(item) + QByteArray::number(d) + "?\r\n");
            }
        }
    }
    queries.append("SLS?\r\n");
    return queries;
}

}  // namespace

// "Data Read": 49 queries one at a time, each reply applied by its place in the sequence.
class TableReadTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void readsTheWholeTableInOrder();
    void appliesEachReplyLayout();
    void timeOutSkipsTheRestOfTheGroupOnly();
    void blocksNoQueryAwaitsAreKeptFromTheTable();
    void stopClearAndRestart();
    void readAndWriteNeverRunAtOnce();
    void failedSendStopsTheRead();
};

void TableReadTest::readsTheWholeTableInOrder() {
    TableFixture f;
    sim::ControllerModel model;
    model.execute("NCNT3+0001234");
    model.execute("NSPD2:1000/500/100/5");
    model.execute("NSET0S122");
    model.execute("FSET1T10000200");
    model.execute("LSEA");
    f.table().setText1(0, QStringLiteral("stale"));
    QStringList shown;
    connect(&f.screen.status, &TransferStatus::textChanged, &f.screen.status,
            [&shown](const QString& text) { shown.append(text); });

    QByteArrayList queries;
    const int ticks = readAgainst(f, model, &queries);

    QCOMPARE(queries, expectedQueries());
    QCOMPARE(ticks, 53);  // one silent tick at each group change, one to stop
    QCOMPARE(f.m().TableItemType, TableRead::kFinished);
    QVERIFY(!f.screen.tmrTokei.isRunning());
    QVERIFY(f.screen.status.text().isEmpty());
    QVERIFY(shown.count(QString()) > 2);  // it blinked
    QVERIFY(shown.count(TransferStatus::kReading) > 2);

    QCOMPARE(f.table().Text2(3), QStringLiteral("+0001234"));
    QCOMPARE(f.table().Text1(ti::speed(2, ti::Hspd)), QStringLiteral("01000"));
    QCOMPARE(f.table().Text1(ti::speed(2, ti::Mspd)), QStringLiteral("00500"));
    QCOMPARE(f.table().Text1(ti::speed(2, ti::Lspd)), QStringLiteral("00100"));
    QCOMPARE(f.table().Text1(ti::speed(2, ti::Rate)), QStringLiteral("05"));
    QCOMPARE(f.table().Text1(0), QStringLiteral("10000"));  // cleared first, then read
    // S122: S, CWLS EN and NC, CCWLS EN only, PLS EN and -DIR.
    QVERIFY(f.table().Option2(ti::drive(0, ti::DriveS)));
    const QList<bool> row0{true, true, true, false, true, true};
    for (int k = 0; k < 6; ++k) {
        QCOMPARE(f.table().Check2(ti::normalSwitch(0, k)), row0.at(k));
    }
    // T10000200 in function mode 1: T, axis 0 E, axis 5 E and "-".
    QVERIFY(f.table().Option2(ti::drive(9, ti::DriveT)));
    for (int a = 0; a < 8; ++a) {
        QCOMPARE(f.table().Check2(ti::axisEnable(1, a)), a == 0 || a == 5);
        QCOMPARE(f.table().Check2(ti::axisReverse(1, a)), a == 5);
    }
    QVERIFY(f.table().Option2(ti::EmStop));
    QVERIFY(f.table().Option2(ti::AllStop));
}

void TableReadTest::appliesEachReplyLayout() {
    TableFixture f;
    f.screen.cmdDataRead_Click();
    // A position is taken as it stands, even when it is no number; the line end stays out of
    // the one-line box.
    QCOMPARE(f.readTick(), QByteArrayList{"NCNT0?\r\n"});
    f.transport.arrive("OK\r\n");
    QCOMPARE(f.table().Text2(0), QStringLiteral("OK"));
    QCOMPARE(f.m().TableItemIndex, 1);

    // A switch block with an unknown drive letter selects no drive.
    f.m().TableItemType = 2;
    f.m().TableItemIndex = 4;
    QCOMPARE(f.readTick(), QByteArrayList{"NSET4?\r\n"});
    f.transport.arrive("NSET4X2\r\n");
    for (int k = 0; k < 3; ++k) {
        QVERIFY(!f.table().Option2(ti::drive(4, k)));
    }
    QVERIFY(f.table().Check2(ti::normalSwitch(4, ti::CwlsEnable)));
    QVERIFY(!f.table().Check2(ti::normalSwitch(4, ti::CwlsNc)));
    QVERIFY(!f.table().Check2(ti::normalSwitch(4, ti::CcwlsEnable)));

    // Short speeds leave what they do not reach empty, and the line end out.
    f.m().TableItemType = 1;
    f.m().TableItemIndex = 12;
    QCOMPARE(f.readTick(), QByteArrayList{"FSPD4?\r\n"});
    f.transport.arrive("FSPD4:12345/1\r\n");
    QCOMPARE(f.table().Text1(ti::speed(12, ti::Hspd)), QStringLiteral("12345"));
    QCOMPARE(f.table().Text1(ti::speed(12, ti::Mspd)), QStringLiteral("1"));
    QVERIFY(f.table().Text1(ti::speed(12, ti::Lspd)).isEmpty());

    // The limit stop always leaves one button of each pair selected, and ends the read.
    f.m().TableItemType = 3;
    f.m().TableItemIndex = 0;
    QCOMPARE(f.readTick(), QByteArrayList{"SLS?\r\n"});
    f.transport.arrive("LSSS\r\n");
    QVERIFY(f.table().Option2(ti::SlowStop));
    QVERIFY(f.table().Option2(ti::IndivStop));
    QCOMPARE(f.m().TableItemType, TableRead::kFinished);
    QCOMPARE(f.readTick(), QByteArrayList{});
    QVERIFY(!f.screen.tmrTokei.isRunning());
}

void TableReadTest::timeOutSkipsTheRestOfTheGroupOnly() {
    TableFixture f;
    f.screen.cmdDataRead_Click();
    f.m().TableItemType = 1;
    f.m().TableItemIndex = 5;
    QCOMPARE(f.readTick(), QByteArrayList{"NSPD5?\r\n"});
    // The 11th tick without a reply drops the wait; the next asks again, twice.
    for (int again = 0; again < 2; ++again) {
        for (int tick = 1; tick <= 11; ++tick) {
            QCOMPARE(f.readTick(), QByteArrayList{});
        }
        QCOMPARE(f.m().TableItemType, 1);
        QCOMPARE(f.readTick(), QByteArrayList{"NSPD5?\r\n"});
    }
    for (int tick = 1; tick <= 10; ++tick) {
        QCOMPARE(f.readTick(), QByteArrayList{});
        QCOMPARE(f.m().TableItemType, 1);
    }
    // The 11th tick after the third query gives up the speeds of rows 5 to 15, not the read.
    QCOMPARE(f.readTick(), QByteArrayList{});
    QCOMPARE(f.m().TableItemType, 2);
    QCOMPARE(f.m().TableItemIndex, 0);
    QVERIFY(!f.m().ReplyPending);
    QCOMPARE(f.readTick(), QByteArrayList{"NSET0?\r\n"});
    for (int row = 5; row < 16; ++row) {
        QVERIFY(f.table().Text1(ti::speed(row, ti::Hspd)).isEmpty());
    }

    // After the limit stop there is nothing left: the read ends, with no bare line ends.
    f.m().TableItemType = 3;
    f.m().TableItemIndex = 0;
    f.m().ReplyPending = false;
    for (int attempt = 0; attempt < TableRead::kAttempts; ++attempt) {
        QCOMPARE(f.readTick(), QByteArrayList{"SLS?\r\n"});
        for (int tick = 0; tick < 11; ++tick) {
            QCOMPARE(f.readTick(), QByteArrayList{});
        }
    }
    QCOMPARE(f.m().TableItemType, TableRead::kFinished);
    QVERIFY(f.messages.shown.isEmpty());
    QCOMPARE(f.readTick(), QByteArrayList{});
    QVERIFY(!f.screen.tmrTokei.isRunning());

    // The operator is told what is missing, once, and the cells not read are marked.
    QCOMPARE(f.messages.shown.size(), 1);
    QVERIFY(f.messages.shown.first().text.startsWith(QLatin1String("Data Read incomplete")));
    QVERIFY(f.messages.shown.first().text.contains(
        QLatin1String("49 of the 49 items were not read, as the controller did not answer: "
                      "NORMAL MODE CH 0 POS, NORMAL MODE CH 1 POS, ")));
    QVERIFY(f.screen.status.text().isEmpty());
    QVERIFY(f.screen.unread.isMarked(tableitems::item(tableitems::Speeds, 15)));
    QVERIFY(f.screen.unread.isMarked(tableitems::item(tableitems::LimitStop, 0)));
    QCOMPARE(f.readTick(), QByteArrayList{});
    QCOMPARE(f.messages.shown.size(), 1);
}

void TableReadTest::blocksNoQueryAwaitsAreKeptFromTheTable() {
    TableFixture f;
    // No read: nothing is applied.
    f.transport.arrive("+0000001\r\n");
    QVERIFY(f.table().isCleared());

    f.screen.cmdDataRead_Click();
    f.m().TableItemType = 1;
    f.m().TableItemIndex = 15;
    QCOMPARE(f.readTick(), QByteArrayList{"FSPD7?\r\n"});
    // A notice and a late reply to an earlier query, line noise in front or not, are not the
    // reply: the wait goes on.
    f.transport.arrive("SRQ01\r\n");
    f.transport.arrive("\x01\xfe\r\nNSPD5:00001/00002/00003/04\r\n");
    f.transport.arrive("NSPD5:00001/00002/00003/04\r\n");
    QVERIFY(f.m().ReplyPending);
    QCOMPARE(f.m().TableItemIndex, 15);
    f.transport.arrive("FSPD7:01000/00500/00100/05\r\n");
    QCOMPARE(f.table().Text1(ti::speed(15, ti::Hspd)), QStringLiteral("01000"));
    QCOMPARE(f.m().TableItemIndex, 16);
    // A surplus block before the next tick would address row 16: it is kept away.
    f.transport.arrive("FSPD7:09999/09999/09999/99\r\n");
    QCOMPARE(f.m().TableItemIndex, 16);
    QCOMPARE(f.table().Text1(ti::speed(15, ti::Hspd)), QStringLiteral("01000"));

    // Nor after "R/W Stop".
    QCOMPARE(f.readTick(), QByteArrayList{});
    QCOMPARE(f.readTick(), QByteArrayList{"NSET0?\r\n"});
    f.screen.Command2_Click();
    f.transport.arrive("NSET0S122\r\n");
    QVERIFY(!f.table().Option2(ti::drive(0, ti::DriveS)));
    QCOMPARE(f.m().TableItemIndex, 0);

    // Nor during a write.
    f.screen.cmdDataWrite_Click();
    f.m().ReplyPending = true;
    f.transport.arrive("S122\r\n");
    QCOMPARE(f.table().Text2(0), QStringLiteral("0"));
    QCOMPARE(f.m().TableItemIndex, 0);
}

void TableReadTest::stopClearAndRestart() {
    TableFixture f;
    f.screen.cmdDataRead_Click();
    QCOMPARE(f.readTick(), QByteArrayList{"NCNT0?\r\n"});
    f.transport.arrive("+0000005\r\n");
    f.table().setCheck2(7, true);
    // "Data Clear" does nothing while a read runs.
    f.screen.cmdDataClear_Click();
    QCOMPARE(f.table().Text2(0), QStringLiteral("+0000005"));

    // Pressed again, the read starts over without clearing.
    f.screen.cmdDataRead_Click();
    QCOMPARE(f.readTick(), QByteArrayList{"NCNT0?\r\n"});
    QVERIFY(f.table().Check2(7));

    // "R/W Stop" while waiting: nothing more goes out, the status keeps its text.
    f.screen.status.setText(TransferStatus::kReading);
    f.screen.Command2_Click();
    QVERIFY(!f.screen.tmrTokei.isRunning());
    QCOMPARE(f.screen.status.text(), TransferStatus::kReading);
    QCOMPARE(f.m().TableItemType, 0);
    f.screen.cmdDataClear_Click();
    QVERIFY(f.table().isCleared());
}

void TableReadTest::readAndWriteNeverRunAtOnce() {
    TableFixture f;
    f.screen.cmdDataRead_Click();
    f.table().setText2(2, QStringLiteral("kept"));
    f.screen.cmdDataWrite_Click();
    QVERIFY(!f.screen.tmrWrite.isRunning());
    QVERIFY(f.screen.tmrTokei.isRunning());
    QCOMPARE(f.messages.texts(), QStringList{"The table is being read ! Press R/W Stop first."});
    QVERIFY(f.table().Text2(0).isEmpty());  // the write did not start: nothing set to "0"

    f.screen.Command2_Click();
    f.screen.cmdDataWrite_Click();
    f.screen.cmdDataRead_Click();
    QVERIFY(f.screen.tmrWrite.isRunning());
    QVERIFY(!f.screen.tmrTokei.isRunning());
    QCOMPARE(f.messages.shown.last().text,
             QStringLiteral("The table is being written ! Press R/W Stop first."));
    QCOMPARE(f.messages.shown.last().caption, QStringLiteral("Caution !"));
    QCOMPARE(f.table().Text2(2), QStringLiteral("kept"));
}

void TableReadTest::failedSendStopsTheRead() {
    TableFixture f;
    f.transport.connected = false;
    f.screen.cmdDataRead_Click();
    for (int tick = 0; tick < 30; ++tick) {
        if (f.screen.tmrTokei.isRunning()) {
            f.readTick();
        }
    }
    QCOMPARE(f.messages.texts(), QStringList{"Not connected !"});
    QVERIFY(!f.screen.tmrTokei.isRunning());
    QVERIFY(!f.m().Connected);
}

QTEST_MAIN(TableReadTest)
#include "tst_table_read.moc"
