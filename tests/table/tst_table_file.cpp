// SPDX-License-Identifier: Apache-2.0
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include "FileBytes.h"
#include "TinyDisk.h"

#include "TableFixture.h"
#include "table/TableFile.h"

using namespace quven;
namespace ti = tableindex;

namespace {

// The line of a cleared table.
QByteArray clearedLine() {
    return QByteArray(",,,,,C000,").repeated(8) + QByteArray(",,,,,C00000000,").repeated(8) +
           "LSSS,";
}

// A table file with the given fields (numbered from 1), the rest as in a cleared table.
QByteArray fileWith(const QMap<int, QByteArray>& values) {
    QList<QByteArray> fields = clearedLine().split(',');
    for (auto it = values.begin(); it != values.end(); ++it) {
        fields[it.key() - 1] = it.value();
    }
    return fields.join(',') + "\r\n";
}
QByteArray fileWith(int field, const QByteArray& value) {
    return fileWith({{field, value}});
}

bool isFifo(const QString& path) {
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

struct FileFixture : TableFixture {
    FileFixture() { screen.files.setDirectory(dir.path()); }
    QString path(const QString& name) const { return dir.filePath(name); }
    void load(const QString& name) {
        screen.files.refresh();
        screen.File1_Click(name);
        screen.cmdRead_Click();
    }
    QTemporaryDir dir;
};

}  // namespace

// The table file: its exact bytes, the name rules, the decoding, and every way a save or a
// load can go wrong.
class TableFileTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void savesAClearedTableExactly();
    void nameRules_data();
    void nameRules();
    void roundTrip();
    void loadDecodesFileCodes();
    void badFilesAreReportedAndLeaveTheTableCleared_data();
    void badFilesAreReportedAndLeaveTheTableCleared();
    void refusesFieldsTheFileCannotKeep();
    void failedSaveIsReported();
    void loadDuringATransferDoesNotClear();
    void fileListsFollowTheFolder();
    void fullDiskKeepsTheOldFile();
    void onlyRegularFilesAreListedLoadedOrReplaced();
    void byteOrderMarkIsSkipped();
};

void TableFileTest::savesAClearedTableExactly() {
    FileFixture f;
    f.screen.setFileName(QStringLiteral("t"));
    f.screen.cmdWrite_Click();
    QVERIFY(f.messages.shown.isEmpty());
    QCOMPARE(f.screen.fileName(), QStringLiteral("t.txt"));
    QCOMPARE(readBytes(f.path("t.txt")), clearedLine() + "\r\n");
    QCOMPARE(clearedLine().count(','), tablefile::kFieldCount);
    QVERIFY(f.screen.files.files().contains(QStringLiteral("t.txt")));
}

void TableFileTest::nameRules_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("no extension") << "t"
                                  << "t.txt";
    QTest::newRow("upper case kept") << "T.TXT"
                                     << "T.TXT";
    QTest::newRow("lower case kept") << "t.txt"
                                     << "t.txt";
    QTest::newRow("mixed case is no extension") << "t.Txt"
                                                << "t.Txt.txt";
    QTest::newRow("other extension") << "table.dat"
                                     << "table.dat.txt";
    QTest::newRow("empty") << ""
                           << "";
}

void TableFileTest::nameRules() {
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    FileFixture f;
    f.screen.setFileName(typed);
    f.screen.cmdWrite_Click();
    QCOMPARE(f.screen.fileName(), saved.isEmpty() ? typed : saved);
    if (saved.isEmpty()) {
        QCOMPARE(f.messages.shown,
                 QList<Message>{(Message{QStringLiteral("Input file name !"),
                                         QStringLiteral("Caution !"), MessageIcon::Information})});
        QVERIFY(QDir(f.dir.path()).isEmpty());
        return;
    }
    QVERIFY(f.messages.shown.isEmpty());
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{saved});
}

void TableFileTest::roundTrip() {
    FileFixture f;
    DataTable& t = f.table();
    t.setText2(0, QStringLiteral("+0001234"));
    t.setText1(ti::speed(9, ti::Rate), QString::fromLatin1("\xB5 7"));  // any single-byte text
    t.selectOption2(ti::drive(3, ti::DriveT));
    t.setCheck2(ti::normalSwitch(3, ti::CcwlsEnable), true);
    t.setCheck2(ti::normalSwitch(3, ti::CcwlsNc), true);
    t.setCheck2(ti::normalSwitch(4, ti::CwlsNc), true);  // without its EN: not kept
    t.setCheck2(ti::axisEnable(6, 2), true);
    t.setCheck2(ti::axisReverse(6, 2), true);
    t.selectOption2(ti::AllStop);
    f.screen.setFileName(QStringLiteral("round"));
    f.screen.cmdWrite_Click();

    f.screen.cmdDataClear_Click();
    f.load(QStringLiteral("round.txt"));
    QVERIFY(f.messages.shown.isEmpty());
    QCOMPARE(t.Text2(0), QStringLiteral("+0001234"));
    QCOMPARE(t.Text1(ti::speed(9, ti::Rate)), QString::fromLatin1("\xB5 7"));
    QVERIFY(t.Option2(ti::drive(3, ti::DriveT)));
    QVERIFY(t.Check2(ti::normalSwitch(3, ti::CcwlsNc)));
    QVERIFY(!t.Check2(ti::normalSwitch(4, ti::CwlsNc)));
    QVERIFY(t.Check2(ti::axisReverse(6, 2)));
    // A row without a drive comes back as C, the limit stop with both pairs selected.
    QVERIFY(t.Option2(ti::drive(0, ti::DriveC)));
    QVERIFY(t.Option2(ti::SlowStop));
    QVERIFY(t.Option2(ti::AllStop));
    // Saved again, it gives the same file.
    const QByteArray first = readBytes(f.path("round.txt"));
    f.screen.cmdWrite_Click();
    QCOMPARE(readBytes(f.path("round.txt")), first);
}

void TableFileTest::loadDecodesFileCodes() {
    FileFixture f;
    // Only the last line counts; row 0's switch block X9Z2, function mode 0's axes 0,1,2,x.
    writeBytes(f.path("codes.txt"),
               fileWith(97, "LSEA") + fileWith({{6, "X9Z2"}, {54, "S012x0000"}, {97, "??Ex"}}));
    f.load(QStringLiteral("codes.txt"));
    QVERIFY(f.messages.shown.isEmpty());
    DataTable& t = f.table();
    QVERIFY(t.Option2(ti::drive(0, ti::DriveC)));
    const QList<bool> row0{true, false, true, false, true, true};
    for (int k = 0; k < 6; ++k) {
        QCOMPARE(t.Check2(ti::normalSwitch(0, k)), row0.at(k));
    }
    QVERIFY(t.Option2(ti::drive(8, ti::DriveS)));
    const QList<bool> enable{false, true, true, false};
    const QList<bool> reverse{false, false, true, false};
    for (int a = 0; a < 4; ++a) {
        QCOMPARE(t.Check2(ti::axisEnable(0, a)), enable.at(a));
        QCOMPARE(t.Check2(ti::axisReverse(0, a)), reverse.at(a));
    }
    // The first two characters of the limit stop are not looked at.
    QVERIFY(t.Option2(ti::EmStop));
    QVERIFY(t.Option2(ti::IndivStop));
}

void TableFileTest::badFilesAreReportedAndLeaveTheTableCleared_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::newRow("fewer fields") << QByteArray("1,2,3,\r\n") << "holds 3 of the 97 fields";
    QTest::newRow("empty file") << QByteArray() << "holds 0 of the 97 fields";
    QTest::newRow("ends in an empty line") << fileWith(1, "5") + "\r\n"
                                           << "holds 0 of the 97 fields";
    QTest::newRow("binary") << fileWith(2, QByteArray("\0\1", 2)) << "not a text file";
    QTest::newRow("line too long") << fileWith(2, QByteArray(40000, 'x')) << "longer";
}

void TableFileTest::badFilesAreReportedAndLeaveTheTableCleared() {
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    FileFixture f;
    writeBytes(f.path("bad.txt"), content);
    f.table().setText2(0, QStringLiteral("before"));
    f.load(QStringLiteral("bad.txt"));
    QCOMPARE(f.messages.shown.size(), 1);
    QVERIFY2(f.messages.shown.first().text.contains(reason),
             qPrintable(f.messages.shown.first().text));
    QVERIFY(f.messages.shown.first().text.contains(QStringLiteral("bad.txt")));
    QVERIFY(f.table().isCleared());

    // No file chosen: its own message, with the stop sign; the table stays cleared too.
    f.screen.File1_Click(QString());
    f.screen.cmdRead_Click();
    QCOMPARE(f.messages.shown.last(),
             (Message{QStringLiteral("Indicate the file name in the folder !"),
                      QStringLiteral("Caution !"), MessageIcon::Critical}));
}

void TableFileTest::refusesFieldsTheFileCannotKeep() {
    FileFixture f;
    writeBytes(f.path("keep.txt"), "old\r\n");
    f.screen.setFileName(QStringLiteral("keep.txt"));
    f.table().setText1(ti::speed(3, ti::Hspd), QStringLiteral("1,000"));
    f.screen.cmdWrite_Click();
    QCOMPARE(f.messages.shown.size(), 1);
    QVERIFY(f.messages.shown.first().text.startsWith(QStringLiteral("NORMAL MODE CH 3, HSPD")));
    QCOMPARE(readBytes(f.path("keep.txt")), QByteArray("old\r\n"));

    f.table().setText1(ti::speed(3, ti::Hspd), QString());
    f.table().setText1(ti::speed(8, ti::Rate), QStringLiteral("05\r\n"));  // a short reply's
    f.screen.cmdWrite_Click();
    QVERIFY(f.messages.shown.last().text.startsWith(QStringLiteral("FUNCTION MODE 0, RATE")));
    f.table().setText1(ti::speed(8, ti::Rate), QString());
    f.table().setText2(ti::position(13), QStringLiteral("\u65e5"));
    f.screen.cmdWrite_Click();
    QVERIFY(f.messages.shown.last().text.startsWith(QStringLiteral("FUNCTION MODE 5, POS")));
    QCOMPARE(readBytes(f.path("keep.txt")), QByteArray("old\r\n"));
}

void TableFileTest::failedSaveIsReported() {
    FileFixture f;
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("taken.txt")));  // a folder by that name
    f.screen.setFileName(QStringLiteral("taken"));
    f.screen.cmdWrite_Click();
    QCOMPARE(f.messages.shown.size(), 1);
    QVERIFY(f.messages.shown.first().text.startsWith(
        QStringLiteral("The table could not be saved to ") + f.path("taken.txt")));
}

void TableFileTest::loadDuringATransferDoesNotClear() {
    FileFixture f;
    writeBytes(f.path("t.txt"), fileWith(1, "9"));
    f.table().setText2(0, QStringLiteral("1"));
    f.table().setCheck2(5, true);
    f.screen.tmrTokei.setInterval(20);  // a read runs
    f.load(QStringLiteral("t.txt"));
    QCOMPARE(f.table().Text2(0), QStringLiteral("9"));
    QVERIFY(f.table().Check2(5));
}

void TableFileTest::fileListsFollowTheFolder() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    writeBytes(dir.filePath("B.TXT"), "x");
    writeBytes(dir.filePath("a.txt"), "x");
    writeBytes(dir.filePath("c.dat"), "x");
    FileLists lists(QStringLiteral("*.txt"));
    lists.setDirectory(dir.path());
    QCOMPARE(lists.files(), (QStringList{"a.txt", "B.TXT"}));
    QCOMPARE(lists.folders(), (QStringList{"..", "sub"}));
    QCOMPARE(lists.pathOf(QStringLiteral("a.txt")),
             QDir::toNativeSeparators(dir.filePath("a.txt")));
    QVERIFY(lists.drives().contains(QStringLiteral("/")));
    QVERIFY(!lists.drive().isEmpty());

    lists.selectFile(QStringLiteral("c.dat"));
    QVERIFY(lists.selectedFile().isEmpty());
    lists.selectFile(QStringLiteral("B.TXT"));
    QCOMPARE(lists.selectedFile(), QStringLiteral("B.TXT"));
    lists.openFolder(QStringLiteral("sub"));
    QVERIFY(lists.files().isEmpty());
    QVERIFY(lists.selectedFile().isEmpty());
    lists.openFolder(QStringLiteral(".."));
    QCOMPARE(QDir(lists.directory()), QDir(dir.path()));

    // At a root the separator is not doubled, and there is no way further up.
    lists.setDrive(QStringLiteral("/"));
    QCOMPARE(lists.directory(), QStringLiteral("/"));
    QCOMPARE(lists.pathOf(QStringLiteral("t.txt")), QStringLiteral("/t.txt"));
    QVERIFY(!lists.folders().contains(QStringLiteral("..")));
}

void TableFileTest::fullDiskKeepsTheOldFile() {
    TinyDisk disk;
    if (!disk.mounted) {
        QSKIP("a full disk is a small tmpfs: needs root and mount");
    }
    const QString path = disk.path(QStringLiteral("t.txt"));
    const QByteArray old = fileWith(1, "old");
    writeBytes(path, old);
    QVERIFY(disk.fill());

    const std::optional<QString> error = tablefile::save(path, QString::fromLatin1(clearedLine()));
    QVERIFY(error);
    QVERIFY(!error->isEmpty());
    QCOMPARE(readBytes(path), old);
    QCOMPARE(QDir(disk.dir.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"filler", "t.txt"}));  // no half-written file left behind
}

void TableFileTest::onlyRegularFilesAreListedLoadedOrReplaced() {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.txt"));
    if (::mkfifo(QFile::encodeName(fifo).constData(), 0600) != 0) {
        QSKIP("no FIFO can be made in the temporary folder");
    }
    const QString fifoLink = dir.filePath(QStringLiteral("t.txt"));
    QVERIFY(QFile::link(fifo, fifoLink));
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("zero.txt"))));
    const QString plain = dir.filePath(QStringLiteral("plain.txt"));
    const QString plainLink = dir.filePath(QStringLiteral("link.txt"));
    writeBytes(plain, fileWith(1, "1234"));
    QVERIFY(QFile::link(plain, plainLink));

    FileLists lists(QStringLiteral("*.txt"));
    lists.setDirectory(dir.path());
    QCOMPARE(lists.files(), (QStringList{"link.txt", "plain.txt"}));

    // A load neither waits for a FIFO's writer nor reads a device without end.
    for (const char* name : {"fifo.txt", "t.txt", "zero.txt"}) {
        const tablefile::Loaded loaded = tablefile::load(dir.filePath(QLatin1String(name)));
        QCOMPARE(loaded.error, QStringLiteral("it is not a regular file"));
        QVERIFY(loaded.fields.isEmpty());
    }
    QCOMPARE(tablefile::load(plainLink).fields.value(0), QStringLiteral("1234"));

    // A save does not replace what a link leads to unless it is a regular file.
    const QString line = QString::fromLatin1(clearedLine());
    const std::optional<QString> refused = tablefile::save(fifoLink, line);
    QVERIFY(refused);
    QCOMPARE(*refused, QStringLiteral("it is not a regular file"));
    QVERIFY(isFifo(fifo));
    QVERIFY(QFileInfo(fifoLink).isSymLink());
    QVERIFY(!tablefile::save(plainLink, line));
    QVERIFY(QFileInfo(plainLink).isSymLink());
    QCOMPARE(readBytes(plain), clearedLine() + "\r\n");
}

void TableFileTest::byteOrderMarkIsSkipped() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bom.txt"));
    writeBytes(path, "\xEF\xBB\xBF" + fileWith(1, "1234"));
    QCOMPARE(tablefile::load(path).fields.value(0), QStringLiteral("1234"));

    // Only at the very start of the file: in front of a later line it is that line's text.
    writeBytes(path,
               "\xEF\xBB\xBF"
               "x\r\n\xEF\xBB\xBF" +
                   fileWith(1, "1234"));
    QCOMPARE(tablefile::load(path).fields.value(0), QString::fromLatin1("\xEF\xBB\xBF"
                                                                        "1234"));
}

QTEST_MAIN(TableFileTest)
#include "tst_table_file.moc"
