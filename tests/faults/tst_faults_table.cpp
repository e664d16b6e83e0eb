// SPDX-License-Identifier: Apache-2.0
#include <QtTest>

#include "FaultBench.h"

using namespace quven;
using sim::SimFaults;
namespace ti = tableindex;

namespace {

QString answer(sim::ControllerModel& model, const QByteArray& query) {
    return QString::fromLatin1(model.execute(query).answer.value_or(QByteArray()));
}

// Checks every field the read filled against what the controller holds; empty fields were
// skipped after a time-out. Returns how many of the 49 items were read.
int itemsReadCorrectly(const DataTable& table, sim::ControllerModel& model) {
    int read = 0;
    for (int row = 0; row < ti::kRowCount; ++row) {
        const QByteArray name = row < 8 ? "N" : "F";
        const QByteArray digit = QByteArray::number(row % 8);
        const QString position = table.Text2(ti::position(row));
        if (!position.isEmpty()) {
            const QString expected = answer(model, name + "CNT" + digit + "?");
            if (position != expected) {
                qWarning() << "row" << row << "position" << position << "not" << expected;
                return -1;
            }
            ++read;
        }
        const QString speeds = answer(model, name + "SPD" + digit + "?");
        const QString hspd = table.Text1(ti::speed(row, ti::Hspd));
        if (!hspd.isEmpty()) {
            if (hspd != speeds.mid(6, 5) ||
                table.Text1(ti::speed(row, ti::Rate)) != speeds.mid(24, 2)) {
                qWarning() << "row" << row << "speeds" << hspd << "not" << speeds;
                return -1;
            }
            ++read;
        }
        const bool anyDrive = table.selectedInFrame(ti::driveFrame(row)) >= 0;
        if (anyDrive) {
            const QString block = answer(model, name + "SET" + digit + "?");
            if (!table.Option2(ti::drive(row, ti::DriveT)) ||
                block.mid(5, 1) != QLatin1String("T")) {
                qWarning() << "row" << row << "switches not" << block;
                return -1;
            }
            ++read;
        }
    }
    if (table.selectedInFrame(16) >= 0) {
        if (!table.Option2(ti::SlowStop) || !table.Option2(ti::AllStop)) {
            return -1;
        }
        ++read;
    }
    return read;
}

}  // namespace

// The data-table screen's read and write against a slow, lossy or misbehaving controller:
// what was read is right, and what could not be read stays empty.
class FaultsTableTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void readUnderFaults_data();
    void readUnderFaults();
    void connectionClosedDuringATransfer_data();
    void connectionClosedDuringATransfer();
    void reconnectWhileTheTableScreenIsShown();
};

void FaultsTableTest::readUnderFaults_data() {
    QTest::addColumn<SimFaults>("faults");
    QTest::addColumn<bool>("complete");

    QTest::newRow("latency below the time-out")
        << withFaults([](SimFaults& f) { f.latencyMs = 100; }) << true;
    QTest::newRow("latency above the time-out")
        << withFaults([](SimFaults& f) { f.latencyMs = 400; }) << false;
    QTest::newRow("byte by byte") << withFaults([](SimFaults& f) {
        f.splitBytes = 1;
        f.splitGapMs = 1;
    }) << true;
    QTest::newRow("merged in pairs")
        << withFaults([](SimFaults& f) { f.mergePairs = true; }) << false;
    QTest::newRow("notices in the middle")
        << withFaults([](SimFaults& f) { f.noticeEveryMs = 45; }) << false;
    QTest::newRow("garbage and binary bytes")
        << withFaults([](SimFaults& f) { f.garbageEvery = 3; }) << true;
    QTest::newRow("every sixth answer lost")
        << withFaults([](SimFaults& f) { f.dropEvery = 6; }) << true;
    // Every answer ends in the byte.
    for (const int odd : {0xB5, 0x00}) {
        QTest::addRow("answers ending in 0x%02X", odd) << withFaults([odd](SimFaults& f) {
            f.oddByteEvery = 1;
            f.oddByte = odd;
        }) << true;
    }
}

void FaultsTableTest::readUnderFaults() {
    QFETCH(SimFaults, faults);
    QFETCH(bool, complete);

    FaultBench b;
    QVERIFY(b.connectConsole());
    QVERIFY(b.panelShowsController());
    b.model.execute("NCNT2-0004321");
    TableScreen& screen = b.openTableScreen();
    b.server.setFaults(faults);

    screen.cmdDataRead_Click();
    QVERIFY(b.waitFor([&] { return !screen.tmrTokei.isRunning(); }, 60000));
    QCOMPARE(b.console.module.TableItemType, TableRead::kFinished);
    QVERIFY(screen.status.text().isEmpty());
    const int read = itemsReadCorrectly(screen.table, b.model);
    QVERIFY(read >= 0);  // nothing read wrongly
    if (complete) {
        QCOMPARE(read, 49);
        QCOMPARE(screen.table.Text2(2), QStringLiteral("-0004321"));
    }
    // What was not read is told once, and marked; a whole table is not.
    if (read == 49) {
        QVERIFY(b.messages.shown.isEmpty());
        QVERIFY(screen.unread.marked().isEmpty());
    } else {
        QCOMPARE(b.messages.shown.size(), 1);
        QVERIFY(b.messages.shown.first().text.startsWith(QLatin1String("Data Read incomplete")));
        QCOMPARE(screen.unread.marked().size(), 49 - read);
    }

    // Whatever the fault did, the control screen takes over again when the operator goes back.
    b.server.setFaults({});
    screen.Command1_Click();
    b.model.execute("PRS+0000099");
    QVERIFY(b.waitFor([&] { return b.console.panel.counterText() == QLatin1String("+0000099"); }));
}

void FaultsTableTest::connectionClosedDuringATransfer_data() {
    QTest::addColumn<bool>("write");
    QTest::newRow("during a read") << false;
    QTest::newRow("during a write") << true;
}

void FaultsTableTest::connectionClosedDuringATransfer() {
    QFETCH(bool, write);
    FaultBench b;
    int lines = 0;
    connect(&b.server, &sim::SimServer::lineHandled, &b.server, [&lines] { ++lines; });
    QVERIFY(b.connectConsole());
    QVERIFY(b.panelShowsController());
    TableScreen& screen = b.openTableScreen();
    QTest::qWait(100);  // the last poll answer is in
    b.server.setFaults(withFaults([&lines](SimFaults& f) { f.closeAfter = lines + 10; }));

    write ? screen.cmdDataWrite_Click() : screen.cmdDataRead_Click();
    QVERIFY(b.waitFor([&] { return !b.console.module.Connected; }));
    QTest::qWait(400);  // no further tick may bring a second message
    QCOMPARE(b.messages.texts(), QStringList{"Not connected !"});
    QVERIFY(!screen.tmrTokei.isRunning());
    QVERIFY(!screen.tmrWrite.isRunning());
    QCOMPARE(b.console.Timer2.interval(), 0);
    QCOMPARE(b.console.sessionControls.connectCaption(), QStringLiteral("Connect"));
    if (!write) {
        QVERIFY(itemsReadCorrectly(screen.table, b.model) >= 0);
    }
}

// Disconnect and Connect while the data-table screen is shown: the status poll stays stopped, so
// no poll query is sent and no poll answer is read as a table reply; it starts again, with
// "VER?", when the control screen takes the replies back.
void FaultsTableTest::reconnectWhileTheTableScreenIsShown() {
    FaultBench b;
    QVERIFY(b.connectConsole());
    QVERIFY(b.panelShowsController());
    b.model.execute("NCNT2-0004321");
    TableScreen& screen = b.openTableScreen();
    QByteArrayList lines;
    connect(&b.server, &sim::SimServer::lineHandled, &b.server,
            [&lines](const QByteArray& line) { lines.append(line); });

    b.console.session.Connect_Click();  // Disconnect
    QVERIFY(b.waitFor([&] { return !b.server.hasClient(); }));
    QVERIFY(b.connectConsole());
    QCOMPARE(b.console.Timer2.interval(), 0);
    QTest::qWait(300);
    screen.cmdDataRead_Click();
    QVERIFY(b.waitFor([&] { return !screen.tmrTokei.isRunning(); }, 20000));
    QCOMPARE(itemsReadCorrectly(screen.table, b.model), 49);
    QVERIFY(b.messages.shown.isEmpty());
    for (const char* poll : {"VER?", "MODE?", "SPD?", "LS?", "CNT?"}) {
        QVERIFY2(!lines.contains(poll), poll);
    }

    const qsizetype before = lines.size();
    screen.Command1_Click();
    QVERIFY(b.waitFor([&] { return lines.size() > before; }));
    QCOMPARE(lines.at(before), QByteArray("VER?"));
    QVERIFY(b.panelShowsController());
}

QTEST_GUILESS_MAIN(FaultsTableTest)
#include "tst_faults_table.moc"
