// SPDX-License-Identifier: Apache-2.0
#include <QtTest>

#include "FileBytes.h"
#include "tool/ControllerAddress.h"
#include "tool/ToolOptions.h"

using namespace quven::tool;

// How quven-table reads what it is told: controller addresses, hosts files and the command
// line. Nothing here connects.
class ToolPartsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void readsAddresses_data();
    void readsAddresses();
    void refusesBadCommandLines_data();
    void refusesBadCommandLines();
    void takesControllersFromAHostsFile();
    void takesTheOptionsItIsGiven();
};

void ToolPartsTest::readsAddresses_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");     // empty: refused
    QTest::addColumn<QString>("fileName");  // or a piece of the error
    QTest::newRow("IPv4, default port") << "127.0.0.1"
                                        << "127.0.0.1:7777"
                                        << "127.0.0.1_7777.txt";
    QTest::newRow("IPv4 and port") << "127.0.0.1:20000"
                                   << "127.0.0.1:20000"
                                   << "127.0.0.1_20000.txt";
    QTest::newRow("host name, port 1") << "ctrl-7.plant_a:1"
                                       << "ctrl-7.plant_a:1"
                                       << "ctrl-7.plant_a_1.txt";
    QTest::newRow("IPv6 in brackets") << "[::1]:65535"
                                      << "[::1]:65535"
                                      << "--1_65535.txt";
    QTest::newRow("IPv6 alone") << "fe80::1"
                                << "[fe80::1]:7777"
                                << "fe80--1_7777.txt";
    QTest::newRow("port 0") << "h:0"
                            << ""
                            << "\"0\" is not a whole number from 1 to 65535";
    QTest::newRow("port above 65535") << "h:65536"
                                      << ""
                                      << "\"65536\" is not";
    QTest::newRow("port not a number") << "h:80x"
                                       << ""
                                       << "\"80x\" is not";
    QTest::newRow("port with a sign") << "h:+80"
                                      << ""
                                      << "\"+80\" is not";
    QTest::newRow("colon without port") << "h:"
                                        << ""
                                        << "\"\" is not";
    QTest::newRow("no host") << ":7777"
                             << ""
                             << "no host is named";
    QTest::newRow("path, not a host") << "a/b:7777"
                                      << ""
                                      << "\"a/b\" is not a host name";
    QTest::newRow("bracket not closed") << "[::1:7777"
                                        << ""
                                        << "not closed";
    QTest::newRow("text after bracket") << "[::1]7777"
                                        << ""
                                        << "only \":PORT\"";
    QTest::newRow("brackets around no address") << "[plant]:7"
                                                << ""
                                                << "\"plant\" is not";
}

void ToolPartsTest::readsAddresses() {
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(QString, fileName);
    const ParsedAddress parsed = parseAddress(text);
    if (shown.isEmpty()) {
        QVERIFY(!parsed.address);
        QVERIFY2(parsed.error.contains(fileName), qPrintable(parsed.error));
        return;
    }
    QVERIFY2(parsed.address, qPrintable(parsed.error));
    QCOMPARE(parsed.address->text(), shown);
    QCOMPARE(parsed.address->fileName(), fileName);
}

void ToolPartsTest::refusesBadCommandLines_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");  // a piece of it
    QTest::newRow("no command") << QStringList{} << "name a command";
    QTest::newRow("unknown command") << QStringList{"fetch", "h"} << "\"fetch\" is not a command";
    QTest::newRow("read without controllers") << QStringList{"read"} << "at least one controller";
    QTest::newRow("bad port") << QStringList{"read", "h:65536"} << "\"65536\" is not";
    QTest::newRow("controller twice") << QStringList{"read", "h", "H:7777"} << "named twice";
    QTest::newRow("write without file") << QStringList{"write"} << "name the table file";
    QTest::newRow("-o with write")
        << QStringList{"write", "t.txt", "h", "-o", "x"} << "--output applies to read only";
    QTest::newRow("--verify with verify")
        << QStringList{"verify", "t.txt", "h", "--verify"} << "--verify applies to write only";
    QTest::newRow("--strict without --verify")
        << QStringList{"write", "t.txt", "h", "--strict"} << "write --verify only";
    QTest::newRow("--json with read")
        << QStringList{"read", "h", "--json"} << "--json applies to show and diff only";
    QTest::newRow("--jobs 0") << QStringList{"read", "h", "--jobs", "0"}
                              << "--jobs takes a whole number from 1 to 4096";
    QTest::newRow("--read-pace not a number")
        << QStringList{"read", "h", "--read-pace=fast"} << "--read-pace takes";
    QTest::newRow("--write-pace 0") << QStringList{"write", "t.txt", "h", "--write-pace", "0"}
                                    << "--write-pace takes a whole number from 1";
    QTest::newRow("diff of one") << QStringList{"diff", "a.txt"} << "diff compares two tables";
    QTest::newRow("show of two") << QStringList{"show", "a.txt", "b.txt"} << "show takes one";
    QTest::newRow("unknown option") << QStringList{"read", "h", "--fast"} << "fast";
    QTest::newRow("hosts file missing") << QStringList{"read", "--hosts", "/nonexistent/hosts"}
                                        << "cannot read the hosts file /nonexistent/hosts";
}

void ToolPartsTest::refusesBadCommandLines() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    QVERIFY(!parsed.options);
    QVERIFY2(parsed.error.contains(error), qPrintable(parsed.error));
}

void ToolPartsTest::takesControllersFromAHostsFile() {
    QTemporaryDir folder;
    const QString hosts = folder.filePath(QStringLiteral("plant.hosts"));
    writeBytes(hosts, "# line 1\r\n127.0.0.1:20001\n  127.0.0.1:20002   # the second\n\n[::1]\n");
    const ParsedCommandLine parsed =
        parseCommandLine({"read", "127.0.0.1:20000", "--hosts", hosts, "-o", "plant"});
    QVERIFY2(parsed.options, qPrintable(parsed.error));
    QStringList shown;
    for (const ControllerAddress& address : parsed.options->controllers) {
        shown.append(address.text());
    }
    QCOMPARE(shown,
             (QStringList{"127.0.0.1:20000", "127.0.0.1:20001", "127.0.0.1:20002", "[::1]:7777"}));

    writeBytes(hosts, "127.0.0.1:20001\n# two\n127.0.0.1:0\n");
    const ParsedCommandLine bad = parseCommandLine({"read", "--hosts", hosts});
    QVERIFY(!bad.options);
    QVERIFY2(bad.error.startsWith(hosts + QStringLiteral(", line 3: \"127.0.0.1:0\"")),
             qPrintable(bad.error));

    writeBytes(hosts, "127.0.0.1:20000\n");
    const ParsedCommandLine twice = parseCommandLine({"read", "127.0.0.1:20000", "--hosts", hosts});
    QVERIFY2(twice.error.contains(QStringLiteral("127.0.0.1:20000 is named twice")),
             qPrintable(twice.error));
}

void ToolPartsTest::takesTheOptionsItIsGiven() {
    const ParsedCommandLine defaults = parseCommandLine({"write", "t.txt", "h1", "h2"});
    QVERIFY2(defaults.options, qPrintable(defaults.error));
    QCOMPARE(defaults.options->command, Command::Write);
    QCOMPARE(defaults.options->tableFile, QStringLiteral("t.txt"));
    QCOMPARE(defaults.options->controllers.size(), 2);
    QCOMPARE(defaults.options->jobs, 32);
    QCOMPARE(defaults.options->readPaceMs, 20);
    QCOMPARE(defaults.options->writePaceMs, 30);
    QVERIFY(!defaults.options->verify);

    const ParsedCommandLine given =
        parseCommandLine({"write", "--verify", "--strict", "t.txt", "h1", "--jobs", "4",
                          "--read-pace", "0", "--write-pace", "45"});
    QVERIFY2(given.options, qPrintable(given.error));
    QVERIFY(given.options->verify);
    QVERIFY(given.options->strict);
    QCOMPARE(given.options->jobs, 4);
    QCOMPARE(given.options->readPaceMs, 0);
    QCOMPARE(given.options->writePaceMs, 45);
}

QTEST_MAIN(ToolPartsTest)
#include "tst_tool_parts.moc"
