// SPDX-License-Identifier: Apache-2.0
// startup_bench: the console program's start against an empty Qt Widgets window's, measured in
// the same run on the same machine.
//
// It starts console_startup (the console program's main(), measured) and empty_window (one
// empty QMainWindow of the same size on the same Fusion style) as separate processes, one after
// the other, several times each, and reads the line each prints (StartupProbe): the time from
// its start to its first painted frame, and its resident memory (VmRSS) once the window has
// been shown and idle for a moment. The clock reading taken just before each start is passed
// in QUVEN_BENCH_SPAWN_NS, so the times include loading the program and its libraries.
//
// Printed: the median of each figure for both programs and the ratio console / empty window.
// These figures have no limit: the empty window is their baseline.
//
// One run of each program comes first and is not counted (the size of the console's window,
// which the empty window then takes, is read from it; both programs' files are then in the page
// cache, as for any start but the first after boot). The counted runs alternate which program
// starts first.
//
// Exit status: 0 when every run reported its figures, 2 when one did not.

#include <time.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "BenchSupport.h"

namespace {

using namespace bench;

constexpr int kRunTimeoutMs = 30000;

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// What one start reported.
struct Start {
    double mainMs = 0;
    double exposedMs = 0;
    double paintMs = 0;
    double frameMs = 0;
    double rssMib = 0;
    QString size;
    QString platform;
};

// The runs of one program.
struct Program {
    QString name;
    QString path;
    std::vector<Start> starts;

    std::vector<double> values(double Start::*figure) const {
        std::vector<double> out;
        for (const Start& start : starts) {
            out.push_back(start.*figure);
        }
        return out;
    }
    double median(double Start::*figure) const { return summarize(values(figure)).median; }
};

// Starts the program once and reads its line; false (and the reason) when it reported nothing.
bool runOnce(const Program& program, const QString& workDir, const QString& windowSize, int idleMs,
             Start* start, QString* error) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUVEN_BENCH_IDLE_MS"), QString::number(idleMs));
    if (!windowSize.isEmpty()) {
        environment.insert(QStringLiteral("QUVEN_BENCH_WINDOW_SIZE"), windowSize);
    }
    process.setWorkingDirectory(workDir);
    process.setProgram(program.path);
    // The clock is read as late as possible: the variable goes in with it.
    environment.insert(QStringLiteral("QUVEN_BENCH_SPAWN_NS"), QString::number(monotonicNs()));
    process.setProcessEnvironment(environment);
    process.start(QIODevice::ReadOnly);
    if (!process.waitForFinished(kRunTimeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        process.kill();
        process.waitForFinished(1000);
        *error = QStringLiteral("%1 did not end normally: %2\n%3")
                     .arg(program.name, process.errorString(),
                          QString::fromLocal8Bit(process.readAllStandardError()));
        return false;
    }
    static const QRegularExpression line(QStringLiteral(
        "startup: from=spawn main=([\\d.]+) exposed=([\\d.]+) paint=([\\d.]+) frame=([\\d.]+) "
        "rss-kib=(\\d+) size=(\\d+x\\d+) platform=(\\S+)"));
    const QRegularExpressionMatch match =
        line.match(QString::fromLocal8Bit(process.readAllStandardOutput()));
    if (!match.hasMatch()) {
        *error = QStringLiteral("%1 printed no start-up figures:\n%2")
                     .arg(program.name, QString::fromLocal8Bit(process.readAllStandardError()));
        return false;
    }
    start->mainMs = match.captured(1).toDouble();
    start->exposedMs = match.captured(2).toDouble();
    start->paintMs = match.captured(3).toDouble();
    start->frameMs = match.captured(4).toDouble();
    start->rssMib = match.captured(5).toDouble() / 1024.0;
    start->size = match.captured(6);
    start->platform = match.captured(7);
    return true;
}

// --- Report -------------------------------------------------------------------------------

void reportRow(const QString& figure, const QString& console, const QString& empty,
               const QString& ratio) {
    printRow({figure, console, empty, ratio}, {40, 26, 26});
}

QString msRange(const Program& program, double Start::*figure) {
    const Summary s = summarize(program.values(figure));
    std::vector<double> sorted = program.values(figure);
    std::sort(sorted.begin(), sorted.end());
    return QStringLiteral("%1 ms (%2-%3)")
        .arg(s.median, 0, 'f', 1)
        .arg(sorted.front(), 0, 'f', 1)
        .arg(sorted.back(), 0, 'f', 1);
}

QString ratio(double console, double empty) {
    return empty > 0 ? QStringLiteral("%1 x").arg(console / empty, 0, 'f', 2) : QStringLiteral("-");
}

void reportTime(const char* figure, const Program& console, const Program& empty,
                double Start::*member) {
    reportRow(QLatin1String(figure), msRange(console, member), msRange(empty, member),
              ratio(console.median(member), empty.median(member)));
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("startup_bench"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Measures the console program's time to its first painted frame and its resident "
        "memory against an empty Qt Widgets window's, each started as a separate process."));
    parser.addHelpOption();
    const QCommandLineOption runs(QStringLiteral("runs"),
                                  QStringLiteral("Counted starts of each program (default 10)."),
                                  QStringLiteral("n"), QStringLiteral("10"));
    const QCommandLineOption idle(
        QStringLiteral("idle"),
        QStringLiteral("Idle time after the first frame before the memory is read, in "
                       "milliseconds (default 500)."),
        QStringLiteral("ms"), QStringLiteral("500"));
    parser.addOptions({runs, idle});
    parser.process(app);
    bool runsOk = false;
    bool idleOk = false;
    const int runCount = parser.value(runs).toInt(&runsOk);
    const int idleMs = parser.value(idle).toInt(&idleOk);
    if (!runsOk || runCount < 1 || runCount > 200 || !idleOk || idleMs < 0 || idleMs > 10000) {
        std::fprintf(stderr, "startup_bench: --runs takes 1 to 200, --idle 0 to 10000 ms\n");
        return 2;
    }

    Program console{QStringLiteral("console_startup"), QStringLiteral(QUVEN_CONSOLE_STARTUP), {}};
    Program empty{QStringLiteral("empty_window"), QStringLiteral(QUVEN_EMPTY_WINDOW), {}};
    // The console's working folder holds its host history file; neither program finds one.
    QTemporaryDir workDir;
    if (!workDir.isValid()) {
        std::fprintf(stderr, "startup_bench: no temporary folder\n");
        return 2;
    }

    QString error;
    Start warmConsole;
    Start warmEmpty;
    if (!runOnce(console, workDir.path(), QString(), idleMs, &warmConsole, &error) ||
        !runOnce(empty, workDir.path(), warmConsole.size, idleMs, &warmEmpty, &error)) {
        std::fprintf(stderr, "startup_bench: %s\n", qPrintable(error));
        return 2;
    }
    std::printf("startup_bench: console_startup and empty_window, %d starts each\n", runCount);
    std::printf(
        "  platform: %s (QT_QPA_PLATFORM=%s); window %s, Fusion style; Qt %s; memory read %d ms "
        "after the first frame\n",
        qPrintable(warmConsole.platform), qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM")),
        qPrintable(warmConsole.size), qVersion(), idleMs);
    std::printf("  times from the start of the process (the clock read just before it)\n");
    std::fflush(stdout);

    for (int i = 0; i < runCount; ++i) {
        Program* order[2] = {&console, &empty};
        if (i % 2 == 1) {
            std::swap(order[0], order[1]);
        }
        for (Program* program : order) {
            Start start;
            if (!runOnce(*program, workDir.path(), warmConsole.size, idleMs, &start, &error)) {
                std::fprintf(stderr, "startup_bench: %s\n", qPrintable(error));
                return 2;
            }
            program->starts.push_back(start);
        }
    }
    if (empty.starts.front().size != console.starts.front().size) {
        std::fprintf(stderr, "startup_bench: the windows differ in size: %s and %s\n",
                     qPrintable(console.starts.front().size),
                     qPrintable(empty.starts.front().size));
        return 2;
    }

    std::printf("\n");
    const QString n = QStringLiteral(" (n=%1)").arg(runCount);
    reportRow(QStringLiteral("median (min-max)") + n, QStringLiteral("console"),
              QStringLiteral("empty window"), QStringLiteral("console / empty"));
    reportTime("1. start to first frame painted", console, empty, &Start::frameMs);
    reportTime("   start to first paint event", console, empty, &Start::paintMs);
    reportTime("   start to first expose", console, empty, &Start::exposedMs);
    reportTime("   start to main()", console, empty, &Start::mainMs);
    const auto mib = [](const Program& program) {
        std::vector<double> sorted = program.values(&Start::rssMib);
        std::sort(sorted.begin(), sorted.end());
        return QStringLiteral("%1 MiB (%2-%3)")
            .arg(program.median(&Start::rssMib), 0, 'f', 1)
            .arg(sorted.front(), 0, 'f', 1)
            .arg(sorted.back(), 0, 'f', 1);
    };
    reportRow(QStringLiteral("2. resident memory (VmRSS), shown, idle"), mib(console), mib(empty),
              ratio(console.median(&Start::rssMib), empty.median(&Start::rssMib)));

    const double frameConsole = console.median(&Start::frameMs);
    const double frameEmpty = empty.median(&Start::frameMs);
    const double rssConsole = console.median(&Start::rssMib);
    const double rssEmpty = empty.median(&Start::rssMib);
    summaryRow(QStringLiteral("start to first frame, median%1").arg(n),
               QStringLiteral("%1 ms = %2 the empty window")
                   .arg(frameConsole, 0, 'f', 1)
                   .arg(ratio(frameConsole, frameEmpty)),
               QStringLiteral("empty window %1 ms; platform %2")
                   .arg(frameEmpty, 0, 'f', 1)
                   .arg(warmConsole.platform));
    summaryRow(QStringLiteral("resident memory, median%1").arg(n),
               QStringLiteral("%1 MiB = %2 the empty window")
                   .arg(rssConsole, 0, 'f', 1)
                   .arg(ratio(rssConsole, rssEmpty)),
               QStringLiteral("empty window %1 MiB").arg(rssEmpty, 0, 'f', 1));
    std::printf("\nno limits: the empty window is the baseline\n");
    return 0;
}
