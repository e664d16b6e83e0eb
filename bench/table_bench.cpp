// SPDX-License-Identifier: Apache-2.0
// table_bench: the data-table screen's full table read and full table write against the
// controller simulator, measured.
//
// The console's logic runs as in the program: a quven::TableScreen built from a
// quven::Console's tableLinks(), over a real TcpTransport, with tmrTokei and tmrWrite running
// IntervalTimers (Qt precise timers) at their own 20 ms and 30 ms. quven-sim runs as a separate
// process with no added latency, on 127.0.0.1 and a port it chose itself. The session is opened
// as poll_bench opens it; once the firmware reply is in, "To Setup Screen" hands the link to
// the table screen (ScreenMode 1, Timer2 stopped).
//
// Measured, each transfer repeated (5 times by default):
//  1. a full table read, cmdDataRead_Click() until tmrTokei stops: the wall time from the click
//     to the tick that stops the timer, against its floor of 53 ticks of 20 ms (16 queries and
//     one tick to move on for each of the three row groups, the limit-stop query, the tick that
//     ends the read); the queries sent (49); and the table the read leaves, which must hold
//     the simulator's factory values, so that the time is that of a read that succeeded;
//  2. a full table write, cmdDataWrite_Click() until tmrWrite stops: the wall time against its
//     floor of 49 ticks of 30 ms (one command each, the timer stopped in the last); the
//     commands sent (49). Each write changes two fields first (row 0's H speed, row 15's L
//     speed); a last read checks that the controller stored the last write.
// Limit for both times: within 2% of the floor, for the mean and for the worst run.
//
// Exit status: 0 when every figure is within its limit, 1 when one is not, 2 when the
// benchmark could not run.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "BenchSupport.h"
#include "TableCheck.h"
#include "app/Console.h"
#include "core/IntervalTimer.h"
#include "core/Module1.h"
#include "table/DataTable.h"
#include "table/TableCodes.h"
#include "table/TableRead.h"
#include "table/TableScreen.h"
#include "table/TableWrite.h"

namespace {

using namespace bench;
namespace ti = quven::tableindex;

// What a full transfer takes: ticks, and lines sent.
constexpr int kReadTicks = 3 * (ti::kRowCount + 1) + 2;                       // 53
constexpr int kReadQueries = 3 * ti::kRowCount + 1;                           // 49
constexpr int kWriteTicks = 3 * ti::kRowCount + 1;                            // 49
constexpr int kWriteCommands = kWriteTicks;                                   // 49
constexpr double kReadFloorMs = kReadTicks * quven::TableRead::kPeriodMs;     // 1060
constexpr double kWriteFloorMs = kWriteTicks * quven::TableWrite::kPeriodMs;  // 1470
// Limit: a transfer's time within this fraction above its floor.
constexpr double kTolerance = 0.02;
// A transfer that has not ended after this long has failed.
constexpr int kTransferTimeoutMs = 10000;

// What one transfer did, from its click to the tick that stopped its timer.
struct Transfer {
    bool finished = false;
    double wallMs = 0;
    double cpuMs = 0;
    int ticks = 0;
    int queries = 0;                 // lines ending in "?"
    int commands = 0;                // other lines
    int replies = 0;                 // blocks handed on to the dispatcher
    std::vector<double> roundTrips;  // query sent to its reply's arrival
};

// Notes the lines sent and the replies handled into the transfer that runs.
struct Probe : TrafficProbe {
    Transfer* current = nullptr;
    double querySentAt = -1;

    void sent(const QByteArray& bytes) override {
        const bool query = bytes.endsWith("?\r\n");
        querySentAt = query ? nowMs() : -1;
        if (current != nullptr) {
            ++(query ? current->queries : current->commands);
        }
    }
    void arrivalStarts() override {
        if (current != nullptr && querySentAt >= 0) {
            current->roundTrips.push_back(nowMs() - querySentAt);
        }
        querySentAt = -1;
    }
    void arrivalEnds(const quven::Module1& module) override {
        if (current != nullptr && module.ReceiveBuffer.isEmpty()) {
            ++current->replies;
        }
    }
};

// Clicks, then runs the event loop until the timer has stopped itself in one of its ticks.
Transfer runTransfer(quven::IntervalTimer& timer, const std::function<void()>& click,
                     Probe& probe) {
    Transfer transfer;
    QEventLoop loop;
    double stoppedAt = -1;
    // Connected after the table screen's own handler, so it sees the timer as the tick left it.
    QObject::connect(&timer, &quven::IntervalTimer::timeout, &loop, [&] {
        ++transfer.ticks;
        if (!timer.isRunning() && stoppedAt < 0) {
            stoppedAt = nowMs();
            loop.quit();
        }
    });
    QTimer::singleShot(kTransferTimeoutMs, &loop, &QEventLoop::quit);
    probe.current = &transfer;
    const double cpu0 = cpuMs();
    const double start = nowMs();
    click();
    loop.exec();
    transfer.cpuMs = cpuMs() - cpu0;
    probe.current = nullptr;
    transfer.finished = stoppedAt >= 0;
    transfer.wallMs = (transfer.finished ? stoppedAt : nowMs()) - start;
    timer.setInterval(0);
    return transfer;
}

// --- Report -------------------------------------------------------------------------------

const std::vector<int> kWidths = {46, 34, 10, 20};

void reportRow(const QString& figure, const QString& measured, const QString& floor = QString(),
               const QString& limit = QString(), const char* result = "") {
    printRow({figure, measured, floor, limit, QLatin1String(result)}, kWidths);
}

// Reports the times of one kind of transfer against its floor; true when within the limit.
// The summary names the transfer by shortName.
bool reportTimes(const char* figure, const char* shortName, const std::vector<Transfer>& runs,
                 double floorMs) {
    std::vector<double> times;
    for (const Transfer& run : runs) {
        times.push_back(run.wallMs);
    }
    const Summary s = summarize(times);
    // A precise timer never ticks before it is due, so nothing can come in under the floor.
    const double low = floorMs;
    const double high = floorMs * (1 + kTolerance);
    bool ok = !runs.empty();
    for (const Transfer& run : runs) {
        ok = ok && run.finished && run.wallMs >= low && run.wallMs <= high;
    }
    reportRow(
        QStringLiteral("%1 (n=%2)").arg(QLatin1String(figure)).arg(s.n),
        QStringLiteral("mean %1 ms, worst %2 ms").arg(s.mean, 0, 'f', 1).arg(s.max, 0, 'f', 1),
        QStringLiteral("%1 ms").arg(floorMs, 0, 'f', 0),
        QStringLiteral("%1-%2 ms").arg(low, 0, 'f', 0).arg(high, 0, 'f', 1), verdict(ok));
    summaryRow(QStringLiteral("%1, mean / worst (n=%2)").arg(QLatin1String(shortName)).arg(s.n),
               QStringLiteral("%1 / %2 ms").arg(s.mean, 0, 'f', 1).arg(s.max, 0, 'f', 1),
               QStringLiteral("floor %1 ms, limit %2-%3 ms")
                   .arg(floorMs, 0, 'f', 0)
                   .arg(low, 0, 'f', 0)
                   .arg(high, 0, 'f', 1),
               verdict(ok));
    return ok;
}

// Reports a count that must be the same in every run; true when it is.
bool reportCount(const char* figure, const std::vector<Transfer>& runs, int Transfer::*count,
                 int expected) {
    int low = runs.empty() ? 0 : runs.front().*count;
    int high = low;
    for (const Transfer& run : runs) {
        low = std::min(low, run.*count);
        high = std::max(high, run.*count);
    }
    const bool ok = !runs.empty() && low == expected && high == expected;
    reportRow(QLatin1String(figure),
              ok ? QStringLiteral("%1 in each run").arg(expected)
                 : QStringLiteral("%1 to %2").arg(low).arg(high),
              QString(), QStringLiteral("%1").arg(expected), verdict(ok));
    return ok;
}

void reportCpu(const char* figure, const std::vector<Transfer>& runs) {
    double cpu = 0;
    double wall = 0;
    for (const Transfer& run : runs) {
        cpu += run.cpuMs;
        wall += run.wallMs;
    }
    const double n = runs.empty() ? 1 : static_cast<double>(runs.size());
    reportRow(QLatin1String(figure), QStringLiteral("%1 ms per run, %2 % of one core")
                                         .arg(cpu / n, 0, 'f', 1)
                                         .arg(wall > 0 ? 100 * cpu / wall : 0, 0, 'f', 2));
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::unique_ptr<QCoreApplication> app =
        makeApplication(argc, argv, QStringLiteral("table_bench"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Measures the data-table screen's full table read and full table write against "
        "quven-sim on 127.0.0.1."));
    parser.addHelpOption();
    const QCommandLineOption repeat(QStringLiteral("repeat"),
                                    QStringLiteral("Reads and writes, each (default 5)."),
                                    QStringLiteral("n"), QStringLiteral("5"));
    const QCommandLineOption sim = simOption();
    parser.addOptions({repeat, sim, widgetsOption()});
    parser.process(*app);
    bool repeatOk = false;
    const int repeats = parser.value(repeat).toInt(&repeatOk);
    if (!repeatOk || repeats < 1 || repeats > 100) {
        std::fprintf(stderr, "table_bench: --repeat takes a count from 1 to 100\n");
        return 2;
    }

    Simulator simulator;
    QString error;
    if (!simulator.start(parser.value(sim), &error)) {
        std::fprintf(stderr, "table_bench: %s\n", qPrintable(error));
        return 2;
    }
    std::printf(
        "table_bench: table transfers with quven-sim (pid %lld) on 127.0.0.1:%d, no added "
        "latency\n",
        static_cast<long long>(simulator.pid()), simulator.port());
    std::printf(
        "  event loop: %s, Qt %s; tmrTokei %d ms, tmrWrite %d ms, precise; %d reads, %d writes, "
        "one read to check the writes\n",
        eventLoopName(), qVersion(), quven::TableRead::kPeriodMs, quven::TableWrite::kPeriodMs,
        repeats, repeats);
    std::fflush(stdout);

    Probe probe;
    ProbedConsole probed(probe);
    quven::Console& console = probed.console;
    const RecordedMessages& messages = probed.messages;
    if (!openSession(console, probed.transport, simulator.port(), &error)) {
        std::fprintf(stderr, "table_bench: %s\n", qPrintable(error));
        return 2;
    }
    // The firmware reply is the sign that the session is live.
    const QString noFirmware = console.panel.firmwareText();
    for (int waited = 0; console.panel.firmwareText() == noFirmware && waited < kStartupTimeoutMs;
         waited += 10) {
        runEventLoop(10);
    }
    // "To Setup Screen": ScreenMode 1, Timer2 stopped; the window's screen is made next. A
    // poll reply still on its way is let in first.
    console.screenChange.SetupPb_Click();
    quven::TableScreen screen(console.tableLinks());
    runEventLoop(100);
    std::printf("  session: \"%s\", then To Setup Screen: ScreenMode %d, Timer2 %s\n",
                qPrintable(console.panel.firmwareText()), console.module.ScreenMode,
                console.Timer2.isRunning() ? "running" : "stopped");
    if (console.panel.firmwareText() == noFirmware ||
        console.module.ScreenMode != quven::screenmode::Table || console.Timer2.isRunning() ||
        messages.count > 0) {
        std::fprintf(stderr, "table_bench: the session did not reach the table screen\n");
        return 2;
    }

    // Reads of the factory table.
    std::vector<Transfer> reads;
    QString readMismatch;
    QString row0;
    for (int i = 0; i < repeats; ++i) {
        reads.push_back(runTransfer(
            screen.tmrTokei, [&screen] { screen.cmdDataRead_Click(); }, probe));
        if (i == 0) {
            row0 = QStringLiteral("\"%1\" %2 %3")
                       .arg(screen.table.Text2(ti::position(0)), speedsOf(screen.table, 0),
                            quven::RowBlock(screen.table, 0));
        }
        const QString mismatch = tableMismatch(screen.table, ExpectedTable());
        if (readMismatch.isEmpty() && !mismatch.isEmpty()) {
            readMismatch = QStringLiteral("read %1, %2").arg(i + 1).arg(mismatch);
        }
        runEventLoop(50);
    }
    // Writes, each with two fields changed first; then one read of what the last one stored.
    std::vector<Transfer> writes;
    ExpectedTable written;
    for (int i = 1; i <= repeats; ++i) {
        written.row0Hspd = QStringLiteral("%1").arg(10000 - i, 5, 10, QLatin1Char('0'));
        written.row15Lspd = QStringLiteral("%1").arg(200 + i, 5, 10, QLatin1Char('0'));
        screen.table.setText1(ti::speed(0, ti::Hspd), written.row0Hspd);
        screen.table.setText1(ti::speed(ti::kRowCount - 1, ti::Lspd), written.row15Lspd);
        writes.push_back(runTransfer(
            screen.tmrWrite, [&screen] { screen.cmdDataWrite_Click(); }, probe));
        runEventLoop(50);
    }
    const Transfer check = runTransfer(
        screen.tmrTokei, [&screen] { screen.cmdDataRead_Click(); }, probe);
    const QString writeMismatch =
        !check.finished || check.queries != kReadQueries
            ? QStringLiteral("the read back sent %1 queries and %2")
                  .arg(check.queries)
                  .arg(QLatin1String(check.finished ? "ended" : "did not end"))
            : tableMismatch(screen.table, written);
    simulator.stop();

    const Transfer& read = reads.front();
    const Transfer& write = writes.front();
    std::printf(
        "  first read: %d tmrTokei ticks, %d queries, %d replies, %d other commands; row 0 %s\n",
        read.ticks, read.queries, read.replies, read.commands, qPrintable(row0));
    std::printf("  first write: %d tmrWrite ticks, %d commands, %d queries, %d replies\n",
                write.ticks, write.commands, write.queries, write.replies);
    if (messages.count > 0 || !console.module.Connected) {
        std::fprintf(stderr, "table_bench: the session failed during the run\n");
        return 2;
    }
    std::printf("\n");

    std::vector<double> roundTrips;
    for (const Transfer& run : reads) {
        roundTrips.insert(roundTrips.end(), run.roundTrips.begin(), run.roundTrips.end());
    }
    const Summary roundTrip = summarize(roundTrips);

    reportRow(QStringLiteral("figure"), QStringLiteral("measured"), QStringLiteral("floor"),
              QStringLiteral("limit"));
    const bool readOk =
        reportTimes("1. table read, click to tmrTokei stop", "table read", reads, kReadFloorMs);
    bool checksOk =
        reportCount("   queries sent per read", reads, &Transfer::queries, kReadQueries);
    checksOk =
        reportCount("   tmrTokei ticks per read", reads, &Transfer::ticks, kReadTicks) && checksOk;
    reportRow(
        QStringLiteral("   table after each read"),
        readMismatch.isEmpty() ? QStringLiteral("the simulator's factory values") : readMismatch,
        QString(), QStringLiteral("factory values"), verdict(readMismatch.isEmpty()));
    checksOk = checksOk && readMismatch.isEmpty();
    reportRow(QStringLiteral("   query sent to reply arrival (n=%1)").arg(roundTrip.n),
              twoFigures("median", roundTrip.median, "p99", roundTrip.p99));
    reportCpu("   console CPU per read", reads);

    const bool writeOk =
        reportTimes("2. table write, click to tmrWrite stop", "table write", writes, kWriteFloorMs);
    checksOk =
        reportCount("   commands sent per write", writes, &Transfer::commands, kWriteCommands) &&
        checksOk;
    checksOk = reportCount("   tmrWrite ticks per write", writes, &Transfer::ticks, kWriteTicks) &&
               checksOk;
    reportRow(
        QStringLiteral("   table read back after the writes"),
        writeMismatch.isEmpty()
            ? QStringLiteral("as written (H0 %1, L15 %2)").arg(written.row0Hspd, written.row15Lspd)
            : writeMismatch,
        QString(), QStringLiteral("as written"), verdict(writeMismatch.isEmpty()));
    checksOk = checksOk && writeMismatch.isEmpty();
    reportCpu("   console CPU per write", writes);
    summaryRow(QStringLiteral("table transfers: counts, table contents"),
               checksOk ? QStringLiteral("as expected in every transfer")
                        : QStringLiteral("a count or the table differs (see table_bench)"),
               QStringLiteral("%1 queries, %2 ticks a read; %3 lines, %4 ticks a write")
                   .arg(kReadQueries)
                   .arg(kReadTicks)
                   .arg(kWriteCommands)
                   .arg(kWriteTicks),
               verdict(checksOk));
    const bool allOk = readOk && writeOk && checksOk;

    std::printf("\n%s\n",
                allOk ? "all figures within their limits" : "SOME FIGURES OUTSIDE THEIR LIMITS");
    return allOk ? 0 : 1;
}
