#include "table/FileLists.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace quven {

namespace {

const QString kUp = QStringLiteral("..");

QString nativeClean(const QString& path) {
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

// The drive a path lies on: the root of the longest mounted volume that holds it.
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

FileLists::FileLists(const QString& pattern, QObject* parent) : QObject(parent), pattern_(pattern) {
    setDirectory(QDir::currentPath());
}

QStringList FileLists::drives() const {
    QStringList list;
    for (const QFileInfo& root : QDir::drives()) {
        list.append(nativeClean(root.absoluteFilePath()));
    }
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady()) {
            const QString root = nativeClean(volume.rootPath());
            if (!list.contains(root)) {
                list.append(root);
            }
        }
    }
    list.sort();
    return list;
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
    folders_ = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
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
