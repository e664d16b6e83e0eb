// SPDX-License-Identifier: Apache-2.0
// reply_path_bench: how many reply blocks per second the console's reply path takes, as a
// Google Benchmark micro-benchmark, against a baseline measured in the same run.
//
// Each iteration feeds one poll cycle's typical replies, as quven-sim sends them while axis 0
// scans: a counter reply (a different value each time, so the counter display changes), a mode
// reply, a speed-range reply and a limit-switch reply. Items are blocks (four an iteration).
//  - baseline: what the intake does with the bytes and nothing more: each block handed over as
//    a QByteArray, turned into a QString, appended to the gathered text and taken out again;
//  - DispatchReply: the blocks, already QStrings, given to ReplyDispatcher::DispatchReply of a
//    quven::Console (IntervalTimer::Mode::Manual): the dispatch and the control screen's
//    branch (PollCycle reads each reply by its PollState and sets the displays' state);
//  - arrival: each block arriving through a LineTransport (the tests' socket-free recording
//    transport): the received() signal, CommandChannel's line intake, then the same
//    dispatch and branch, as the program does for every reply.
// No widget is bound: the displays' repaints are not part of these figures.
//
// Run with repetitions (5 by default) and the median reported; any Google Benchmark option
// (--benchmark_filter, --benchmark_repetitions, --benchmark_min_time, ...) may be added.
// After Google Benchmark's own table it prints the blocks per second of each against the
// baseline and against what the poll needs (one reply per 50 ms tick, 20 a second).
//
// Exit status: 0 when the reply path keeps up with the poll, 1 when it does not, 2 when the
// benchmark could not run.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "BenchSupport.h"
#include "ConsoleFixture.h"
#include "app/Console.h"
#include "core/Module1.h"

namespace {

using namespace bench;

constexpr int kBlocksPerCycle = 4;
constexpr int kCounterValues = 256;
// What the poll needs: one reply per tick.
constexpr double kNeededPerSecond = 1000.0 / kPollPeriodMs;

// --- The blocks ---------------------------------------------------------------------------

// One poll cycle's replies, in the order the poll asks: counter, mode, speed range, limit
// switches. The counter value differs from cycle to cycle.
struct Blocks {
    std::vector<QByteArray> counters;
    QByteArray mode = QByteArrayLiteral("N10000000\r\n");
    QByteArray speed = QByteArrayLiteral("SPDM\r\n");
    QByteArray limits = QByteArrayLiteral("LS M 00 CCWLS 00\r\n");

    Blocks() {
        for (int i = 0; i < kCounterValues; ++i) {
            counters.push_back(QByteArray("+") +
                               QByteArray::number(1000 + 100 * i).rightJustified(7, '0') + "\r\n");
        }
    }
    const QByteArray& at(int cycle, int index) const {
        switch (index) {
            case 0:
                return counters[static_cast<std::size_t>(cycle % kCounterValues)];
            case 1:
                return mode;
            case 2:
                return speed;
            default:
                return limits;
        }
    }
};

const Blocks& blocks() {
    static const Blocks instance;
    return instance;
}

// --- The console --------------------------------------------------------------------------

// The console as the session leaves it, on the control screen, awaiting the counter reply, on
// the tests' recording transport (an arrival hands the bytes over and signals, as the socket's
// data-arrival event would). Neither the transport nor the messages keep what passes through
// them: only counts.
struct ConsoleUnderTest : ConsoleOn<RecordingTransport> {
    ConsoleUnderTest() {
        transport.keep = RecordingTransport::Keep::Count;
        messages.keep = RecordedMessages::Keep::Count;
        transport.connected = true;
        console.module.Connected = true;
        console.module.ScreenMode = quven::screenmode::Control;
        console.module.PollState = quven::pollstate::Counter;
        console.module.ReplyPending = true;
    }
};

// --- The benchmarks -----------------------------------------------------------------------

void setCounts(benchmark::State& state, long long bytesPerCycle) {
    state.SetItemsProcessed(state.iterations() * kBlocksPerCycle);
    state.SetBytesProcessed(state.iterations() * bytesPerCycle);
}

long long bytesPerCycle() {
    const Blocks& b = blocks();
    return b.counters.front().size() + b.mode.size() + b.speed.size() + b.limits.size();
}

void baselineCopyAppend(benchmark::State& state) {
    const Blocks& b = blocks();
    QByteArray pending;
    QString gathered;
    int cycle = 0;
    for (auto _ : state) {
        for (int i = 0; i < kBlocksPerCycle; ++i) {
            pending = b.at(cycle, i);
            gathered += QString::fromLatin1(std::exchange(pending, QByteArray()));
            if (gathered.endsWith(QLatin1Char('\n'))) {
                QString block = std::exchange(gathered, QString());
                benchmark::DoNotOptimize(block);
            }
        }
        ++cycle;
    }
    setCounts(state, bytesPerCycle());
}

void dispatchReply(benchmark::State& state) {
    const Blocks& b = blocks();
    std::vector<QString> counters;
    for (const QByteArray& counter : b.counters) {
        counters.push_back(QString::fromLatin1(counter));
    }
    const QString rest[] = {QString::fromLatin1(b.mode), QString::fromLatin1(b.speed),
                            QString::fromLatin1(b.limits)};
    ConsoleUnderTest under;
    quven::ReplyDispatcher& dispatcher = under.console.dispatcher;
    int cycle = 0;
    for (auto _ : state) {
        dispatcher.DispatchReply(counters[static_cast<std::size_t>(cycle % kCounterValues)]);
        for (const QString& block : rest) {
            dispatcher.DispatchReply(block);
        }
        ++cycle;
    }
    setCounts(state, bytesPerCycle());
}

void arrival(benchmark::State& state) {
    const Blocks& b = blocks();
    ConsoleUnderTest under;
    int cycle = 0;
    for (auto _ : state) {
        for (int i = 0; i < kBlocksPerCycle; ++i) {
            under.transport.arrive(b.at(cycle, i));
        }
        ++cycle;
    }
    setCounts(state, bytesPerCycle());
}

// The names the report goes by, in the order they run.
const char* const kBaseline = "baseline/QString_copy_append";
const char* const kDispatch = "DispatchReply";
const char* const kArrival = "arrival_to_Console";

// Feeds one cycle through the console and checks that it read every reply as the poll does;
// empty when it did.
QString sanityCheck() {
    const Blocks& b = blocks();
    ConsoleUnderTest under;
    for (int i = 0; i < kBlocksPerCycle; ++i) {
        under.transport.arrive(b.at(0, i));
    }
    const quven::Module1& module = under.console.module;
    const QString counter = QString::fromLatin1(b.at(0, 0)).left(8);
    if (under.console.panel.counterText() != counter) {
        return QStringLiteral("the counter display shows \"%1\", not \"%2\"")
            .arg(under.console.panel.counterText(), counter);
    }
    if (module.PollState != quven::pollstate::Counter || module.ReplyPending ||
        !module.ReceiveBuffer.isEmpty() || module.ModeLetter != QLatin1String("N") ||
        under.messages.count > 0) {
        return QStringLiteral("the poll did not take the four replies as one cycle");
    }
    return QString();
}

// --- Report -------------------------------------------------------------------------------

// Google Benchmark's console table, with the blocks per second of each benchmark kept: the
// median over the repetitions, or the one run without repetitions.
class KeepingReporter : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, double> perSecond;
    std::map<std::string, bool> fromMedian;
    int repetitions = 1;

    // In colour on a terminal only; the context (machine, caches, load) goes to stdout too,
    // in order with the rest.
    KeepingReporter() : ConsoleReporter(isatty(STDOUT_FILENO) != 0 ? OO_ColorTabular : OO_Tabular) {
        SetErrorStream(&std::cout);
    }

    void ReportRuns(const std::vector<Run>& reports) override {
        ConsoleReporter::ReportRuns(reports);
        for (const Run& run : reports) {
            const auto items = run.counters.find("items_per_second");
            if (run.error_occurred || items == run.counters.end()) {
                continue;
            }
            const std::string name = run.run_name.function_name;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (median || (run.run_type == Run::RT_Iteration && !fromMedian[name])) {
                perSecond[name] = items->second.value;
                fromMedian[name] = median;
                repetitions = static_cast<int>(run.repetitions);
            }
        }
    }
};

QString rate(double perSecond) {
    return QStringLiteral("%1 M/s").arg(perSecond / 1e6, 0, 'f', 2);
}

QString nsEach(double perSecond) {
    return QStringLiteral("%1 ns").arg(1e9 / perSecond, 0, 'f', 1);
}

}  // namespace

int main(int argc, char* argv[]) {
    int appArgc = 1;
    QCoreApplication app(appArgc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("reply_path_bench"));

    // Defaults first, so that the same options on the command line override them.
    std::vector<std::string> defaults = {"--benchmark_repetitions=5",
                                         "--benchmark_report_aggregates_only=true"};
    std::vector<char*> args = {argv[0]};
    for (std::string& option : defaults) {
        args.push_back(option.data());
    }
    for (int i = 1; i < argc; ++i) {
        args.push_back(argv[i]);
    }
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) {
        return 2;
    }

    const QString wrong = sanityCheck();
    if (!wrong.isEmpty()) {
        std::fprintf(stderr, "reply_path_bench: %s\n", qPrintable(wrong));
        return 2;
    }
    std::printf(
        "reply_path_bench: reply blocks through the console's reply path (Google Benchmark)\n");
    std::printf(
        "  blocks: a counter (%d values), mode, speed-range and limit-switch reply per "
        "iteration, %lld bytes; Qt %s; no widgets\n\n",
        kCounterValues, bytesPerCycle(), qVersion());
    std::fflush(stdout);

    benchmark::RegisterBenchmark(kBaseline, baselineCopyAppend);
    benchmark::RegisterBenchmark(kDispatch, dispatchReply);
    benchmark::RegisterBenchmark(kArrival, arrival);
    KeepingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::cout.flush();
    benchmark::Shutdown();

    const auto found = [&reporter](const char* name) {
        const auto it = reporter.perSecond.find(name);
        return it == reporter.perSecond.end() ? 0.0 : it->second;
    };
    const double baseline = found(kBaseline);
    const std::vector<std::pair<const char*, const char*>> paths = {
        {kDispatch, "reply path: DispatchReply + branch"},
        {kArrival, "reply path: arrival to display state"}};

    std::printf("\n");
    const std::vector<int> widths = {46, 24, 12, 26};
    const QString over = reporter.repetitions > 1
                             ? QStringLiteral(" (median of %1)").arg(reporter.repetitions)
                             : QString();
    printRow(
        {QStringLiteral("blocks") + over, QStringLiteral("blocks/s"), QStringLiteral("a block"),
         QStringLiteral("time vs baseline"), QStringLiteral("need")},
        widths);
    if (baseline > 0) {
        printRow(
            {QStringLiteral("baseline: QString copy + append"), rate(baseline), nsEach(baseline)},
            widths);
    }
    bool allOk = true;
    bool anyRun = baseline > 0;
    for (const auto& [name, figure] : paths) {
        const double perSecond = found(name);
        if (perSecond <= 0) {
            continue;  // filtered out
        }
        anyRun = true;
        const bool ok = perSecond >= kNeededPerSecond;
        allOk = allOk && ok;
        const QString times =
            baseline > 0 ? QString::number(baseline / perSecond, 'f', 1) : QStringLiteral("-");
        printRow({QLatin1String(figure), rate(perSecond), nsEach(perSecond),
                  baseline > 0 ? times + QStringLiteral(" x") : times,
                  QStringLiteral(">= %1/s %2").arg(kNeededPerSecond).arg(verdict(ok))},
                 widths);
        summaryRow(QLatin1String(figure) + over,
                   QStringLiteral("%1 (%2 a block)").arg(rate(perSecond), nsEach(perSecond)),
                   baseline > 0 ? QStringLiteral("baseline copy+append %1, %2 x faster; need %3/s")
                                      .arg(rate(baseline), times)
                                      .arg(kNeededPerSecond)
                                : QStringLiteral("need %1/s").arg(kNeededPerSecond),
                   verdict(ok));
    }
    if (!anyRun) {
        std::fprintf(stderr, "reply_path_bench: no benchmark ran\n");
        return 2;
    }
    std::printf("\n%s\n", allOk ? "the reply path keeps up with the poll"
                                : "THE REPLY PATH DOES NOT KEEP UP WITH THE POLL");
    return allOk ? 0 : 1;
}
