// SPDX-License-Identifier: Apache-2.0
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include "FileBytes.h"
#include "LoopbackPlant.h"
#include "ToolHarness.h"
#include "core/Version.h"

namespace {

struct ProgramRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs a program to its end while this process's event loop goes on serving its simulators.
// Standard output goes to `outputFile` when one is given.
ProgramRun runProgram(const QString& program, const QStringList& arguments,
                      const QString& outputFile = QString()) {
    QProcess process;
    if (!outputFile.isEmpty()) {
        process.setStandardOutputFile(outputFile);
    }
    QSignalSpy finished(&process, &QProcess::finished);
    process.start(program, arguments);
    if (!finished.wait(60000)) {
        process.kill();
        process.waitForFinished();
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

ProgramRun runTable(const QStringList& arguments, const QString& outputFile = QString()) {
    return runProgram(QStringLiteral(QUVEN_TABLE_PROGRAM), arguments, outputFile);
}

}  // namespace

// The program quven-table itself: its command line, what goes to standard output and what to
// standard error, its exit statuses, and a plant served by the quven-sim program.
class ToolProgramTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void helpNamesEveryCommand();
    void usageErrorsConnectNothing_data();
    void usageErrorsConnectNothing();
    void keepsItsStreamsApart();
    void servesAPlantOfTheSimulatorProgram();
};

void ToolProgramTest::helpNamesEveryCommand() {
    const ProgramRun help = runTable({"--help"});
    QCOMPARE(help.status, 0);
    QCOMPARE(help.err, QByteArray());
    for (const char* piece :
         {"read HOST[:PORT]... [-o PATH]", "write FILE HOST[:PORT]... [--verify]",
          "verify FILE HOST[:PORT]...", "diff A B", "show FILE|HOST[:PORT]", "--output", "--verify",
          "--strict", "--json", "--hosts", "--jobs", "--read-pace", "--write-pace", "--version",
          "Exit status"}) {
        QVERIFY2(help.out.contains(piece), piece);
    }
    const ProgramRun version = runTable({"--version"});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, QByteArray("quven-table ") + quven::kVersion + "\n");
}

void ToolProgramTest::usageErrorsConnectNothing_data() {
    // "P" and "Q" stand for two listening controllers of the test's own.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    QTest::newRow("port 0") << QStringList{"read", "P", "127.0.0.1:0"} << "\"0\" is not a whole";
    QTest::newRow("port 65536") << QStringList{"read", "127.0.0.1:65536", "P"} << "\"65536\"";
    QTest::newRow("port not a number")
        << QStringList{"verify", "t.txt", "P", "127.0.0.1:7a"} << "\"7a\" is not";
    QTest::newRow("no command") << QStringList{"P"} << "\" is not a command";
    QTest::newRow("several without -o") << QStringList{"read", "P", "Q"} << "needs -o DIR";
}

void ToolProgramTest::usageErrorsConnectNothing() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    LoopbackPlant p(2);
    QVERIFY(p.listening);
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^P$")), p.address(0));
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^Q$")), p.address(1));
    const ProgramRun run = runTable(arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(run.err.startsWith("quven-table: ") && run.err.contains(error.toUtf8()),
             run.err.constData());
    QCOMPARE(p.clients.value(0), 0);
    QCOMPARE(p.clients.value(1), 0);
}

void ToolProgramTest::keepsItsStreamsApart() {
    LoopbackPlant p(2);
    QVERIFY(p.listening);
    const ProgramRun one = runTable({"read", p.address(0), "--read-pace", "0"});
    QCOMPARE(one.status, 0);
    QCOMPARE(one.out, factoryTableFile());
    QVERIFY2(one.err.startsWith(p.address(0).toLatin1() + "  read  "), one.err.constData());

    QTemporaryDir folder;
    QVERIFY(p.waitUntilIdle());
    const ProgramRun two =
        runTable({"read", p.address(0), p.address(1), "-o", folder.path(), "--read-pace", "0"});
    QCOMPARE(two.status, 0);
    QCOMPARE(two.err, QByteArray());
    QCOMPARE(two.out.count('\n'), 3);
    QVERIFY2(two.out.endsWith("\n2 controllers: 2 saved\n"), two.out.constData());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 2);

    QVERIFY(p.waitUntilIdle());
    const ProgramRun json = runTable({"show", "--json", p.address(1), "--read-pace", "0"});
    QCOMPARE(json.status, 0);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json.out, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(document.object().value("normal").toArray().size(), 8);
    QCOMPARE(document.object().value("source").toString(), p.address(1));

    // A table that standard output cannot take (a full disk) is not reported as read.
    QVERIFY(p.waitUntilIdle());
    const ProgramRun full =
        runTable({"read", p.address(0), "--read-pace", "0"}, QStringLiteral("/dev/full"));
    QCOMPARE(full.status, 2);
    QVERIFY2(full.err.contains("failed") && full.err.contains("cannot write standard output"),
             full.err.constData());
}

void ToolProgramTest::servesAPlantOfTheSimulatorProgram() {
    QProcess sim;
    sim.start(QStringLiteral(QUVEN_SIM_PROGRAM), {"--count", "3", "--port", "0", "--no-srq"});
    QVERIFY(sim.waitForStarted());
    const auto stopSim = qScopeGuard([&sim] {
        sim.terminate();
        sim.waitForFinished(5000);
    });
    QVERIFY(sim.waitForReadyRead(5000));
    const QString banner = QString::fromLatin1(sim.readLine());
    const QRegularExpressionMatch ports =
        QRegularExpression(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)-(\\d+) \\(3 "
                                          "controllers\\)"))
            .match(banner);
    QVERIFY2(ports.hasMatch(), qPrintable(banner));
    const int first = ports.captured(1).toInt();
    QCOMPARE(ports.captured(2).toInt(), first + 2);
    QStringList controllers;
    for (int i = 0; i < 3; ++i) {
        controllers.append(QStringLiteral("127.0.0.1:%1").arg(first + i));
    }

    QTemporaryDir folder;
    const QString hosts = folder.filePath(QStringLiteral("plant.hosts"));
    writeBytes(hosts, ("# the plant\n" + controllers.join('\n') + "\n").toLatin1());
    const QString plant = folder.filePath(QStringLiteral("plant/"));
    const ProgramRun backup = runTable({"read", "--hosts", hosts, "-o", plant});
    QCOMPARE(backup.status, 0);
    const QString one = plant + QStringLiteral("127.0.0.1_%1.txt").arg(first + 1);
    QCOMPARE(readBytes(one), factoryTableFile());

    QByteArray changed = readBytes(one);
    changed.replace(0, 9, "+0001234,");
    writeBytes(one, changed);
    const ProgramRun restore =
        runTable({"write", one, controllers[1], "--verify", "--write-pace", "1"});
    QCOMPARE(restore.status, 0);
    QVERIFY2(restore.err.contains("  verified  "), restore.err.constData());
    // Each controller keeps its own table.
    const QString factory = plant + QStringLiteral("127.0.0.1_%1.txt").arg(first);
    QCOMPARE(runTable({"diff", factory, controllers[2], "--read-pace", "0"}).status, 0);
    const ProgramRun differs = runTable({"diff", factory, controllers[1], "--read-pace", "0"});
    QCOMPARE(differs.status, 1);
    QCOMPARE(differs.out, QByteArray("NORMAL MODE CH 0 POS: +0000000 -> +0001234\n"));
}

QTEST_MAIN(ToolProgramTest)
#include "tst_tool_program.moc"
