#include "FleetSupport.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTcpSocket>
#include <vector>

#include "BenchSupport.h"
#include "core/CommandSet.h"

extern char** environ;

namespace bench {

namespace {

constexpr int kReplyTimeoutMs = 2000;

double msOf(const timeval& t) {
    return t.tv_sec * 1e3 + t.tv_usec / 1e3;
}

// The queries of a table read, in the console's order.
QStringList tableReadQueries() {
    QStringList queries;
    for (int row = 0; row < 16; ++row) {
        queries.append(quven::commands::positionQuery(row));
    }
    for (int row = 0; row < 16; ++row) {
        queries.append(quven::commands::speedQuery(row));
    }
    for (int row = 0; row < 16; ++row) {
        queries.append(quven::commands::switchQuery(row));
    }
    queries.append(quven::commands::limitStopQuery());
    return queries;
}

}  // namespace

bool SimulatedPlant::start(const QString& program, int count, QString* error) {
    count_ = count;
    process_.setProgram(program);
    process_.setArguments({QStringLiteral("--count"), QString::number(count),
                           QStringLiteral("--port"), QStringLiteral("0"),
                           QStringLiteral("--no-srq")});
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
            const QRegularExpressionMatch match =
                listening.match(QString::fromLocal8Bit(process_.readLine()));
            if (match.hasMatch()) {
                firstPort_ = match.captured(1).toInt();
                return firstPort_ > 0;
            }
        }
        if (!process_.waitForReadyRead(kStartupTimeoutMs)) {
            break;
        }
    }
    *error = QStringLiteral("%1 --count %2 did not say where it listens").arg(program).arg(count);
    return false;
}

void SimulatedPlant::stop() {
    if (process_.state() == QProcess::NotRunning) {
        return;
    }
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(1000);
    }
}

QByteArray SimulatedPlant::hostsFile() const {
    QByteArray hosts;
    for (int i = 0; i < count_; ++i) {
        hosts += "127.0.0.1:" + QByteArray::number(firstPort_ + i) + '\n';
    }
    return hosts;
}

ChildRun runChild(const QString& program, const QStringList& arguments, const QString& outPath,
                  const QString& errPath) {
    std::vector<QByteArray> texts{program.toLocal8Bit()};
    for (const QString& argument : arguments) {
        texts.push_back(argument.toLocal8Bit());
    }
    std::vector<char*> argv;
    for (QByteArray& text : texts) {
        argv.push_back(text.data());
    }
    argv.push_back(nullptr);
    const QByteArray out = outPath.toLocal8Bit();
    const QByteArray err = errPath.toLocal8Bit();
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, out.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&files, 2, err.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);

    ChildRun run;
    pid_t pid = 0;
    const double start = nowMs();
    const int spawned = posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    if (spawned != 0) {
        return run;
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        return run;
    }
    run.wallMs = nowMs() - start;
    run.ran = WIFEXITED(status);
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.cpuMs = msOf(usage.ru_utime) + msOf(usage.ru_stime);
    run.peakRssKb = usage.ru_maxrss;
    return run;
}

double loopbackReadFloorMs(int port) {
    const QStringList queries = tableReadQueries();
    QTcpSocket socket;
    const double start = nowMs();
    socket.connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(port));
    if (!socket.waitForConnected(kReplyTimeoutMs)) {
        return -1;
    }
    for (const QString& query : queries) {
        socket.write(query.toLatin1());
        socket.flush();
        while (!socket.canReadLine()) {
            if (!socket.waitForReadyRead(kReplyTimeoutMs)) {
                return -1;
            }
        }
        socket.readAll();
    }
    const double elapsed = nowMs() - start;
    socket.close();
    return elapsed;
}

}  // namespace bench
