// SPDX-License-Identifier: Apache-2.0
#include "table/FileLists.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace quven {

namespace {

const QString kUp = QStringLiteral("..");

// File systems that never hold an operator's files.
const QStringList kSystemTypes = {
    QStringLiteral("proc"),       QStringLiteral("sysfs"),       QStringLiteral("devtmpfs"),
    QStringLiteral("devpts"),     QStringLiteral("cgroup"),      QStringLiteral("cgroup2"),
    QStringLiteral("securityfs"), QStringLiteral("debugfs"),     QStringLiteral("tracefs"),
    QStringLiteral("pstore"),     QStringLiteral("bpf"),         QStringLiteral("configfs"),
    QStringLiteral("fusectl"),    QStringLiteral("mqueue"),      QStringLiteral("hugetlbfs"),
    QStringLiteral("autofs"),     QStringLiteral("binfmt_misc"), QStringLiteral("efivarfs"),
    QStringLiteral("rpc_pipefs"), QStringLiteral("nsfs"),        QStringLiteral("selinuxfs"),
    QStringLiteral("nfsd"),       QStringLiteral("squashfs"),    QStringLiteral("overlay"),
};
// File systems in memory: a scratch place of the system's, unless mounted where media go.
const QStringList kMemoryTypes = {QStringLiteral("tmpfs"), QStringLiteral("ramfs")};
const QStringList kMediaPlaces = {QStringLiteral("/media"), QStringLiteral("/mnt"),
                                  QStringLiteral("/run/media")};
const QStringList kSystemPlaces = {
    QStringLiteral("/proc"), QStringLiteral("/sys"),      QStringLiteral("/dev"),
    QStringLiteral("/run"),  QStringLiteral("/boot"),     QStringLiteral("/efi"),
    QStringLiteral("/snap"), QStringLiteral("/var/snap"), QStringLiteral("/var/lib"),
    QStringLiteral("/usr"),  QStringLiteral("/etc"),      QStringLiteral("/tmp"),
};

QString nativeClean(const QString& path) {
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

bool liesIn(const QString& root, const QStringList& places) {
    const QString path = QDir::fromNativeSeparators(root);
    for (const QString& place : places) {
        if (path == place || path.startsWith(place + QLatin1Char('/'))) {
            return true;
        }
    }
    return false;
}

bool holdsData(const MountedVolume& volume) {
    if (kSystemTypes.contains(volume.type)) {
        return false;
    }
    if (liesIn(volume.root, kMediaPlaces)) {
        return true;
    }
    return !kMemoryTypes.contains(volume.type) && !liesIn(volume.root, kSystemPlaces);
}

// The drive a path lies on: the root of the longest drive that holds it.
QString driveOf(const QString& path, const QStringList& drives) {
    QString best;
    const QString canonical = QDir::fromNativeSeparators(path);
    for (const QString& drive : drives) {
        const QString root = QDir::fromNativeSeparators(drive);
        const bool holds =
            canonical == root ||
            canonical.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
        if (holds && drive.size() > best.size()) {
            best = drive;
        }
    }
    return best;
}

}  // namespace

QStringList pickableDrives(const QStringList& roots, const QString& home,
                           const QList<MountedVolume>& volumes) {
    QStringList list = roots;
    if (!home.isEmpty()) {
        list.append(home);
    }
    for (const MountedVolume& volume : volumes) {
        if (holdsData(volume)) {
            list.append(volume.root);
        }
    }
    list.removeDuplicates();
    list.sort();
    return list;
}

FileLists::FileLists(const QString& pattern, QObject* parent) : QObject(parent), pattern_(pattern) {
    setDirectory(QDir::currentPath());
}

// A volume whose root is not a folder (a file mounted over another, as containers do with
// their /etc/hosts) is no drive.
QStringList FileLists::drives() const {
    QStringList roots;
    for (const QFileInfo& root : QDir::drives()) {
        roots.append(nativeClean(root.absoluteFilePath()));
    }
    QList<MountedVolume> volumes;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir()) {
            volumes.append(
                {nativeClean(volume.rootPath()), QString::fromLatin1(volume.fileSystemType())});
        }
    }
    return pickableDrives(roots, nativeClean(QDir::homePath()), volumes);
}

void FileLists::setDrive(const QString& drive) {
    if (!drive.isEmpty()) {
        setDirectory(drive);
    }
}

void FileLists::openFolder(const QString& folder) {
    if (folder == kUp) {
        QDir up(directory_);
        if (up.cdUp()) {
            setDirectory(up.absolutePath());
        }
        return;
    }
    setDirectory(QDir(directory_).absoluteFilePath(folder));
}

void FileLists::setDirectory(const QString& path) {
    const QFileInfo info(path);
    if (!info.isDir()) {
        return;  // a folder that went away, or a drive that is not ready: stay where we are
    }
    directory_ = nativeClean(info.absoluteFilePath());
    drive_ = driveOf(directory_, drives());
    refresh();
    Q_EMIT directoryChanged(directory_);
}

void FileLists::refresh() {
    const QDir dir(directory_);
    // Hidden folders too: a way back into one the operator went up from.
    folders_ = dir.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                             QDir::Name | QDir::IgnoreCase);
    if (!dir.isRoot()) {
        folders_.prepend(kUp);
    }
    // Regular files only, or links to them: a FIFO or a device behind a matching name would
    // be chosen for a load that can never give a table.
    QDir matching(directory_, pattern_, QDir::Name | QDir::IgnoreCase, QDir::Files);
    files_.clear();
    for (const QFileInfo& file : matching.entryInfoList()) {
        if (file.isFile()) {
            files_.append(file.fileName());
        }
    }
    if (!files_.contains(selectedFile_)) {
        selectedFile_.clear();
        Q_EMIT selectedFileChanged(selectedFile_);
    }
    Q_EMIT listsChanged();
}

void FileLists::selectFile(const QString& name) {
    const QString selected = files_.contains(name) ? name : QString();
    if (selected != selectedFile_) {
        selectedFile_ = selected;
        Q_EMIT selectedFileChanged(selectedFile_);
    }
}

QString FileLists::pathOf(const QString& name) const {
    const QString separator = QDir::separator();
    return directory_.endsWith(separator) ? directory_ + name : directory_ + separator + name;
}

}  // namespace quven
