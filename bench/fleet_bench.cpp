// SPDX-License-Identifier: Apache-2.0
// fleet_bench: quven-table backing up a plant of simulated controllers, measured.
//
// For each plant size (1, 10, 100 and 500 controllers by default) a quven-sim process serves
// that many controllers (--count) on 127.0.0.1, and the quven-table program reads every one of
// them into a folder (`read --hosts FILE -o DIR --jobs N`, all at once, at the default pace),
// repeated (3 times by default). Measured for each run, for the quven-table process alone: its
// wall time from start to exit, its CPU time (user and system) and its peak resident memory,
// through wait4(). Every run must save one file per controller, each the same as the single
// controller's. Each size's median time is given as a ratio to the single controller's median
// in the same run, whose floor is the console's read of 53 ticks of 20 ms (1.06 s).
// Goals: 100 controllers within 1.25 x and 500 within 2 x of one controller.
//
// Then one controller at --read-pace 0, the read run in this process with quven-table's own
// logic (so that the program's start-up is not counted), against the floor measured in the
// same run: a bare client connecting and asking the 49 queries one after the other.
//
// Exit status: 0 when every goal is met, 1 when one is not, 2 when the benchmark could not run.

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

#include "BenchSupport.h"
#include "FleetSupport.h"
#include "tool/Tool.h"

namespace {

using namespace bench;

constexpr double kConsoleReadFloorMs = 53 * 20;
constexpr int kPaceZeroRepeats = 20;
// Time for the simulator to let a client go before the next one comes.
constexpr int kBetweenRunsMs = 100;
const std::map<int, double> kGoals = {{100, 1.25}, {500, 2.0}};

struct SizeRuns {
    int size = 0;
    std::vector<ChildRun> runs;
    QString fault;  // why a run does not count; empty when all did

    double medianMs() const {
        std::vector<double> times;
        for (const ChildRun& run : runs) {
            times.push_back(run.wallMs);
        }
        return summarize(times).median;
    }
};

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every controller's file is there and the same as the single controller's.
QString checkFolder(const QString& folder, int size, const QByteArray& expected) {
    const QStringList files = QDir(folder).entryList(QDir::Files);
    if (files.size() != size) {
        return QStringLiteral("%1 files for %2 controllers").arg(files.size()).arg(size);
    }
    for (const QString& file : files) {
        const QByteArray bytes = fileBytes(QDir(folder).filePath(file));
        if (bytes.count(',') != 97 || (!expected.isEmpty() && bytes != expected)) {
            return file + QStringLiteral(" is not the table read from one controller");
        }
    }
    return QString();
}

SizeRuns measureSize(const QString& sim, const QString& table, int size, int repeats,
                     const QTemporaryDir& work, QByteArray& oneTable) {
    SizeRuns result;
    result.size = size;
    SimulatedPlant plant;
    QString error;
    if (!plant.start(sim, size, &error)) {
        result.fault = error;
        return result;
    }
    const QString hosts = work.filePath(QStringLiteral("plant-%1.hosts").arg(size));
    QFile hostsFile(hosts);
    hostsFile.open(QIODevice::WriteOnly);
    hostsFile.write(plant.hostsFile());
    hostsFile.close();
    for (int r = 0; r < repeats && result.fault.isEmpty(); ++r) {
        QThread::msleep(kBetweenRunsMs);
        // Ends in "/": a folder even for one controller.
        const QString folder = work.filePath(QStringLiteral("plant-%1-%2/").arg(size).arg(r));
        const ChildRun run = runChild(
            table,
            {QStringLiteral("read"), QStringLiteral("--hosts"), hosts, QStringLiteral("-o"), folder,
             QStringLiteral("--jobs"), QString::number(size)},
            folder.chopped(1) + QStringLiteral(".out"), folder.chopped(1) + QStringLiteral(".err"));
        if (!run.ran || run.exitStatus != 0) {
            result.fault = QStringLiteral("quven-table ended with status %1 (see %2.err)")
                               .arg(run.exitStatus)
                               .arg(folder.chopped(1));
            break;
        }
        if (size == 1 && oneTable.isEmpty()) {
            const QStringList files = QDir(folder).entryList(QDir::Files);
            oneTable = files.isEmpty() ? QByteArray() : fileBytes(QDir(folder).filePath(files[0]));
        }
        result.fault = checkFolder(folder, size, oneTable);
        result.runs.push_back(run);
    }
    return result;
}

// One read at --read-pace 0 with quven-table's logic in this process.
double paceZeroReadMs(int port) {
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const double start = nowMs();
    const int status =
        quven::tool::runTool({QStringLiteral("read"), QStringLiteral("127.0.0.1:%1").arg(port),
                              QStringLiteral("--read-pace"), QStringLiteral("0")},
                             {&out, &err, false});
    const double elapsed = nowMs() - start;
    return status == 0 && out.data().count(',') == 97 ? elapsed : -1;
}

const std::vector<int> kWidths = {12, 22, 11, 17, 12, 16};

bool reportSizes(const std::vector<SizeRuns>& sizes, double oneMs) {
    printRow({QStringLiteral("controllers"), QStringLiteral("wall: median (worst)"),
              QStringLiteral("ratio to 1"), QStringLiteral("goal"), QStringLiteral("CPU (worst)"),
              QStringLiteral("peak RSS (worst)")},
             kWidths);
    bool ok = true;
    for (const SizeRuns& size : sizes) {
        std::vector<double> times;
        double cpu = 0;
        long rss = 0;
        for (const ChildRun& run : size.runs) {
            times.push_back(run.wallMs);
            cpu = std::max(cpu, run.cpuMs);
            rss = std::max(rss, run.peakRssKb);
        }
        const Summary s = summarize(times);
        const double ratio = oneMs > 0 ? s.median / oneMs : 0;
        const auto goal = kGoals.find(size.size);
        const bool within = size.fault.isEmpty() && (goal == kGoals.end() || ratio <= goal->second);
        ok = ok && within;
        const QString goalText = goal == kGoals.end()
                                     ? QString()
                                     : QStringLiteral("<= %1 x").arg(goal->second, 0, 'f', 2);
        printRow(
            {QString::number(size.size),
             size.fault.isEmpty()
                 ? QStringLiteral("%1 ms (%2 ms)").arg(s.median, 0, 'f', 0).arg(s.max, 0, 'f', 0)
                 : size.fault,
             QStringLiteral("%1 x").arg(ratio, 0, 'f', 2),
             goalText.isEmpty() ? QStringLiteral("-")
                                : goalText + QLatin1Char(' ') + verdict(within),
             QStringLiteral("%1 ms").arg(cpu, 0, 'f', 0),
             QStringLiteral("%1 MiB").arg(rss / 1024.0, 0, 'f', 1)},
            kWidths);
        summaryRow(QStringLiteral("fleet backup, %1 controller%2 (n=%3)")
                       .arg(size.size)
                       .arg(QLatin1String(size.size == 1 ? "" : "s"))
                       .arg(s.n),
                   size.fault.isEmpty() ? QStringLiteral("%1 ms, %2 x one; CPU %3 ms, RSS %4 MiB")
                                              .arg(s.median, 0, 'f', 0)
                                              .arg(ratio, 0, 'f', 2)
                                              .arg(cpu, 0, 'f', 0)
                                              .arg(rss / 1024.0, 0, 'f', 1)
                                        : size.fault,
                   size.size == 1
                       ? QStringLiteral("floor %1 ms").arg(kConsoleReadFloorMs, 0, 'f', 0)
                       : (goalText.isEmpty() ? QStringLiteral("(no goal)")
                                             : QStringLiteral("goal ") + goalText),
                   goal == kGoals.end() && size.fault.isEmpty() ? "" : verdict(within));
    }
    return ok;
}

// One controller at --read-pace 0 against the loopback floor, each measured in turn; false when
// a read failed.
bool measurePaceZero(const QString& sim) {
    SimulatedPlant one;
    QString error;
    if (!one.start(sim, 1, &error)) {
        std::fprintf(stderr, "fleet_bench: %s\n", qPrintable(error));
        return false;
    }
    std::vector<double> floors;
    std::vector<double> reads;
    for (int i = 0; i < kPaceZeroRepeats; ++i) {
        QThread::msleep(kBetweenRunsMs);
        floors.push_back(loopbackReadFloorMs(one.firstPort()));
        QThread::msleep(kBetweenRunsMs);
        reads.push_back(paceZeroReadMs(one.firstPort()));
    }
    const auto failed = [](double ms) { return ms < 0; };
    if (std::any_of(floors.begin(), floors.end(), failed) ||
        std::any_of(reads.begin(), reads.end(), failed)) {
        std::fprintf(stderr, "fleet_bench: a read at --read-pace 0 or of the floor failed\n");
        return false;
    }
    const Summary floor = summarize(floors);
    const Summary read = summarize(reads);
    const double ratio = read.median / floor.median;
    std::printf("\none controller at --read-pace 0 (n=%zu each, in this process):\n", read.n);
    std::printf("  quven-table read: median %.2f ms, worst %.2f ms\n", read.median, read.max);
    std::printf("  floor, connect and 49 bare round trips: median %.2f ms, worst %.2f ms\n",
                floor.median, floor.max);
    std::printf("  ratio of the medians: %.2f x\n", ratio);
    summaryRow(
        QStringLiteral("fleet: one controller at --read-pace 0 (n=%1)").arg(read.n),
        QStringLiteral("%1 ms, %2 x the floor").arg(read.median, 0, 'f', 2).arg(ratio, 0, 'f', 2),
        QStringLiteral("floor %1 ms (49 round trips)").arg(floor.median, 0, 'f', 2));
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("fleet_bench"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Measures quven-table backing up plants of simulated controllers on 127.0.0.1."));
    parser.addHelpOption();
    const QCommandLineOption sizesOption(QStringLiteral("sizes"),
                                         QStringLiteral("Plant sizes (default 1,10,100,500)."),
                                         QStringLiteral("list"), QStringLiteral("1,10,100,500"));
    const QCommandLineOption repeatOption(QStringLiteral("repeat"),
                                          QStringLiteral("Backups of each plant (default 3)."),
                                          QStringLiteral("n"), QStringLiteral("3"));
    const QCommandLineOption sim(QStringLiteral("sim"), QStringLiteral("The quven-sim program."),
                                 QStringLiteral("path"), QStringLiteral(QUVEN_SIM_PROGRAM));
    const QCommandLineOption table(QStringLiteral("table"),
                                   QStringLiteral("The quven-table program."),
                                   QStringLiteral("path"), QStringLiteral(QUVEN_TABLE_PROGRAM));
    parser.addOptions({sizesOption, repeatOption, sim, table});
    parser.process(app);
    std::vector<int> sizes{1};
    for (const QString& text : parser.value(sizesOption).split(QLatin1Char(','))) {
        const int size = text.toInt();
        if (size < 1 || size > 1000) {
            std::fprintf(stderr, "fleet_bench: --sizes takes plant sizes from 1 to 1000\n");
            return 2;
        }
        if (size != 1) {
            sizes.push_back(size);
        }
    }
    const int repeats = parser.value(repeatOption).toInt();
    if (repeats < 1 || repeats > 20) {
        std::fprintf(stderr, "fleet_bench: --repeat takes 1 to 20\n");
        return 2;
    }

    std::printf(
        "fleet_bench: quven-table read --hosts FILE -o DIR --jobs N of a plant of N "
        "quven-sim controllers on 127.0.0.1, default pace; %d backups each\n\n",
        repeats);
    std::fflush(stdout);
    QTemporaryDir work;
    QByteArray oneTable;
    std::vector<SizeRuns> measured;
    for (const int size : sizes) {
        measured.push_back(
            measureSize(parser.value(sim), parser.value(table), size, repeats, work, oneTable));
        if (!measured.back().fault.isEmpty() && measured.back().runs.empty()) {
            std::fprintf(stderr, "fleet_bench: %s\n", qPrintable(measured.back().fault));
            return 2;
        }
    }
    const double oneMs = measured.front().medianMs();
    std::printf(
        "one controller: median %.0f ms against the console's read floor of %.0f ms "
        "(53 ticks of 20 ms)\n\n",
        oneMs, kConsoleReadFloorMs);
    const bool sizesOk = reportSizes(measured, oneMs);

    if (!measurePaceZero(parser.value(sim))) {
        return 2;
    }
    std::printf("\n%s\n",
                sizesOk ? "all figures within their goals" : "SOME FIGURES OUTSIDE THEIR GOALS");
    return sizesOk ? 0 : 1;
}
