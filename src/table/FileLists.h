#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace quven {

// The drive, folder and file lists of a file chooser, without widgets: the drives are the
// file-system roots and mounted volumes, the folders those of the current directory (with
// ".." to go up), the files the regular files (or links to them) of the current directory
// that match the pattern (without regard to case, so T.TXT shows among *.txt). It starts on the
// process's current directory.
class FileLists : public QObject {
    Q_OBJECT
  public:
    explicit FileLists(const QString& pattern, QObject* parent = nullptr);

    QStringList drives() const;
    QString drive() const { return drive_; }                // the drive the directory is on
    QString directory() const { return directory_; }        // absolute, native separators
    QStringList folders() const { return folders_; }        // ".." first unless at a root
    QStringList files() const { return files_; }            // names only, sorted
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
