// SPDX-License-Identifier: Apache-2.0
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "SetupFrmWindow.h"
#include "table/FileLists.h"
#include "ui/kit/WidgetLook.h"
#include "ui/table/FolderLine.h"

using namespace quven;
using namespace setupfrmtest;

namespace {

void makeFile(const QString& path) {
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
}

// What a person reads in the folder line, without the places it may break.
QString readable(const QString& text) {
    QString plain = text;
    plain.remove(QChar(0x200B));
    return plain;
}

}  // namespace

// The data-table screen's file chooser: which drives it offers, the folders it lists, and that
// it shows where it is and every name in full.
class FileChooserTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() {
        useConsoleStyle(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    }

    // The drives: the root and the home folder always; a mounted volume when it holds data.
    void offersTheDrivesPeoplePick_data() {
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("offered");
        const struct {
            const char* root;
            const char* type;
            bool offered;
        } volumes[] = {
            {"/", "ext4", true},
            {"/home", "ext4", true},
            {"/media/op/STICK", "vfat", true},
            {"/run/media/op/DISK", "exfat", true},
            {"/mnt/backup", "ext4", true},
            {"/mnt/ramdisk", "tmpfs", true},
            {"/data", "xfs", true},
            {"/net/share", "nfs4", true},
            {"/media/op/DVD", "iso9660", true},
            {"/proc", "proc", false},
            {"/sys", "sysfs", false},
            {"/sys/fs/cgroup", "cgroup2", false},
            {"/dev", "devtmpfs", false},
            {"/dev/shm", "tmpfs", false},
            {"/run", "tmpfs", false},
            {"/run/user/1000", "tmpfs", false},
            {"/run/user/1000/gvfs", "fuse.gvfsd-fuse", false},
            {"/tmp", "tmpfs", false},
            {"/boot", "ext4", false},
            {"/boot/efi", "vfat", false},
            {"/snap/core22/1122", "squashfs", false},
            {"/var/lib/docker/overlay2/abc/merged", "overlay", false},
            {"/srv/image", "squashfs", false},
        };
        for (const auto& volume : volumes) {
            QTest::newRow(volume.root) << QString::fromLatin1(volume.root)
                                       << QString::fromLatin1(volume.type) << volume.offered;
        }
    }
    void offersTheDrivesPeoplePick() {
        QFETCH(QString, root);
        QFETCH(QString, type);
        QFETCH(bool, offered);
        const QStringList drives =
            pickableDrives({QStringLiteral("/")}, QStringLiteral("/home/op"), {{root, type}});
        QCOMPARE(drives.contains(root), offered);
        QVERIFY(drives.startsWith(QStringLiteral("/")));
        QVERIFY(drives.contains(QStringLiteral("/home/op")));
        QCOMPARE(drives.size(), QSet<QString>(drives.begin(), drives.end()).size());
    }

    // Hidden folders are listed after "..", so the way back into one is never lost; the files
    // are still those of "*.txt", in any case.
    void listsHiddenFolders() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QDir dir(folder.path());
        for (const char* sub : {".run", "sub"}) {
            QVERIFY(dir.mkdir(QLatin1String(sub)));
        }
        for (const char* name : {"a.txt", "B.TXT", "c.dat"}) {
            makeFile(dir.filePath(QLatin1String(name)));
        }
        FileLists lists(QStringLiteral("*.txt"));
        lists.setDirectory(folder.path());
        QCOMPARE(lists.folders(), (QStringList{"..", ".run", "sub"}));
        QCOMPARE(lists.files(), (QStringList{"a.txt", "B.TXT"}));
        lists.openFolder(QStringLiteral(".run"));
        QCOMPARE(QDir(lists.directory()).dirName(), QStringLiteral(".run"));
        lists.openFolder(QStringLiteral(".."));
        QVERIFY(lists.folders().contains(QStringLiteral(".run")));
    }

    // The folder line shows the whole path (a deep one loses only its start on the screen, never
    // in its tooltip or for a screen reader); each list entry has its whole name as its
    // tooltip, and a list scrolls sideways to a long one.
    void showsWhereItIsAndWholeNames() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString longName = QString(60, QLatin1Char('n')) + QLatin1String(".txt");
        makeFile(QDir(folder.path()).filePath(longName));
        Window window;
        FileLists& files = window.screen.files;
        files.setDirectory(folder.path());
        auto* line = window.find<FolderLine>(QStringLiteral("lblFolder"));
        QCOMPARE(line->toolTip(), files.directory());
        QCOMPARE(line->accessibleDescription(), files.directory());
        QCOMPARE(readable(line->text()), QLatin1String("Folder: ") + files.directory());

        auto* file1 = window.find<QListWidget>(QStringLiteral("File1"));
        QCOMPARE(file1->count(), 1);
        QCOMPARE(file1->item(0)->toolTip(), longName);
        QTRY_VERIFY(file1->horizontalScrollBar()->maximum() > 0);

        QString deep = folder.path();
        for (int level = 0; level < 8; ++level) {
            deep += QLatin1String("/folder-with-a-rather-long-name-") + QString::number(level);
        }
        QVERIFY(QDir().mkpath(deep));
        files.setDirectory(deep);
        QCOMPARE(line->toolTip(), files.directory());
        const QString shown = readable(line->text());
        QVERIFY2(shown.startsWith(QStringLiteral("Folder: \u2026/")) &&
                     files.directory().endsWith(shown.mid(9)),
                 qPrintable(shown));
        const QRect needed =
            line->fontMetrics().boundingRect(line->contentsRect(), Qt::TextWordWrap, line->text());
        QVERIFY(needed.height() <= line->contentsRect().height());
    }
};

QTEST_MAIN(FileChooserTest)
#include "tst_file_chooser.moc"
