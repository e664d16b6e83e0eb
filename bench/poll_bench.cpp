// SPDX-License-Identifier: Apache-2.0
// poll_bench: the console's live poll against the controller simulator, measured.
//
// The console's logic runs as in the program: quven::Console over a real TcpTransport, with
// Timer2 a running IntervalTimer (a Qt precise timer) at the 50 ms the connect sequence sets.
// quven-sim runs as a separate process with no added latency, on 127.0.0.1 and a port it chose
// itself, so the CPU time this process uses is the console's alone.
//
// Measured over the polling window:
//  1. the poll period: the interval between successive poll queries the console sends;
//  2. reply to display: from the socket's data arrival (LineTransport::received) to the first
//     PanelState or ReceiveDisplay change the reply causes; and, for every reply, to the end
//     of its handling (CommandChannel::tcpclient_DataArrival has returned);
//  3. the console's CPU use: getrusage(RUSAGE_SELF) user + system time divided by wall time.
// A baseline window first runs an idle event loop with one 50 ms precise timer that only notes
// its ticks, so the console's figures can be read against what the event loop costs by itself.
//
// What it shares with table_bench (the simulator process, the probed console, the session,
// the statistics and the report) is in BenchSupport.
//
// Exit status: 0 when every figure is within its limit, 1 when one is not, 2 when the
// benchmark could not run.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <memory>
#include <vector>

#include "BenchSupport.h"
#include "app/Console.h"
#include "core/IntervalTimer.h"
#include "core/Module1.h"

namespace {

using namespace bench;

// Limits.
constexpr double kPeriodTolerance = 0.01;  // mean poll period within 1% of kPollPeriodMs
constexpr double kDisplayMedianMs = 1.0;   // median reply-to-display latency below this
constexpr double kCpuPercent = 1.0;        // console CPU use below this, % of one core

// --- The baseline -------------------------------------------------------------------------

struct Baseline {
    Usage usage;
    std::vector<double> ticks;
};

// An idle event loop with one timer like Timer2 whose ticks do nothing but note the time.
Baseline runBaseline(int milliseconds) {
    Baseline baseline;
    quven::IntervalTimer timer(quven::IntervalTimer::Mode::Running);
    QObject::connect(&timer, &quven::IntervalTimer::timeout, &timer,
                     [&baseline] { baseline.ticks.push_back(nowMs()); });
    timer.setInterval(kPollPeriodMs);
    baseline.usage = measureWindow(milliseconds);
    timer.setInterval(0);
    return baseline;
}

// --- The console, instrumented ------------------------------------------------------------

// What the console did in the polling window.
struct Probe : TrafficProbe {
    bool recording = false;

    std::vector<double> querySends;  // poll queries ("...?")
    int otherSends = 0;              // commands that are not queries
    int ticks = 0;                   // Timer2 ticks
    double querySentAt = -1;         // the query awaiting its reply, or -1

    bool inArrival = false;  // inside the socket's data-arrival signal
    bool displayChanged = false;
    double arrivalAt = 0;
    int blocks = 0;                 // replies handed on as a block
    int blocksNoChange = 0;         // of which changed no display
    std::vector<double> toDisplay;  // arrival to the first display change
    std::vector<double> toHandled;  // arrival to the end of the block's handling
    std::vector<double> roundTrip;  // query sent to its reply's arrival

    void sent(const QByteArray& bytes) override {
        const double t = nowMs();
        if (bytes.endsWith("?\r\n")) {
            querySentAt = t;
            if (recording) {
                querySends.push_back(t);
            }
        } else if (recording) {
            ++otherSends;
        }
    }

    void arrivalStarts() override {
        arrivalAt = nowMs();
        inArrival = true;
        displayChanged = false;
        if (recording && querySentAt >= 0) {
            roundTrip.push_back(arrivalAt - querySentAt);
        }
        querySentAt = -1;
    }

    void displayChange() {
        if (inArrival && !displayChanged) {
            displayChanged = true;
            if (recording) {
                toDisplay.push_back(nowMs() - arrivalAt);
            }
        }
    }

    void arrivalEnds(const quven::Module1& module) override {
        const double t = nowMs();
        inArrival = false;
        if (recording && module.ReceiveBuffer.isEmpty()) {
            ++blocks;
            toHandled.push_back(t - arrivalAt);
            if (!displayChanged) {
                ++blocksNoChange;
            }
        }
    }
};

struct PollRun {
    Usage usage;
    Probe probe;
    QString counterBefore;
    QString counterAfter;
    QString firmware;
    int messages = 0;
    bool stillConnected = false;
};

bool runConsole(int port, int warmupMs, int durationMs, bool scan, PollRun* run, QString* error) {
    Probe& probe = run->probe;
    ProbedConsole probed(probe);
    quven::Console& console = probed.console;
    QObject::connect(&console.Timer2, &quven::IntervalTimer::timeout, &console.Timer2,
                     [&probe] { probe.ticks += probe.recording ? 1 : 0; });
    const auto change = [&probe] { probe.displayChange(); };
    quven::PanelState* panel = &console.panel;
    QObject::connect(panel, &quven::PanelState::counterTextChanged, panel, change);
    QObject::connect(panel, &quven::PanelState::modeTextChanged, panel, change);
    QObject::connect(panel, &quven::PanelState::keyLitChanged, panel, change);
    QObject::connect(panel, &quven::PanelState::speedOptionChanged, panel, change);
    QObject::connect(panel, &quven::PanelState::lampChanged, panel, change);
    QObject::connect(panel, &quven::PanelState::firmwareTextChanged, panel, change);
    QObject::connect(&console.receiveDisplay, &quven::ReceiveDisplay::textChanged,
                     &console.receiveDisplay, change);

    if (!openSession(console, probed.transport, port, error)) {
        return false;
    }
    quven::Module1& module = console.module;
    if (scan) {
        // "+G" on the first tick: axis 0 moves, so every counter reply changes the counter
        // display.
        module.ScanRequest = 1;
    }

    // Half a period more, so that the window opens and closes between two ticks and holds the
    // replies to its own queries only.
    runEventLoop(warmupMs + kPollPeriodMs / 2);
    run->counterBefore = console.panel.counterText();
    probe.recording = true;
    run->usage = measureWindow(durationMs);
    probe.recording = false;
    run->counterAfter = console.panel.counterText();
    run->firmware = console.panel.firmwareText();
    run->messages = probed.messages.count;
    run->stillConnected = module.Connected;

    console.Timer2.setInterval(0);
    probed.transport.close();
    return true;
}

// --- Report -------------------------------------------------------------------------------

void reportRow(const char* figure, const QString& measured, const QString& limit,
               const char* result) {
    printRow({QLatin1String(figure), measured, limit, QLatin1String(result)}, {46, 40, 20});
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::unique_ptr<QCoreApplication> app =
        makeApplication(argc, argv, QStringLiteral("poll_bench"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Measures the console's poll period, reply-to-display latency and CPU use while it "
        "polls quven-sim on 127.0.0.1."));
    parser.addHelpOption();
    const QCommandLineOption duration(QStringLiteral("duration"),
                                      QStringLiteral("Polling window in seconds (default 10)."),
                                      QStringLiteral("s"), QStringLiteral("10"));
    const QCommandLineOption baselineOption(
        QStringLiteral("baseline"),
        QStringLiteral("Idle baseline window in seconds (default: as --duration; 0: none)."),
        QStringLiteral("s"));
    const QCommandLineOption warmup(
        QStringLiteral("warmup"),
        QStringLiteral("Polling before the window opens, in seconds (default 1)."),
        QStringLiteral("s"), QStringLiteral("1"));
    const QCommandLineOption sim = simOption();
    const QCommandLineOption noScan(
        QStringLiteral("no-scan"),
        QStringLiteral("Leave the axes still (then few replies change a display)."));
    parser.addOptions({duration, baselineOption, warmup, sim, noScan, widgetsOption()});
    parser.process(*app);

    const auto readSeconds = [&parser](const QCommandLineOption& option, double fallback,
                                       double minimum, double* out) {
        if (!parser.isSet(option) && option.defaultValues().isEmpty()) {
            *out = fallback;
            return true;
        }
        bool ok = false;
        *out = parser.value(option).toDouble(&ok);
        if (!ok || *out < minimum || *out > 600) {
            std::fprintf(stderr, "poll_bench: --%s takes seconds from %g to 600\n",
                         qPrintable(option.names().first()), minimum);
            return false;
        }
        return true;
    };
    double durationS = 0;
    double warmupS = 0;
    double baselineS = 0;
    if (!readSeconds(duration, 10, 1, &durationS) || !readSeconds(warmup, 1, 0.2, &warmupS) ||
        !readSeconds(baselineOption, durationS, 0, &baselineS)) {
        return 2;
    }
    const bool scan = !parser.isSet(noScan);

    Simulator simulator;
    QString error;
    if (!simulator.start(parser.value(sim), &error)) {
        std::fprintf(stderr, "poll_bench: %s\n", qPrintable(error));
        return 2;
    }
    std::printf(
        "poll_bench: console polling quven-sim (pid %lld) on 127.0.0.1:%d, no added "
        "latency\n",
        static_cast<long long>(simulator.pid()), simulator.port());
    std::printf("  event loop: %s, Qt %s; Timer2 %d ms, precise; axis 0 %s\n", eventLoopName(),
                qVersion(), kPollPeriodMs, scan ? "scanning (+G) throughout" : "still");
    std::printf("  windows: baseline %.1f s, warm-up %.1f s, polling %.1f s\n", baselineS, warmupS,
                durationS);
    std::fflush(stdout);

    Baseline baseline;
    if (baselineS > 0) {
        baseline = runBaseline(msFromSeconds(baselineS));
    }
    PollRun run;
    if (!runConsole(simulator.port(), msFromSeconds(warmupS), msFromSeconds(durationS), scan, &run,
                    &error)) {
        std::fprintf(stderr, "poll_bench: %s\n", qPrintable(error));
        return 2;
    }
    simulator.stop();

    const Probe& probe = run.probe;
    std::printf(
        "  polling: %d Timer2 ticks, %zu poll queries, %d other commands, %d replies "
        "(%d changed no display); counter %s -> %s; \"%s\"\n",
        probe.ticks, probe.querySends.size(), probe.otherSends, probe.blocks, probe.blocksNoChange,
        qPrintable(run.counterBefore), qPrintable(run.counterAfter), qPrintable(run.firmware));
    if (run.messages > 0 || !run.stillConnected || probe.querySends.size() < 2) {
        std::fprintf(stderr, "poll_bench: the session failed during the run\n");
        return 2;
    }
    std::printf("\n");

    const Summary period = summarize(intervals(probe.querySends));
    const Summary idlePeriod = summarize(intervals(baseline.ticks));
    const Summary display = summarize(probe.toDisplay);
    const Summary handled = summarize(probe.toHandled);
    const Summary roundTrip = summarize(probe.roundTrip);
    const double periodLow = kPollPeriodMs * (1 - kPeriodTolerance);
    const double periodHigh = kPollPeriodMs * (1 + kPeriodTolerance);
    const bool periodOk = period.mean >= periodLow && period.mean <= periodHigh;
    // Without a display change (--no-scan after the first replies) the limit is held against
    // the end of each reply's handling, which is when any change would have been made.
    const bool judgeHandled = display.n == 0;
    const Summary& judged = judgeHandled ? handled : display;
    const bool displayOk = judged.n > 0 && judged.median < kDisplayMedianMs;
    const bool cpuOk = run.usage.percent() < kCpuPercent;

    reportRow("figure", QStringLiteral("measured"), QStringLiteral("limit"), "");
    reportRow(qPrintable(QStringLiteral("1. poll period, console (n=%1)").arg(period.n)),
              twoFigures("mean", period.mean, "p99", period.p99),
              QStringLiteral("mean %1-%2 ms").arg(periodLow, 0, 'f', 1).arg(periodHigh, 0, 'f', 1),
              verdict(periodOk));
    if (idlePeriod.n > 0) {
        reportRow(
            qPrintable(
                QStringLiteral("   baseline: idle 50 ms precise timer (n=%1)").arg(idlePeriod.n)),
            twoFigures("mean", idlePeriod.mean, "p99", idlePeriod.p99), QString(), "");
    }
    const QString displayLimit = QStringLiteral("median < %1 ms").arg(kDisplayMedianMs);
    if (judgeHandled) {
        reportRow("2. reply to display change (n=0)", QStringLiteral("no reply changed a display"),
                  QString(), "");
    } else {
        reportRow(qPrintable(QStringLiteral("2. reply to display change (n=%1)").arg(display.n)),
                  twoFigures("median", display.median, "p99", display.p99), displayLimit,
                  verdict(displayOk));
    }
    reportRow(qPrintable(QStringLiteral("   reply to handling done, all (n=%1)").arg(handled.n)),
              twoFigures("median", handled.median, "p99", handled.p99),
              judgeHandled ? displayLimit : QString(), judgeHandled ? verdict(displayOk) : "");
    reportRow(qPrintable(QStringLiteral("   query sent to reply arrival (n=%1)").arg(roundTrip.n)),
              twoFigures("median", roundTrip.median, "p99", roundTrip.p99), QString(), "");
    reportRow("3. console CPU while polling",
              QStringLiteral("%1 % of one core (%2 ms in %3 s)")
                  .arg(run.usage.percent(), 0, 'f', 3)
                  .arg(run.usage.cpuMs, 0, 'f', 1)
                  .arg(run.usage.wallMs / 1000, 0, 'f', 1),
              QStringLiteral("< %1 %").arg(kCpuPercent), verdict(cpuOk));
    if (baselineS > 0) {
        reportRow("   baseline: idle loop, one 50 ms timer",
                  QStringLiteral("%1 % of one core (%2 ms in %3 s)")
                      .arg(baseline.usage.percent(), 0, 'f', 3)
                      .arg(baseline.usage.cpuMs, 0, 'f', 1)
                      .arg(baseline.usage.wallMs / 1000, 0, 'f', 1),
                  QString(), "");
    }
    const bool allOk = periodOk && displayOk && cpuOk;

    summaryRow(QStringLiteral("poll period, mean / p99 (n=%1)").arg(period.n),
               QStringLiteral("%1 / %2 ms").arg(period.mean, 0, 'f', 3).arg(period.p99, 0, 'f', 3),
               QStringLiteral("mean %1-%2 ms; idle timer %3 / %4 ms")
                   .arg(periodLow, 0, 'f', 1)
                   .arg(periodHigh, 0, 'f', 1)
                   .arg(idlePeriod.mean, 0, 'f', 3)
                   .arg(idlePeriod.p99, 0, 'f', 3),
               verdict(periodOk));
    summaryRow(
        QStringLiteral("reply to display, median / p99 (n=%1)").arg(judged.n),
        QStringLiteral("%1 / %2 ms").arg(judged.median, 0, 'f', 3).arg(judged.p99, 0, 'f', 3),
        QStringLiteral("median < %1 ms").arg(kDisplayMedianMs), verdict(displayOk));
    summaryRow(QStringLiteral("CPU while polling"),
               QStringLiteral("%1 % of one core").arg(run.usage.percent(), 0, 'f', 3),
               baselineS > 0 ? QStringLiteral("< %1 %; idle loop %2 %")
                                   .arg(kCpuPercent)
                                   .arg(baseline.usage.percent(), 0, 'f', 3)
                             : QStringLiteral("< %1 %").arg(kCpuPercent),
               verdict(cpuOk));
    std::printf("\n%s\n",
                allOk ? "all figures within their limits" : "SOME FIGURES OUTSIDE THEIR LIMITS");
    return allOk ? 0 : 1;
}
