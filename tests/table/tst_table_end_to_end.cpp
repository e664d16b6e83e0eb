// SPDX-License-Identifier: Apache-2.0
#include <QtTest>

#include "SimConsole.h"
#include "table/TableScreen.h"

using namespace quven;
namespace ti = tableindex;

namespace {

// The console's real logic and timers, a data-table screen, and the simulator on 127.0.0.1,
// connected through the connect dialog's logic and handed over as "To Setup Screen" does.
struct Bench : SimConsole {
    explicit Bench(sim::SimFaults faults = {}) : SimConsole(IntervalTimer::Mode::Running, faults) {
        QVERIFY(connectConsole());
        QTRY_COMPARE(transport.state(), QAbstractSocket::ConnectedState);
        console.Timer2.setInterval(0);  // as "To Setup Screen" leaves it
        console.module.ScreenMode = screenmode::Table;
    }

    bool runRead() {
        screen.cmdDataRead_Click();
        return QTest::qWaitFor([this] { return !screen.tmrTokei.isRunning(); }, 20000);
    }
    bool runWrite() {
        screen.cmdDataWrite_Click();
        return QTest::qWaitFor([this] { return !screen.tmrWrite.isRunning(); }, 20000);
    }

    TableScreen screen{console.tableLinks()};
};

QString answer(sim::ControllerModel& model, const QByteArray& query) {
    return QString::fromLatin1(model.execute(query).answer.value_or("<none>"));
}

}  // namespace

// The table through the real socket: written into the simulator, read back, and the same
// under a lost reply and a lost connection.
class TableEndToEndTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void writtenTableReadsBack();
    void readSurvivesDroppedReplies();
    void writeStopsWhenTheConnectionIsLost();
};

void TableEndToEndTest::writtenTableReadsBack() {
    Bench b;
    DataTable& t = b.screen.table;
    for (int row = 0; row < ti::kRowCount; ++row) {
        t.setText2(ti::position(row), QString::number((row - 8) * 1111));
        t.setText1(ti::speed(row, ti::Hspd), QString::number(1000 + row));
        t.setText1(ti::speed(row, ti::Lspd), QString::number(row));  // MSPD left empty
        t.setText1(ti::speed(row, ti::Rate), QString::number(row % 10));
        if (row % 3 != 2) {
            t.selectOption2(ti::drive(row, row % 3));  // S, T, none
        }
    }
    t.setCheck2(ti::normalSwitch(1, ti::CwlsEnable), true);
    t.setCheck2(ti::normalSwitch(1, ti::CwlsNc), true);
    t.setCheck2(ti::normalSwitch(2, ti::CcwlsNc), true);  // without its EN
    t.setCheck2(ti::normalSwitch(3, ti::PulseEnable), true);
    t.setCheck2(ti::normalSwitch(3, ti::PulseReverse), true);
    t.setCheck2(ti::axisEnable(4, 6), true);
    t.setCheck2(ti::axisReverse(4, 6), true);
    t.selectOption2(ti::EmStop);

    QVERIFY(b.runWrite());
    QCOMPARE(answer(b.model, "NSPD7?"), QStringLiteral("NSPD7:01007/00000/00007/07"));
    QCOMPARE(answer(b.model, "FSET4?"), QStringLiteral("FSET4S00000020"));

    QVERIFY(b.runRead());
    QVERIFY(b.messages.shown.isEmpty());
    QCOMPARE(b.console.module.TableItemType, TableRead::kFinished);
    // Equal but for what the write and the read change: numbers in their fixed widths, a row
    // without a drive comes back as C, a pair without its EN comes back without its second box,
    // an unselected limit-stop pair as "SLOW STOP" or "INDIV. STOP".
    for (int row = 0; row < ti::kRowCount; ++row) {
        const int value = (row - 8) * 1111;
        QCOMPARE(t.Text2(ti::position(row)),
                 (value < 0 ? QStringLiteral("-") : QStringLiteral("+")) +
                     QString::number(qAbs(value)).rightJustified(7, QLatin1Char('0')));
        QCOMPARE(t.Text1(ti::speed(row, ti::Hspd)),
                 QString::number(1000 + row).rightJustified(5, '0'));
        QCOMPARE(t.Text1(ti::speed(row, ti::Mspd)), QStringLiteral("00000"));
        QCOMPARE(t.Text1(ti::speed(row, ti::Lspd)), QString::number(row).rightJustified(5, '0'));
        QCOMPARE(t.Text1(ti::speed(row, ti::Rate)),
                 QString::number(row % 10).rightJustified(2, '0'));
        QVERIFY(t.Option2(ti::drive(row, row % 3)));
    }
    QVERIFY(t.Check2(ti::normalSwitch(1, ti::CwlsNc)));
    QVERIFY(!t.Check2(ti::normalSwitch(2, ti::CcwlsNc)));
    QVERIFY(t.Check2(ti::normalSwitch(3, ti::PulseReverse)));
    QVERIFY(t.Check2(ti::axisReverse(4, 6)));
    QVERIFY(t.Option2(ti::EmStop));
    QVERIFY(t.Option2(ti::IndivStop));
}

void TableEndToEndTest::readSurvivesDroppedReplies() {
    Bench b(withFaults([](sim::SimFaults& f) { f.dropEvery = 6; }));
    QVERIFY(b.runRead());
    QVERIFY(b.messages.shown.isEmpty());
    QCOMPARE(b.console.module.TableItemType, TableRead::kFinished);
    // Every sixth answer is lost: a query whose answer is lost times out and is asked again,
    // and the whole table is read, right.
    DataTable& t = b.screen.table;
    for (int row = 0; row < ti::kRowCount; ++row) {
        const QByteArray digit = QByteArray::number(row % 8);
        const QString speeds = answer(b.model, (row < 8 ? "NSPD" : "FSPD") + digit + "?");
        QCOMPARE(t.Text2(ti::position(row)), QStringLiteral("+0000000"));
        QCOMPARE(t.Text1(ti::speed(row, ti::Hspd)), speeds.mid(6, 5));
        QCOMPARE(t.Text1(ti::speed(row, ti::Rate)), speeds.mid(24, 2));
        QVERIFY(t.Option2(ti::drive(row, ti::DriveT)));
    }
    QVERIFY(b.screen.unread.marked().isEmpty());
    QVERIFY(t.Option2(ti::SlowStop));
    QVERIFY(t.Option2(ti::AllStop));
}

void TableEndToEndTest::writeStopsWhenTheConnectionIsLost() {
    Bench b(withFaults([](sim::SimFaults& f) { f.closeAfter = 5; }));
    QVERIFY(b.runWrite());
    QTest::qWait(200);  // no further tick may bring another message
    QCOMPARE(b.messages.texts(), QStringList{"Not connected !"});
    QVERIFY(!b.console.module.Connected);
    QVERIFY(b.transport.state() != QAbstractSocket::ConnectedState);
    QCOMPARE(b.console.sessionControls.connectCaption(), QStringLiteral("Connect"));
}

QTEST_MAIN(TableEndToEndTest)
#include "tst_table_end_to_end.moc"
