// SPDX-License-Identifier: Apache-2.0
// quven-sim: a QUVEN-01 controller simulator on the network, for trying, training and testing
// the console without hardware.

#include <sys/socket.h>
#include <unistd.h>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>
#include <csignal>
#include <cstdio>

#include "core/ControllerPort.h"
#include "core/OpenFiles.h"
#include "core/Version.h"
#include "sim/SimPlant.h"

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

// Ctrl-C and a plain kill end the event loop, so the server closes its sockets on the way out.
void quitOnSignals(QCoreApplication& app) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app] {
        char byte;
        [[maybe_unused]] const ssize_t got = ::read(signalPipe[0], &byte, 1);
        app.quit();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

struct Option {
    QCommandLineOption option;
    int* target;
};

// A whole number of 0 or more, or a clear message and the end.
bool readCount(const QCommandLineParser& parser, const Option& entry) {
    if (!parser.isSet(entry.option)) {
        return true;
    }
    bool ok = false;
    const int value = parser.value(entry.option).toInt(&ok);
    if (!ok || value < 0) {
        QTextStream(stderr) << "quven-sim: --" << entry.option.names().first()
                            << " takes a whole number of 0 or more\n";
        return false;
    }
    *entry.target = value;
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (quven::answeredVersion("quven-sim", argc, argv)) {
        return 0;
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quven-sim"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(quven::kVersion));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A QUVEN-01 controller simulator for the operator console. It answers the console's "
        "queries, moves its eight axes in simulated time and keeps a setting table.\n"
        "Faults can be switched on to try the console against a slow or misbehaving "
        "controller."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("TCP port to listen on (default %1; 0: a free port from "
                       "20000 to 32767, printed at start). With "
                       "--count, the first of the controllers' ports.")
            .arg(quven::kControllerPort),
        QStringLiteral("n"), QString::number(quven::kControllerPort));
    const QCommandLineOption count(
        QStringLiteral("count"),
        QStringLiteral("Serve N independent controllers (1 to %1), each with its own table, on N "
                       "consecutive ports from --port (default 1).")
            .arg(quven::sim::SimPlant::kMaxCount),
        QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption bind(QStringLiteral("bind"),
                                  QStringLiteral("Address to listen on (default 127.0.0.1)."),
                                  QStringLiteral("address"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption verbose(QStringLiteral("verbose"),
                                     QStringLiteral("Log every line received and sent."));
    const QCommandLineOption noSrq(QStringLiteral("no-srq"),
                                   QStringLiteral("Send no SRQ notices when motion ends."));
    const QCommandLineOption merge(QStringLiteral("merge"),
                                   QStringLiteral("Send answers two at a time, in one send."));
    quven::sim::SimFaults faults;
    const QList<Option> counts{
        {{QStringLiteral("latency"), QStringLiteral("Send every line this many ms late."),
          QStringLiteral("ms")},
         &faults.latencyMs},
        {{QStringLiteral("drop-every"), QStringLiteral("Drop every Nth answer."),
          QStringLiteral("n")},
         &faults.dropEvery},
        {{QStringLiteral("split"),
          QStringLiteral("Send lines in pieces of this many bytes (1: byte by byte)."),
          QStringLiteral("bytes")},
         &faults.splitBytes},
        {{QStringLiteral("split-gap"),
          QStringLiteral("Pause between two pieces of a split line (default 2 ms)."),
          QStringLiteral("ms")},
         &faults.splitGapMs},
        {{QStringLiteral("close-after"),
          QStringLiteral("Close the connection once N command lines have been handled."),
          QStringLiteral("n")},
         &faults.closeAfter},
        {{QStringLiteral("garbage-every"),
          QStringLiteral("Send a line of random bytes before every Nth answer."),
          QStringLiteral("n")},
         &faults.garbageEvery},
        {{QStringLiteral("srq-every"), QStringLiteral("Send an unasked SRQ00 notice every ms."),
          QStringLiteral("ms")},
         &faults.noticeEveryMs},
        {{QStringLiteral("odd-byte-every"),
          QStringLiteral("End every Nth answer in the --odd-byte, before its line end."),
          QStringLiteral("n")},
         &faults.oddByteEvery},
        {{QStringLiteral("odd-byte"),
          QStringLiteral("The byte --odd-byte-every puts in, 0 to 255 (default 181, 0xB5)."),
          QStringLiteral("byte")},
         &faults.oddByte},
    };
    parser.addOptions({port, count, bind, verbose, noSrq, merge});
    for (const Option& entry : counts) {
        parser.addOption(entry.option);
    }
    parser.process(app);

    for (const Option& entry : counts) {
        if (!readCount(parser, entry)) {
            return 2;
        }
    }
    if (faults.oddByte > 255) {
        QTextStream(stderr) << "quven-sim: --odd-byte takes a byte value, 0 to 255\n";
        return 2;
    }
    faults.mergePairs = parser.isSet(merge);
    bool portOk = false;
    const int portNumber = parser.value(port).toInt(&portOk);
    const QHostAddress address(parser.value(bind));
    if (!portOk || portNumber < 0 || portNumber > 65535 || address.isNull()) {
        QTextStream(stderr) << "quven-sim: --port takes 0 to 65535 and --bind an IP address\n";
        return 2;
    }

    bool countOk = false;
    const int controllers = parser.value(count).toInt(&countOk);
    if (!countOk || controllers < 1 || controllers > quven::sim::SimPlant::kMaxCount) {
        QTextStream(stderr) << "quven-sim: --count takes 1 to " << quven::sim::SimPlant::kMaxCount
                            << '\n';
        return 2;
    }
    if (portNumber > 0 && portNumber + controllers - 1 > 65535) {
        QTextStream(stderr) << "quven-sim: " << controllers << " controllers from port "
                            << portNumber << " would need ports above 65535\n";
        return 2;
    }
    // Each controller takes a listening socket and one for its client.
    quven::raiseOpenFileLimit(2 * controllers + 64);

    quven::sim::SimPlant plant(controllers, faults);
    plant.setServiceRequests(!parser.isSet(noSrq));
    if (parser.isSet(verbose)) {
        plant.setLog(
            [](const QString& line) { QTextStream(stderr) << "quven-sim: " << line << '\n'; });
    }
    QString error;
    if (!plant.listen(address, static_cast<quint16>(portNumber), &error)) {
        QTextStream(stderr) << "quven-sim: " << error << '\n';
        return 1;
    }
    QTextStream out(stdout);
    out << "quven-sim: listening on " << address.toString() << ':' << plant.firstPort();
    if (controllers > 1) {
        out << '-' << plant.firstPort() + controllers - 1 << " (" << controllers << " controllers)";
    }
    out << Qt::endl;
    quitOnSignals(app);
    const int result = QCoreApplication::exec();
    QTextStream(stdout) << "quven-sim: stopped" << Qt::endl;
    return result;
}
