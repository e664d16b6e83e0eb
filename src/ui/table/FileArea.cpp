// SPDX-License-Identifier: Apache-2.0
#include "ui/table/FileArea.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include "table/TableScreen.h"
#include "ui/kit/Colours.h"
#include "ui/kit/Controls.h"
#include "ui/table/FolderLine.h"
#include "ui/table/TableCells.h"

namespace quven {

using kit::place;

// Every place below is in twips of the window.
namespace {
constexpr int kBoxLeft = 10860;
constexpr int kFileButtonTop = 8100;
constexpr int kFileButtonWidth = 1440;
constexpr int kFileButtonHeight = 495;

// The list's entries, each with its whole text as its tooltip: a long name is cut by the list's
// edge, and the list scrolls sideways to it.
void fill(QListWidget* list, const QStringList& entries) {
    list->clear();
    for (const QString& entry : entries) {
        auto* item = new QListWidgetItem(entry, list);
        item->setToolTip(entry);
    }
}
}  // namespace

FileArea::FileArea(QWidget* window, const kit::Twips& twips, const QRect& area, TableScreen& screen)
    : TablePanel(window, QStringLiteral("FileArea"), QStringLiteral("File area"), twips, area),
      screen_(screen) {
    build();
    buildButtons();
    bind();
}

void FileArea::build() {
    // In the window's face, as the buttons.
    caption(QStringLiteral("lblFileArea"), QStringLiteral("Data Save to or Load from File"), font(),
            10980, 5100, QStringLiteral("Save the table to a file or load it from one"));
    txtFileName_ = place(new QLineEdit(this), QStringLiteral("txtFileName"),
                         QStringLiteral("File name"), rect(kBoxLeft, 5340, 3420, 300));
    txtFileName_->setToolTip(QStringLiteral("Table data file name(xxx.txt)"));
    drive1_ = place(new QComboBox(this), QStringLiteral("Drive1"), QStringLiteral("Drive"),
                    rect(kBoxLeft, 5700, 1575, 315));
    // A screen reader on Linux says a drop-down's entry as its name, then this.
    drive1_->setAccessibleDescription(QStringLiteral("Drive"));
    dir1_ = place(new QListWidget(this), QStringLiteral("Dir1"), QStringLiteral("Folders"),
                  rect(kBoxLeft, 6060, 1575, 1920));
    file1_ = place(new QListWidget(this), QStringLiteral("File1"), QStringLiteral("Table files"),
                   rect(12540, 5700, 1740, 2280));
    for (QListWidget* list : {dir1_, file1_}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    }
    // Below the buttons, the folder the lists show, in full.
    folderLine_ = place(new FolderLine(this), QStringLiteral("lblFolder"),
                        QStringLiteral("Current folder"), rect(kBoxLeft, 8655, 3600, 540));
}

void FileArea::buildButtons() {
    const struct {
        kit::ButtonLook look;
        int left;
        void (TableScreen::*click)();
    } buttons[] = {
        {{"cmdWrite", "Save to File", "Save data table to the file(xxx.txt)", colours::LightOrange,
          "Ctrl+S", "Save to File"},
         11280,
         &TableScreen::cmdWrite_Click},
        {{"cmdRead", "Load from File", "Load data table from the file(xxx.txt) ", colours::Green,
          "Ctrl+O", "Load from File"},
         12780,
         &TableScreen::cmdRead_Click},
    };
    for (const auto& entry : buttons) {
        auto* button = kit::button<WrappingButton>(
            this, entry.look,
            rect(entry.left, kFileButtonTop, kFileButtonWidth, kFileButtonHeight));
        connect(button, &QPushButton::clicked, &screen_, entry.click);
    }
}

void FileArea::bind() {
    txtFileName_->setText(screen_.fileName());
    connect(txtFileName_, &QLineEdit::textChanged, &screen_, &TableScreen::setFileName);
    connect(&screen_, &TableScreen::fileNameChanged, this, [this](const QString& name) {
        if (txtFileName_->text() != name) {
            const QSignalBlocker blocker(txtFileName_);
            txtFileName_->setText(name);
        }
    });

    FileLists& files = screen_.files;
    showDrives();
    showLists();
    connect(&files, &FileLists::directoryChanged, this, &FileArea::showDrives);
    connect(&files, &FileLists::listsChanged, this, &FileArea::showLists);
    connect(&files, &FileLists::selectedFileChanged, this, &FileArea::showSelectedFile);

    // Only the operator's choices go to the lists; showing them is not a choice.
    connect(drive1_, &QComboBox::activated, &files, [this](int index) {
        screen_.files.setDrive(drive1_->itemText(index));
        // A drive that is not ready leaves the lists where they were; so does the box.
        showDrives();
    });
    connect(dir1_, &QListWidget::itemActivated, this, &FileArea::folderActivated);
    connect(file1_, &QListWidget::currentTextChanged, &screen_, [this](const QString& name) {
        if (!name.isEmpty()) {
            screen_.File1_Click(name);
        }
    });
    // A click on the file already selected takes its name again, over an edited one.
    connect(file1_, &QListWidget::itemClicked, &screen_,
            [this](QListWidgetItem* item) { screen_.File1_Click(item->text()); });
}

void FileArea::showDrives() {
    const QSignalBlocker blocker(drive1_);
    drive1_->clear();
    const QStringList drives = screen_.files.drives();
    for (int index = 0; index < drives.size(); ++index) {
        drive1_->addItem(drives[index]);
        drive1_->setItemData(index, drives[index], Qt::ToolTipRole);
    }
    // The drop-down list as wide as its longest root, which the box itself may cut.
    drive1_->view()->setMinimumWidth(drive1_->view()->sizeHintForColumn(0) +
                                     2 * drive1_->view()->frameWidth());
    drive1_->setCurrentIndex(drive1_->findText(screen_.files.drive()));
    drive1_->setToolTip(screen_.files.drive());
    folderLine_->showFolder(screen_.files.directory());
}

void FileArea::showLists() {
    const FileLists& files = screen_.files;
    {
        const QSignalBlocker blocker(dir1_);
        fill(dir1_, files.folders());
        // The list shows the folders in the directory; where that is, the tooltip says.
        dir1_->setToolTip(files.directory());
    }
    {
        const QSignalBlocker blocker(file1_);
        fill(file1_, files.files());
    }
    showSelectedFile();
}

void FileArea::showSelectedFile() {
    const QSignalBlocker blocker(file1_);
    const QList<QListWidgetItem*> matching =
        file1_->findItems(screen_.files.selectedFile(), Qt::MatchExactly);
    if (screen_.files.selectedFile().isEmpty() || matching.isEmpty()) {
        file1_->setCurrentItem(nullptr);
        file1_->clearSelection();
        return;
    }
    file1_->setCurrentItem(matching.first());
}

void FileArea::folderActivated(QListWidgetItem* item) {
    // The lists are filled anew once the folder is open; the item is gone by then.
    const QString folder = item->text();
    screen_.files.openFolder(folder);
}

}  // namespace quven
