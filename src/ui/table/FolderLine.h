// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QLabel>
#include <QString>

namespace quven {

// The folder the file lists show, written out in full: "Folder: /home/op/tables". A long path
// wraps after its separators; one too long for the lines the box has loses its first folders
// ("Folder: …/op/tables") on the screen, while the tooltip and a screen reader still have all
// of it.
class FolderLine : public QLabel {
    Q_OBJECT
  public:
    explicit FolderLine(QWidget* parent = nullptr);

    void showFolder(const QString& path);
    QString folder() const { return folder_; }

  private:
    bool fits(const QString& text) const;

    QString folder_;
};

}  // namespace quven
