// SPDX-License-Identifier: Apache-2.0
#include "BenchSupport.h"

#include <sys/resource.h>
#include <sys/time.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numeric>

#include "app/Console.h"
#include "core/Module1.h"

namespace bench {

// --- The application ----------------------------------------------------------------------

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv, const QString& name) {
    bool widgets = false;
    for (int i = 1; i < argc; ++i) {
        widgets = widgets || std::strcmp(argv[i], "--widgets") == 0;
    }
    std::unique_ptr<QCoreApplication> app;
    if (widgets) {
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(name);
    return app;
}

const char* eventLoopName() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr
               ? "QApplication (offscreen)"
               : "QCoreApplication";
}

QCommandLineOption widgetsOption() {
    return QCommandLineOption(QStringLiteral("widgets"),
                              QStringLiteral("Run under a QApplication, as the program does."));
}

QCommandLineOption simOption() {
    return QCommandLineOption(QStringLiteral("sim"),
                              QStringLiteral("The simulator program (default: the one built "
                                             "with this benchmark)."),
                              QStringLiteral("path"), QStringLiteral(QUVEN_SIM_PROGRAM));
}

// --- Time and statistics ------------------------------------------------------------------

double nowMs() {
    static const auto base = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - base)
        .count();
}

double cpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double percentile(const std::vector<double>& sorted, double q) {
    const auto rank = static_cast<std::size_t>(std::ceil(q * static_cast<double>(sorted.size())));
    return sorted[std::max<std::size_t>(rank, 1) - 1];
}

Summary summarize(std::vector<double> values) {
    Summary s;
    if (values.empty()) {
        return s;
    }
    std::sort(values.begin(), values.end());
    s.n = values.size();
    s.mean = std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(s.n);
    s.median = percentile(values, 0.5);
    s.p99 = percentile(values, 0.99);
    s.max = values.back();
    return s;
}

std::vector<double> intervals(const std::vector<double>& stamps) {
    std::vector<double> out;
    for (std::size_t i = 1; i < stamps.size(); ++i) {
        out.push_back(stamps[i] - stamps[i - 1]);
    }
    return out;
}

int msFromSeconds(double value) {
    return static_cast<int>(std::lround(value * 1000.0));
}

// --- Windows ------------------------------------------------------------------------------

void runEventLoop(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

Usage measureWindow(int milliseconds) {
    const double cpu0 = cpuMs();
    const double wall0 = nowMs();
    runEventLoop(milliseconds);
    const double wall1 = nowMs();
    const double cpu1 = cpuMs();
    return {wall1 - wall0, cpu1 - cpu0};
}

// --- The simulator ------------------------------------------------------------------------

bool Simulator::start(const QString& program, QString* error, const QStringList& arguments) {
    process_.setProgram(program);
    process_.setArguments(QStringList{QStringLiteral("--port"), QStringLiteral("0"),
                                      QStringLiteral("--bind"), kLoopback} +
                          arguments);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QIODevice::ReadOnly);
    if (!process_.waitForStarted(kStartupTimeoutMs)) {
        *error = QStringLiteral("cannot start %1: %2").arg(program, process_.errorString());
        return false;
    }
    static const QRegularExpression listening(
        QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"));
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kStartupTimeoutMs) {
        while (process_.canReadLine()) {
            const QString line = QString::fromLocal8Bit(process_.readLine());
            const QRegularExpressionMatch match = listening.match(line);
            if (match.hasMatch()) {
                port_ = match.captured(1).toInt();
                return port_ > 0;
            }
        }
        const int left = std::max<int>(1, kStartupTimeoutMs - int(clock.elapsed()));
        if (!process_.waitForReadyRead(left)) {
            break;
        }
    }
    *error = QStringLiteral("%1 did not report a port on 127.0.0.1").arg(program);
    return false;
}

void Simulator::stop() {
    if (process_.state() == QProcess::NotRunning) {
        return;
    }
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(1000);
    }
}

// --- The console, instrumented ------------------------------------------------------------

ProbedConsole::ProbedConsole(TrafficProbe& probe) : ConsoleOn(quven::IntervalTimer::Mode::Running) {
    messages.keep = RecordedMessages::Keep::Count;
    messages.echo = RecordedMessages::Echo::Stderr;
    transport.onSend = [&probe](const QByteArray& bytes) { probe.sent(bytes); };
    transport.onArrival = [&probe] { probe.arrivalStarts(); };
    // Slots run in the order they were connected: this one after the console's handler.
    QObject::connect(&transport, &quven::LineTransport::received, &transport,
                     [this, &probe] { probe.arrivalEnds(console.module); });
}

bool openSession(quven::Console& console, quven::TcpTransport& transport, int port,
                 QString* error) {
    if (!connectSocket(transport, port, kStartupTimeoutMs)) {
        *error = QStringLiteral("no connection to 127.0.0.1:%1").arg(port);
        return false;
    }
    enterSession(console, port);
    return true;
}

// --- Report -------------------------------------------------------------------------------

const char* verdict(bool within) {
    return within ? "within" : "OUTSIDE";
}

void printRow(const std::vector<QString>& cells, const std::vector<int>& widths) {
    QString row;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            row += QLatin1Char(' ');
        }
        const int width = i + 1 < cells.size() && i < widths.size() ? widths[i] : 0;
        row += cells[i].leftJustified(width);
    }
    qsizetype end = row.size();
    while (end > 0 && row.at(end - 1) == QLatin1Char(' ')) {
        --end;
    }
    std::printf("%s\n", qPrintable(row.left(end)));
}

QString twoFigures(const char* first, double a, const char* second, double b) {
    return QStringLiteral("%1 %2 ms, %3 %4 ms")
        .arg(QLatin1String(first))
        .arg(a, 0, 'f', 3)
        .arg(QLatin1String(second))
        .arg(b, 0, 'f', 3);
}

// --- Summary ------------------------------------------------------------------------------

void summaryRow(const QString& figure, const QString& measured, const QString& reference,
                const char* result) {
    const QString path = qEnvironmentVariable("QUVEN_BENCH_SUMMARY");
    if (path.isEmpty()) {
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        std::fprintf(stderr, "%s: cannot append to %s\n",
                     qPrintable(QCoreApplication::applicationName()), qPrintable(path));
        return;
    }
    QStringList cells = {figure, measured, reference, QLatin1String(result)};
    for (QString& cell : cells) {
        cell.replace(QLatin1Char('\t'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    file.write(cells.join(QLatin1Char('\t')).toUtf8() + '\n');
}

}  // namespace bench
