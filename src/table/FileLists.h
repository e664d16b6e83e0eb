// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace quven {

// A volume the system has mounted: where, and its file system's type ("ext4", "tmpfs").
struct MountedVolume {
    QString root;
    QString type;
};

// The drives an operator would pick among: the file-system roots, the home folder and the
// mounted volumes that hold data, each once, sorted. A volume holds data unless
// - its file system is one of the system's own (proc, sysfs, devpts, cgroup, ...), a read-only
//   image (squashfs: snaps, live media) or a container's layers (overlay);
// - or it is mounted outside the places people mount their media (/media, /mnt, /run/media) and
//   either lives in memory (tmpfs, ramfs) or lies in one of the system's folders (/proc, /sys,
//   /dev, /run, /boot, /efi, /snap, /var/snap, /var/lib, /usr, /etc, /tmp).
// So a USB stick in /media, a disk in /mnt or /data and a network share count; /boot/efi,
// /run/user/..., /dev/shm and the snaps' images do not.
QStringList pickableDrives(const QStringList& roots, const QString& home,
                           const QList<MountedVolume>& volumes);

// The drive, folder and file lists of a file chooser, without widgets: the drives are those an
// operator would pick (pickableDrives), the folders those of the current directory, hidden ones
// too (with ".." first to go up), the files the regular files (or links to them) of the current
// directory that match the pattern (without regard to case, so T.TXT shows among *.txt). It
// starts on the process's current directory.
class FileLists : public QObject {
    Q_OBJECT
  public:
    explicit FileLists(const QString& pattern, QObject* parent = nullptr);

    QStringList drives() const;
    QString drive() const { return drive_; }          // the deepest drive that holds the directory
    QString directory() const { return directory_; }  // absolute, native separators
    QStringList folders() const { return folders_; }  // ".." first unless at a root
    QStringList files() const { return files_; }      // names only, sorted
    QString selectedFile() const { return selectedFile_; }  // a name of files(), or empty

    // `Drive1` change: the directory becomes the drive's root.
    void setDrive(const QString& drive);
    // `Dir1` change: a folder of folders() (or ".."), or an absolute path.
    void openFolder(const QString& folder);
    void setDirectory(const QString& path);
    // `File1` click; a name not in files() selects nothing.
    void selectFile(const QString& name);
    // Reads the directory again (a file was saved).
    void refresh();

    // The directory joined with a name by exactly one separator.
    QString pathOf(const QString& name) const;

  Q_SIGNALS:
    void directoryChanged(const QString& directory);
    void listsChanged();
    void selectedFileChanged(const QString& name);

  private:
    QString pattern_;
    QString drive_;
    QString directory_;
    QStringList folders_;
    QStringList files_;
    QString selectedFile_;
};

}  // namespace quven
