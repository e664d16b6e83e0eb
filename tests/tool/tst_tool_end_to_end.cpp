// SPDX-License-Identifier: Apache-2.0
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include "FileBytes.h"
#include "LoopbackPlant.h"
#include "SimConsole.h"
#include "TableFixture.h"
#include "ToolHarness.h"
#include "core/CommandSet.h"
#include "table/TableFile.h"

using namespace quven;
using quven::sim::SimFaults;

namespace {

// The 49 queries of the console's Data Read, in its order, as the controller takes them.
QByteArrayList consoleReadQueries() {
    QStringList queries;
    for (int row = 0; row < 16; ++row) {
        queries.append(commands::positionQuery(row));
    }
    for (int row = 0; row < 16; ++row) {
        queries.append(commands::speedQuery(row));
    }
    for (int row = 0; row < 16; ++row) {
        queries.append(commands::switchQuery(row));
    }
    queries.append(commands::limitStopQuery());
    QByteArrayList lines;
    for (const QString& query : queries) {
        lines.append(query.trimmed().toLatin1());
    }
    return lines;
}

// The set commands the console's Data Write sends for the table of a file.
QByteArrayList consoleWriteCommands(const QString& path) {
    TableFixture f;
    const tablefile::Loaded loaded = tablefile::load(path);
    tablefile::apply(loaded.fields, f.table());
    f.screen.cmdDataWrite_Click();
    QByteArrayList lines;
    while (f.screen.tmrWrite.isRunning()) {
        for (const QByteArray& line : f.writeTick()) {
            lines.append(line.trimmed());
        }
    }
    return lines;
}

// The factory table with fields replaced: {field index (0-96), text}.
QByteArray factoryWith(const QList<QPair<int, QByteArray>>& changes) {
    QByteArrayList fields = factoryTableFile().chopped(2).split(',');
    for (const auto& [index, text] : changes) {
        fields[index] = text;
    }
    return fields.join(',') + "\r\n";
}

// Field indexes of the table file: row r's POS, HSPD, MSPD, LSPD, RATE, block; the limit stop.
int fieldOf(int row, int column) {
    return 6 * row + column;
}
constexpr int kLimitStopField = 96;

QStringList outputLines(const ToolRun& run) {
    return run.outText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

}  // namespace

// quven-table's logic in this process against simulated controllers on 127.0.0.1, over real
// sockets: what it reads, writes, saves and compares, and how it fares with faulty controllers.
class ToolEndToEndTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void savesWhatTheConsoleSaves();
    void readsWithTheConsolesQueries_data();
    void readsWithTheConsolesQueries();
    void writesWithTheConsolesCommandsAndVerifies();
    void servesAPlantPastAFaultyController_data();
    void servesAPlantPastAFaultyController();
    void tellsOfAFileItCannotWrite();
    void comparesFilesControllersAndJson();
    void refusesAFileThatIsNoTableBeforeSending_data();
    void refusesAFileThatIsNoTableBeforeSending();
};

void ToolEndToEndTest::savesWhatTheConsoleSaves() {
    SimConsole c(IntervalTimer::Mode::Running);
    QVERIFY(c.listening);
    for (const QByteArray& set :
         {QByteArray("NSPD3:01234/00567/00089/07"), QByteArray("FSET5S20100000"),
          QByteArray("NSET6C102"), QByteArray("FCNT2-0004567"), QByteArray("LSEA")}) {
        QVERIFY(c.model.execute(set).understood);
    }
    QVERIFY(c.connectConsole());
    c.console.Timer2.setInterval(0);  // as "To Setup Screen" leaves it
    c.console.module.ScreenMode = screenmode::Table;
    TableScreen screen(c.console.tableLinks());
    screen.cmdDataRead_Click();
    QVERIFY(QTest::qWaitFor([&] { return !screen.tmrTokei.isRunning(); }, 20000));
    screen.setFileName(QStringLiteral("console"));
    screen.cmdWrite_Click();
    QVERIFY(c.messages.shown.isEmpty());
    c.transport.close();
    QTRY_VERIFY(!c.server.hasClient());

    const QString address = QStringLiteral("127.0.0.1:%1").arg(c.server.port());
    const ToolRun run = runTableTool({"read", address, "-o", "tool.txt", "--read-pace", "0"});
    QCOMPARE(run.status, 0);
    QCOMPARE(readBytes(QStringLiteral("tool.txt")), readBytes(QStringLiteral("console.txt")));
    const QByteArray saved = readBytes(QStringLiteral("tool.txt"));
    for (const char* changed :
         {",01234,00567,00089,07,T221,", ",C102,", ",S20100000,", "-0004567,", ",LSEA,\r\n"}) {
        QVERIFY2(saved.contains(changed), changed);
    }
}

void ToolEndToEndTest::readsWithTheConsolesQueries_data() {
    QTest::addColumn<QString>("pace");
    QTest::newRow("the console's pace") << "20";
    QTest::newRow("as fast as the replies") << "0";
}

void ToolEndToEndTest::readsWithTheConsolesQueries() {
    QFETCH(QString, pace);
    LoopbackPlant p(1);
    QVERIFY(p.listening);
    const ToolRun run = runTableTool({"read", p.address(0), "--read-pace", pace});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, factoryTableFile());
    QCOMPARE(p.handled.value(0), consoleReadQueries());
    QVERIFY2(run.errText().startsWith(p.address(0) + QStringLiteral("  read        read 49/49  ")),
             qPrintable(run.errText()));
    QVERIFY2(run.errText().endsWith(QStringLiteral("\n1 controller: 1 read\n")),
             qPrintable(run.errText()));
}

void ToolEndToEndTest::writesWithTheConsolesCommandsAndVerifies() {
    LoopbackPlant p(1);
    QVERIFY(p.listening);
    QTemporaryDir folder;
    const QString changed = folder.filePath(QStringLiteral("changed.txt"));
    writeBytes(changed, factoryWith({{fieldOf(3, 1), "1000"},
                                     {fieldOf(9, 0), "12.6"},
                                     {fieldOf(12, 2), ""},
                                     {fieldOf(2, 5), "X102"},
                                     {fieldOf(13, 5), "T00200100"},
                                     {kLimitStopField, "LSEA"}}));

    const ToolRun write = runTableTool(
        {"write", changed, p.address(0), "--verify", "--write-pace", "1", "--read-pace", "0"});
    QCOMPARE(write.status, 0);
    QVERIFY2(write.errText().startsWith(p.address(0) +
                                        QStringLiteral("  verified    written 49/49, read 49/49")),
             qPrintable(write.errText()));
    QCOMPARE(write.out, QByteArray());
    const QByteArrayList handled = p.handled.value(0);
    QCOMPARE(handled.mid(0, 49), consoleWriteCommands(changed));
    QCOMPARE(handled.mid(49), consoleReadQueries());
    QCOMPARE(p.plant.model(0).execute("FCNT1?").answer, QByteArray("+0000013"));

    QVERIFY(p.waitUntilIdle());
    const ToolRun verify = runTableTool({"verify", changed, p.address(0), "--read-pace", "0"});
    QCOMPARE(verify.status, 0);
    QCOMPARE(p.handled.value(0).size(), 2 * 49 + 49);  // nothing written
    // As they stand, the fields the controller keeps in its own way differ.
    QVERIFY(p.waitUntilIdle());
    const ToolRun strict =
        runTableTool({"verify", changed, p.address(0), "--strict", "--read-pace", "0"});
    QCOMPARE(strict.status, 1);
    const QString host = p.address(0) + QStringLiteral(": ");
    QCOMPARE(outputLines(strict), (QStringList{host + "NORMAL MODE CH 3 HSPD: 1000 -> 01000",
                                               host + "FUNCTION MODE 1 POS: 12.6 -> +0000013",
                                               host + "FUNCTION MODE 4 MSPD: (empty) -> 00000"}));
    QVERIFY2(strict.errText().contains(QStringLiteral("  differs     read 49/49")),
             qPrintable(strict.errText()));
}

void ToolEndToEndTest::servesAPlantPastAFaultyController_data() {
    QTest::addColumn<SimFaults>("faults");
    QTest::addColumn<bool>("listening");
    QTest::addColumn<bool>("occupied");  // another client holds the controller
    QTest::addColumn<QString>("line");   // the faulty controller's after its address; * seconds
    QTest::addColumn<int>("status");
    QTest::newRow("drops every answer")
        << withFaults([](SimFaults& f) { f.dropEvery = 1; }) << true << false
        << "incomplete read 0/49 * s no query was answered; nothing "
           "saved"
        << 3;
    QTest::newRow("closes the connection")
        << withFaults([](SimFaults& f) { f.closeAfter = 3; }) << true << false
        << "failed read 3/49 * s the connection was lost: The remote host closed the connection"
        << 2;
    QTest::newRow("serves another client")
        << SimFaults{} << true << true
        << "failed read 0/49 * s the connection was lost: The remote host closed the connection"
        << 2;
    QTest::newRow("not listening")
        << SimFaults{} << false << false
        << "failed read 0/49 * s cannot connect: Connection refused" << 2;
}

void ToolEndToEndTest::servesAPlantPastAFaultyController() {
    QFETCH(SimFaults, faults);
    QFETCH(bool, listening);
    QFETCH(bool, occupied);
    QFETCH(QString, line);
    QFETCH(int, status);
    LoopbackPlant p(3);
    QVERIFY(p.listening);
    p.plant.server(1).setFaults(faults);
    QStringList controllers = p.addresses();
    if (!listening) {
        controllers[1] = QStringLiteral("127.0.0.1:%1").arg(closedLoopbackPort());
    }
    QTcpSocket other;
    if (occupied) {
        other.connectToHost(QHostAddress::LocalHost, p.plant.server(1).port());
        QVERIFY(other.waitForConnected(5000));
        QTRY_VERIFY(p.plant.server(1).hasClient());
    }
    QTemporaryDir folder;
    const QString faulty =
        QStringLiteral("%1_%2.txt").arg("127.0.0.1", controllers[1].section(':', 1));
    writeBytes(folder.filePath(faulty), "an older table\r\n");

    const ToolRun run =
        runTableTool(QStringList{"read", "-o", folder.path(), "--read-pace", "0"} + controllers);
    QCOMPARE(run.status, status);
    const QStringList lines = outputLines(run);
    QCOMPARE(lines.size(), 4);
    // Columns are aligned with blanks; one blank between them here.
    const QRegularExpression faultyLine(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(controllers[1] + QLatin1Char(' ') + line)
            .replace(QStringLiteral("\\*"), QStringLiteral("\\d+\\.\\d\\d"))));
    QStringList simplified;
    for (const QString& each : lines) {
        simplified.append(each.simplified());
    }
    QVERIFY2(simplified.filter(faultyLine).size() == 1, qPrintable(run.outText()));
    for (const int good : {0, 2}) {
        QVERIFY2(lines.filter(controllers[good] + QStringLiteral("  saved ")).size() == 1,
                 qPrintable(run.outText()));
        QCOMPARE(readBytes(folder.filePath(
                     QStringLiteral("127.0.0.1_%1.txt").arg(p.plant.firstPort() + good))),
                 factoryTableFile());
    }
    QCOMPARE(lines.last(), status == 3 ? QStringLiteral("3 controllers: 2 saved, 1 incomplete")
                                       : QStringLiteral("3 controllers: 2 saved, 1 failed"));
    QCOMPARE(readBytes(folder.filePath(faulty)), QByteArray("an older table\r\n"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 3);
}

void ToolEndToEndTest::tellsOfAFileItCannotWrite() {
    LoopbackPlant p(2);
    QVERIFY(p.listening);
    QTemporaryDir folder;
    const QString blocked =
        folder.filePath(QStringLiteral("127.0.0.1_%1.txt").arg(p.plant.firstPort() + 1));
    QVERIFY(QDir().mkdir(blocked));
    const ToolRun run =
        runTableTool(QStringList{"read", "-o", folder.path(), "--read-pace", "0"} + p.addresses());
    QCOMPARE(run.status, 2);
    // The read went well; its file could not be written, and says why.
    const QStringList failed = outputLines(run).filter(p.address(1) + QStringLiteral("  failed "));
    QCOMPARE(failed.size(), 1);
    QVERIFY2(failed.first().contains(QStringLiteral("read 49/49")) &&
                 failed.first().endsWith(QStringLiteral("cannot write ") + blocked +
                                         QStringLiteral(": it is not a regular file")),
             qPrintable(failed.first()));
    QVERIFY(run.outText().endsWith(QStringLiteral("\n2 controllers: 1 saved, 1 failed\n")));
    QCOMPARE(
        readBytes(folder.filePath(QStringLiteral("127.0.0.1_%1.txt").arg(p.plant.firstPort()))),
        factoryTableFile());
}

void ToolEndToEndTest::comparesFilesControllersAndJson() {
    LoopbackPlant p(1);
    QVERIFY(p.listening);
    QTemporaryDir folder;
    const QString a = folder.filePath(QStringLiteral("a.txt"));
    const QString b = folder.filePath(QStringLiteral("b.txt"));
    const QString factory = folder.filePath(QStringLiteral("factory.txt"));
    writeBytes(a, factoryWith({{fieldOf(3, 1), "01000"},
                               {fieldOf(13, 5), "T00200100"},
                               {kLimitStopField, "LSEA"}}));
    writeBytes(b, factoryWith({{fieldOf(3, 1), "02000"}, {fieldOf(13, 5), "T00100100"}}));
    writeBytes(factory, factoryTableFile());

    const ToolRun files = runTableTool({"diff", a, b});
    QCOMPARE(files.status, 1);
    QCOMPARE(outputLines(files),
             (QStringList{"NORMAL MODE CH 3 HSPD: 01000 -> 02000",
                          "FUNCTION MODE 5 axis 2: E- -> E", "LIMIT STOP: EM STOP -> SLOW STOP"}));

    const ToolRun same = runTableTool({"diff", factory, p.address(0), "--read-pace", "0"});
    QCOMPARE(same.status, 0);
    QCOMPARE(same.out, QByteArray());

    QVERIFY(p.waitUntilIdle());
    const ToolRun json = runTableTool({"diff", p.address(0), a, "--json", "--read-pace", "0"});
    QCOMPARE(json.status, 1);
    const QJsonObject diff = QJsonDocument::fromJson(json.out).object();
    QCOMPARE(diff.value("a").toString(), p.address(0));
    QCOMPARE(diff.value("comparison").toString(), QStringLiteral("round trip"));
    const QJsonArray differences = diff.value("differences").toArray();
    QCOMPARE(differences.size(), 3);
    QCOMPARE(differences.at(1).toObject(),
             (QJsonObject{{"field", "FUNCTION MODE 5 axis 2"}, {"a", ""}, {"b", "E-"}}));

    // A JSON table from show is a table for diff too.
    const ToolRun shown = runTableTool({"show", a, "--json"});
    QCOMPARE(shown.status, 0);
    const QString shownFile = folder.filePath(QStringLiteral("a.json"));
    writeBytes(shownFile, shown.out);
    QCOMPARE(runTableTool({"diff", shownFile, a, "--strict"}).status, 0);
    QCOMPARE(outputLines(runTableTool({"diff", shownFile, b})).size(), 3);
}

void ToolEndToEndTest::refusesAFileThatIsNoTableBeforeSending_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("content");  // empty: no such file
    QTest::addColumn<QString>("error");
    const QByteArray short96 = factoryTableFile().replace("LSSA,", "");
    for (const char* command : {"write", "verify"}) {
        QTest::addRow("%s, 96 fields", command)
            << command << short96 << "is not a table file: its last line holds 96 of the 97";
        QTest::addRow("%s, binary", command) << command << QByteArray("\x01\x00\x02,", 4)
                                             << "is not a table file: it is not a text file";
        QTest::addRow("%s, another JSON", command)
            << command << QByteArray("{\"format\": \"x\"}")
            << "is not a table file: it is not a quven-table JSON table";
        QTest::addRow("%s, no file", command) << command << QByteArray() << "cannot read";
    }
}

void ToolEndToEndTest::refusesAFileThatIsNoTableBeforeSending() {
    QFETCH(QString, command);
    QFETCH(QByteArray, content);
    QFETCH(QString, error);
    LoopbackPlant p(1);
    QVERIFY(p.listening);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("table.txt"));
    if (!content.isEmpty()) {
        writeBytes(path, content);
    }
    const ToolRun run = runTableTool({command, path, p.address(0)});
    QCOMPARE(run.status, 2);
    QVERIFY2(run.errText().contains(path) && run.errText().contains(error) &&
                 run.errText().contains(QStringLiteral("nothing was sent")),
             qPrintable(run.errText()));
    QTest::qWait(50);
    QCOMPARE(p.clients.value(0), 0);
    QVERIFY(p.handled.value(0).isEmpty());
}

QTEST_MAIN(ToolEndToEndTest)
#include "tst_tool_end_to_end.moc"
