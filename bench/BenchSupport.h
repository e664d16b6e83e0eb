// SPDX-License-Identifier: Apache-2.0
#pragma once

// What the benchmarks share: time and CPU readings, statistics, event-loop windows, the
// simulator as a child process, the console on its socket with its traffic reported to a probe
// (the doubles and the session set-up are the tests' own, from tests/support), and the printed
// report.

#include <QByteArray>
#include <QCommandLineOption>
#include <QCoreApplication>
#include <QProcess>
#include <QString>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "ConsoleFixture.h"
#include "ObservedTcpTransport.h"

namespace bench {

// How long the simulator and the connection may take to come up.
constexpr int kStartupTimeoutMs = 5000;

// --- The application ----------------------------------------------------------------------

// The program itself runs a QApplication; with --widgets on the command line the benchmark runs
// under one too (offscreen under bench/run), otherwise under a QCoreApplication.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv, const QString& name);
// "QApplication (offscreen)" or "QCoreApplication".
const char* eventLoopName();
// The options both benchmarks take: --widgets, and --sim with the simulator to start.
QCommandLineOption widgetsOption();
QCommandLineOption simOption();

// --- Time and statistics ------------------------------------------------------------------

// Milliseconds on the steady clock since the first call.
double nowMs();
// The process's user plus system CPU time, in milliseconds.
double cpuMs();

struct Summary {
    std::size_t n = 0;
    double mean = 0;
    double median = 0;
    double p99 = 0;
    double max = 0;
};

// Nearest-rank percentile of sorted values: the smallest value with at least q of them at or
// below it.
double percentile(const std::vector<double>& sorted, double q);
Summary summarize(std::vector<double> values);
// The differences between successive time stamps.
std::vector<double> intervals(const std::vector<double>& stamps);

int msFromSeconds(double value);

// --- Windows ------------------------------------------------------------------------------

// Runs the event loop for the given time (a precise timer ends it).
void runEventLoop(int milliseconds);

struct Usage {
    double wallMs = 0;
    double cpuMs = 0;
    double percent() const { return wallMs > 0 ? 100.0 * cpuMs / wallMs : 0; }
};

// Runs the event loop for the window and returns the process's CPU time over it.
Usage measureWindow(int milliseconds);

// --- The simulator ------------------------------------------------------------------------

// quven-sim as a child process on 127.0.0.1 and a free port of its choosing, with no added
// latency.
class Simulator {
  public:
    ~Simulator() { stop(); }

    // Starts the simulator on 127.0.0.1 at a free port of its choosing, with `arguments` added
    // ("--count 500"); true once it has said where it listens.
    bool start(const QString& program, QString* error, const QStringList& arguments = {});
    void stop();

    int port() const { return port_; }
    qint64 pid() const { return process_.processId(); }

  private:
    QProcess process_;
    int port_ = 0;
};

// --- The console, instrumented ------------------------------------------------------------

// What a benchmark notes of the console's traffic.
class TrafficProbe {
  public:
    virtual ~TrafficProbe() = default;
    // Each line the console sends, before the socket takes it.
    virtual void sent(const QByteArray& bytes) = 0;
    // Each arrival, before the console's own handler takes it...
    virtual void arrivalStarts() = 0;
    // ... and after.
    virtual void arrivalEnds(const quven::Module1& module) = 0;
};

// The console as the program runs it (running precise timers, the real socket), its traffic
// reported to the probe. No message box: a message means the session failed, which spoils the
// run; each one is counted and printed on stderr under the application's name.
struct ProbedConsole : ConsoleOn<ObservedTcpTransport> {
    explicit ProbedConsole(TrafficProbe& probe);
};

// The session opened to 127.0.0.1:port without its dialog (which takes ports up to 32767
// only): the socket connects, then the console takes the state the connect sequence leaves
// (enterSession). The connection is awaited first so that the first tick finds it up.
bool openSession(quven::Console& console, quven::TcpTransport& transport, int port, QString* error);

// The poll period the connect sequence gives Timer2.
constexpr int kPollPeriodMs = kPollPeriodAfterConnect;

// --- Report -------------------------------------------------------------------------------

const char* verdict(bool within);

// One row of a report: every cell but the last padded to its width, trailing blanks dropped.
void printRow(const std::vector<QString>& cells, const std::vector<int>& widths);

// "first a ms, second b ms" with three decimals.
QString twoFigures(const char* first, double a, const char* second, double b);

// --- Summary ------------------------------------------------------------------------------

// When the environment variable QUVEN_BENCH_SUMMARY names a file, each benchmark appends its
// main figures to it, one tab-separated line each: the figure, the measured value, its limit,
// floor or baseline, and the verdict ("within", "OUTSIDE" or empty). bench/run prints them
// together at the end. Without the variable nothing is written.
void summaryRow(const QString& figure, const QString& measured, const QString& reference,
                const char* result = "");

}  // namespace bench
