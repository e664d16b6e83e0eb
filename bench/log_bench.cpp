// SPDX-License-Identifier: Apache-2.0
// log_bench: what the communication log costs the console under a flood.
//
// A flood peer (FloodPeer, a process of its own on 127.0.0.1) answers the console's poll as the
// simulator does and sends, in between, 10,000 unasked "SRQ00" notices a second, each line on
// its own. The console (LogBenchRun, a fresh process for each run) polls it with its windows on
// the offscreen platform, once with the communication log window open and its poll filter off,
// once with the log window never opened, alternating for --rounds rounds. With the window open
// the poll period, the reply-to-display latency and the GUI's response time (an event posted to
// the GUI thread) must stay within 10% of the runs with it closed. CPU use and resident memory
// are reported for both.
//
// Exit status: 0 when every figure is within its limit, 1 when one is not, 2 when the
// benchmark could not run.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

#include "BenchSupport.h"
#include "FloodPeer.h"
#include "LogBenchRun.h"

namespace {

using namespace bench;

constexpr double kTolerance = 0.10;  // the open log's figures within 10% of the closed one's

using Result = std::map<QString, double>;

// A child of this program: the peer, or one console run.
class Child {
  public:
    ~Child() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(2000);
        }
    }
    bool start(const QStringList& arguments) {
        process_.setProgram(QCoreApplication::applicationFilePath());
        process_.setArguments(arguments);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QIODevice::ReadOnly);
        return process_.waitForStarted(kStartupTimeoutMs);
    }
    // The first line of its output that matches, waited for up to timeoutMs.
    QRegularExpressionMatch awaitLine(const QRegularExpression& pattern, int timeoutMs) {
        const double end = nowMs() + timeoutMs;
        while (nowMs() < end) {
            while (process_.canReadLine()) {
                const QRegularExpressionMatch match =
                    pattern.match(QString::fromLatin1(process_.readLine()));
                if (match.hasMatch()) {
                    return match;
                }
            }
            if (!process_.waitForReadyRead(int(std::max(1.0, end - nowMs())))) {
                break;
            }
        }
        return QRegularExpressionMatch();
    }
    bool finishedWell(int timeoutMs) {
        return process_.waitForFinished(timeoutMs) &&
               process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
    }

  private:
    QProcess process_;
};

bool runConsole(int port, bool logOpen, int warmupMs, int durationMs, Result* result) {
    Child console;
    if (!console.start({QStringLiteral("--console"),
                        logOpen ? QStringLiteral("open") : QStringLiteral("closed"),
                        QStringLiteral("--port"), QString::number(port),
                        QStringLiteral("--warmup-ms"), QString::number(warmupMs),
                        QStringLiteral("--duration-ms"), QString::number(durationMs)})) {
        return false;
    }
    static const QRegularExpression line(QStringLiteral("^result (.*)$"));
    const QRegularExpressionMatch match = console.awaitLine(line, warmupMs + durationMs + 20000);
    if (!match.hasMatch() || !console.finishedWell(10000)) {
        return false;
    }
    for (const QString& pair : match.captured(1).trimmed().split(QLatin1Char(' '))) {
        const QStringList parts = pair.split(QLatin1Char('='));
        (*result)[parts.value(0)] = parts.value(1).toDouble();
    }
    return true;
}

double mean(const std::vector<Result>& runs, const char* key) {
    double sum = 0;
    for (const Result& run : runs) {
        sum += run.at(QLatin1String(key));
    }
    return runs.empty() ? 0 : sum / double(runs.size());
}

void printRun(int round, bool open, const Result& r) {
    std::printf(
        "  round %d, log %-6s period %.3f ms (p99 %.3f), reply to display %.4f ms (p99 %.4f, "
        "n=%.0f), GUI response %.4f ms (p99 %.4f, n=%.0f), CPU %.1f %%, RSS %.1f MiB (peak "
        "%.1f); %.0f lines received in %.0f arrivals, %.0f poll time-outs, %.0f entries logged, "
        "%.0f rows shown\n",
        round, open ? "open" : "closed", r.at(QStringLiteral("period_mean")),
        r.at(QStringLiteral("period_p99")), r.at(QStringLiteral("display_median")),
        r.at(QStringLiteral("display_p99")), r.at(QStringLiteral("display_n")),
        r.at(QStringLiteral("gui_median")), r.at(QStringLiteral("gui_p99")),
        r.at(QStringLiteral("gui_n")), r.at(QStringLiteral("cpu")),
        r.at(QStringLiteral("rss_kib")) / 1024, r.at(QStringLiteral("peak_kib")) / 1024,
        r.at(QStringLiteral("lines")), r.at(QStringLiteral("arrivals")),
        r.at(QStringLiteral("timeouts")), r.at(QStringLiteral("logged")),
        r.at(QStringLiteral("rows")));
}

// One compared figure: its mean over the closed and the open runs; true when within limits.
bool compare(const char* figure, const char* key, const std::vector<Result>& closed,
             const std::vector<Result>& open, const char* unit, bool judged) {
    const double without = mean(closed, key);
    const double with = mean(open, key);
    const double change = without > 0 ? (with - without) / without : 0;
    const bool within = !judged || change <= kTolerance;
    printRow({QLatin1String(figure), QStringLiteral("%1 %2").arg(without, 0, 'f', 4).arg(unit),
              QStringLiteral("%1 %2").arg(with, 0, 'f', 4).arg(unit),
              QStringLiteral("%1%2 %").arg(change >= 0 ? "+" : "").arg(change * 100, 0, 'f', 1),
              judged ? QLatin1String(verdict(within)) : QString()},
             {34, 16, 16, 10});
    summaryRow(QStringLiteral("log open vs closed: %1").arg(QLatin1String(figure)),
               QStringLiteral("%1 vs %2 %3 (%4%5 %)")
                   .arg(with, 0, 'f', 4)
                   .arg(without, 0, 'f', 4)
                   .arg(QLatin1String(unit))
                   .arg(change >= 0 ? "+" : "")
                   .arg(change * 100, 0, 'f', 1),
               judged ? QStringLiteral("at most +10 %") : QString(), judged ? verdict(within) : "");
    return within;
}

int runParent(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("log_bench"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The console under a flood of 10,000 unasked lines a second, with the communication "
        "log window open and never opened."));
    parser.addHelpOption();
    const QCommandLineOption duration(QStringLiteral("duration"),
                                      QStringLiteral("Measured window of each run, s (10)."),
                                      QStringLiteral("s"), QStringLiteral("10"));
    const QCommandLineOption rounds(QStringLiteral("rounds"),
                                    QStringLiteral("Rounds of one closed and one open run (2)."),
                                    QStringLiteral("n"), QStringLiteral("2"));
    const QCommandLineOption flood(QStringLiteral("flood"),
                                   QStringLiteral("Unasked lines a second (10000)."),
                                   QStringLiteral("n"), QStringLiteral("10000"));
    parser.addOptions({duration, rounds, flood});
    parser.process(app);
    const int durationMs = msFromSeconds(parser.value(duration).toDouble());
    const int roundCount = parser.value(rounds).toInt();
    const int linesPerSecond = parser.value(flood).toInt();
    if (durationMs < 1000 || roundCount < 1 || linesPerSecond < 1) {
        std::fprintf(stderr, "log_bench: --duration >= 1, --rounds >= 1, --flood >= 1\n");
        return 2;
    }

    Child peer;
    static const QRegularExpression listening(
        QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"));
    QRegularExpressionMatch port;
    if (!peer.start({QStringLiteral("--peer"), QString::number(linesPerSecond)}) ||
        !(port = peer.awaitLine(listening, kStartupTimeoutMs)).hasMatch()) {
        std::fprintf(stderr, "log_bench: the flood peer did not start\n");
        return 2;
    }
    std::printf(
        "log_bench: the console (QApplication, offscreen, Qt %s) polling a flood peer on "
        "127.0.0.1:%s that sends %d unasked \"SRQ00\" lines a second besides its "
        "answers; %d rounds of %.1f s with the log window closed, then open\n",
        qVersion(), qPrintable(port.captured(1)), linesPerSecond, roundCount, durationMs / 1000.0);
    std::fflush(stdout);
    std::vector<Result> closed;
    std::vector<Result> open;
    for (int round = 1; round <= roundCount; ++round) {
        for (const bool logOpen : {false, true}) {
            Result result;
            if (!runConsole(port.captured(1).toInt(), logOpen, 1000, durationMs, &result)) {
                std::fprintf(stderr, "log_bench: a console run failed\n");
                return 2;
            }
            printRun(round, logOpen, result);
            std::fflush(stdout);
            (logOpen ? open : closed).push_back(result);
        }
    }
    std::printf("\n");
    printRow({QStringLiteral("figure (mean of the runs)"), QStringLiteral("log closed"),
              QStringLiteral("log open"), QStringLiteral("change"), QStringLiteral("limit +10 %")},
             {34, 16, 16, 10});
    bool ok = compare("poll period, mean", "period_mean", closed, open, "ms", true);
    ok = compare("reply to display, median", "display_median", closed, open, "ms", true) && ok;
    ok = compare("GUI response, median", "gui_median", closed, open, "ms", true) && ok;
    compare("poll period, p99", "period_p99", closed, open, "ms", false);
    compare("reply to display, p99", "display_p99", closed, open, "ms", false);
    compare("GUI response, p99", "gui_p99", closed, open, "ms", false);
    compare("CPU, % of one core", "cpu", closed, open, "%", false);
    compare("resident memory at the end", "rss_kib", closed, open, "KiB", false);
    compare("peak resident memory", "peak_kib", closed, open, "KiB", false);
    std::printf("\n%s\n",
                ok ? "all figures within their limits" : "SOME FIGURES OUTSIDE THEIR LIMITS");
    return ok ? 0 : 1;
}

int optionValue(int argc, char** argv, const char* name, int fallback) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0) {
            return std::atoi(argv[i + 1]);
        }
    }
    return fallback;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc >= 3 && std::strcmp(argv[1], "--peer") == 0) {
        return runFloodPeer(std::atoi(argv[2]));
    }
    if (argc >= 3 && std::strcmp(argv[1], "--console") == 0) {
        LogRunOptions options;
        options.logOpen = std::strcmp(argv[2], "open") == 0;
        options.port = optionValue(argc, argv, "--port", 0);
        options.warmupMs = optionValue(argc, argv, "--warmup-ms", 1000);
        options.durationMs = optionValue(argc, argv, "--duration-ms", 10000);
        return runLogConsole(argc, argv, options);
    }
    return runParent(argc, argv);
}
