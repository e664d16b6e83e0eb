// SPDX-License-Identifier: Apache-2.0
#include "FleetSupport.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
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
    return simulator_.start(
        program, error,
        {QStringLiteral("--count"), QString::number(count), QStringLiteral("--no-srq")});
}

QByteArray SimulatedPlant::hostsFile() const {
    QByteArray hosts;
    for (int i = 0; i < count_; ++i) {
        hosts += "127.0.0.1:" + QByteArray::number(firstPort() + i) + '\n';
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
