// SPDX-License-Identifier: Apache-2.0
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include "FileBytes.h"
#include "TinyDisk.h"

#include "link/HostHistory.h"

using namespace quven;

// "MainfRM_L.Log": one line of six comma-terminated hosts, most recent first.
class HostHistoryTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void loadsWhatCanBeRead_data();
    void loadsWhatCanBeRead();
    void remembersTheWayTheConnectSequenceDoes_data();
    void remembersTheWayTheConnectSequenceDoes();
    void savesOneLineOfSixFields();
    void failedSaveKeepsTheOldFile();
    void fullDiskKeepsTheOldFile();
    void specialFilesAreNoHistory();
};

void HostHistoryTest::loadsWhatCanBeRead_data() {
    QTest::addColumn<QByteArray>("content");  // "<none>": no file at all
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("complete");

    QTest::newRow("no file") << QByteArray("<none>") << QStringList{} << false;
    QTest::newRow("empty file") << QByteArray("") << QStringList{} << false;
    QTest::newRow("six fields") << QByteArray("a,b,c,d,e,f,\r\n")
                                << QStringList{"a", "b", "c", "d", "e", "f"} << true;
    QTest::newRow("six empty fields")
        << QByteArray(",,,,,,\r\n") << QStringList{"", "", "", "", "", ""} << true;
    QTest::newRow("fewer than six commas keeps what was read")
        << QByteArray("a,b,c\r\n") << QStringList{"a", "b"} << false;
    QTest::newRow("text after the sixth comma is ignored")
        << QByteArray("a,b,c,d,e,f,g,h\r\n") << QStringList{"a", "b", "c", "d", "e", "f"} << true;
    QTest::newRow("the last line counts") << QByteArray("x,x,x,x,x,x,\r\n1,2,3,4,5,6,\r\n")
                                          << QStringList{"1", "2", "3", "4", "5", "6"} << true;
    QTest::newRow("a trailing empty line is the last line")
        << QByteArray("a,b,c,d,e,f,\r\n\r\n") << QStringList{} << false;
    QTest::newRow("LF only line ends")
        << QByteArray("x,,,,,,\nhost,,,,,,\n") << QStringList{"host", "", "", "", "", ""} << true;
    QTest::newRow("bytes are characters one to one")
        << QByteArray("h\xF6st,\xFF,,,,,\r\n")
        << QStringList{QString::fromLatin1("h\xF6st"), QString::fromLatin1("\xFF"), "", "", "", ""}
        << true;
    QTest::newRow("blanks are part of the host")
        << QByteArray(" a ,,,,,,\r\n") << QStringList{" a ", "", "", "", "", ""} << true;
    QTest::newRow("a byte-order mark at the start is skipped")
        << QByteArray(
               "\xEF\xBB\xBF"
               "host,,,,,,\r\n")
        << QStringList{"host", "", "", "", "", ""} << true;
}

void HostHistoryTest::loadsWhatCanBeRead() {
    QFETCH(QByteArray, content);
    QFETCH(QStringList, entries);
    QFETCH(bool, complete);

    QTemporaryDir dir;
    const QString path = dir.filePath(hosthistory::kFileName);
    if (content != "<none>") {
        writeBytes(path, content);
    }
    const hosthistory::Loaded loaded = hosthistory::load(path);
    QCOMPARE(loaded.entries, entries);
    QCOMPARE(loaded.complete, complete);
}

void HostHistoryTest::remembersTheWayTheConnectSequenceDoes_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("first host") << QStringList{} << "controller-a" << QStringList{"controller-a"};
    QTest::newRow("top host again leaves five of six")
        << QStringList{"a", "b", "c", "d", "e", "f"} << "a" << QStringList{"a", "b", "c", "d", "e"};
    QTest::newRow("new host drops the fifth and keeps the last")
        << QStringList{"a", "b", "c", "d", "e", "f"} << "g"
        << QStringList{"g", "a", "b", "c", "d", "f"};
    QTest::newRow("a lower entry moves to the top")
        << QStringList{"a", "b", "c"} << "c" << QStringList{"c", "a", "b"};
    QTest::newRow("only the first equal entry goes")
        << QStringList{"a", "b", "a"} << "a" << QStringList{"a", "b", "a"};
    QTest::newRow("case counts") << QStringList{"Host"} << "host" << QStringList{"host", "Host"};
    QTest::newRow("an empty host takes out an empty entry and adds nothing")
        << QStringList{"a", "", "b", "", "", ""} << "" << QStringList{"a", "b", "", "", ""};
    QTest::newRow("seven entries: the sixth goes, the seventh stays")
        << QStringList{"a", "b", "c", "d", "e", "f", "g"} << "z"
        << QStringList{"z", "a", "b", "c", "d", "f", "g"};
}

void HostHistoryTest::remembersTheWayTheConnectSequenceDoes() {
    QFETCH(QStringList, before);
    QFETCH(QString, host);
    QFETCH(QStringList, after);

    hosthistory::remember(before, host);
    QCOMPARE(before, after);
}

void HostHistoryTest::savesOneLineOfSixFields() {
    QTemporaryDir dir;
    const QString path = dir.filePath(hosthistory::kFileName);

    QVERIFY(hosthistory::save(path, {QStringLiteral("127.0.0.1")}));
    QCOMPARE(readBytes(path), QByteArray("127.0.0.1,,,,,,\r\n"));

    // Six fields, whatever the list holds; a seventh entry is not written.
    const QStringList seven{"a", "b", "c", "d", "e", "f", "g"};
    QVERIFY(hosthistory::save(path, seven));
    QCOMPARE(readBytes(path), QByteArray("a,b,c,d,e,f,\r\n"));

    // Single-byte text both ways.
    QVERIFY(hosthistory::save(path, {QString::fromLatin1("h\xF6st")}));
    QCOMPARE(readBytes(path), QByteArray("h\xF6st,,,,,,\r\n"));
    QCOMPARE(hosthistory::load(path).entries.first(), QString::fromLatin1("h\xF6st"));
}

void HostHistoryTest::failedSaveKeepsTheOldFile() {
    QTemporaryDir dir;
    const QString missingFolder = dir.filePath(QStringLiteral("gone/") + hosthistory::kFileName);
    QVERIFY(!hosthistory::save(missingFolder, {QStringLiteral("a")}));

    // A host that cannot be written single-byte is refused rather than written mangled,
    // and the history already on disk stays whole.
    const QString path = dir.filePath(hosthistory::kFileName);
    QVERIFY(hosthistory::save(path, {QStringLiteral("old")}));
    QVERIFY(!hosthistory::save(path, {QStringLiteral("\u65e5\u672c")}));
    QCOMPARE(readBytes(path), QByteArray("old,,,,,,\r\n"));
}

void HostHistoryTest::fullDiskKeepsTheOldFile() {
    TinyDisk disk;
    if (!disk.mounted) {
        QSKIP("a full disk is a small tmpfs: needs root and mount");
    }
    const QString path = disk.path(hosthistory::kFileName);
    writeBytes(path, "old,,,,,,\r\n");
    QVERIFY(disk.fill());

    QString reason;
    QVERIFY(!hosthistory::save(path, {QStringLiteral("new")}, &reason));
    QVERIFY(!reason.isEmpty());
    QCOMPARE(readBytes(path), QByteArray("old,,,,,,\r\n"));
}

void HostHistoryTest::specialFilesAreNoHistory() {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(hosthistory::kFileName);
    if (::mkfifo(QFile::encodeName(fifo).constData(), 0600) != 0) {
        QSKIP("no FIFO can be made in the temporary folder");
    }
    const QString zero = dir.filePath(QStringLiteral("zero.log"));
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), zero));
    // Read as if there were no file: without waiting for a writer, without reading forever.
    for (const QString& path : {fifo, zero}) {
        const hosthistory::Loaded loaded = hosthistory::load(path);
        QVERIFY(loaded.entries.isEmpty());
        QVERIFY(!loaded.complete);
    }
}

QTEST_GUILESS_MAIN(HostHistoryTest)
#include "tst_host_history.moc"
