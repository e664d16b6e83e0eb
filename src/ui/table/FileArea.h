// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "ui/table/TablePanel.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace quven {

class FolderLine;
class TableScreen;

// The data-table screen's file area: the file name, the drive, folder and file lists, "Save to
// File" and "Load from File", and below them the folder the lists show. It shows TableScreen's
// file name and lists and hands the operator's choices and clicks to it.
class FileArea : public TablePanel {
    Q_OBJECT
  public:
    FileArea(QWidget* window, const kit::Twips& twips, const QRect& area, TableScreen& screen);

  private:
    void build();
    void buildButtons();
    void bind();
    void showDrives();
    void showLists();
    void showSelectedFile();
    void folderActivated(QListWidgetItem* item);

    TableScreen& screen_;
    QLineEdit* txtFileName_ = nullptr;
    QComboBox* drive1_ = nullptr;
    QListWidget* dir1_ = nullptr;
    QListWidget* file1_ = nullptr;
    FolderLine* folderLine_ = nullptr;
};

}  // namespace quven
