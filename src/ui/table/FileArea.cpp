#include "ui/table/FileArea.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include "table/TableScreen.h"
#include "ui/kit/Colours.h"
#include "ui/kit/Controls.h"
#include "ui/table/TableCells.h"

namespace quven {

using kit::place;

// Every place below is in twips of the window.
namespace {
constexpr int kBoxLeft = 10860;
constexpr int kFileButtonTop = 8100;
constexpr int kFileButtonWidth = 1440;
constexpr int kFileButtonHeight = 495;
}  // namespace

FileArea::FileArea(QWidget* window, const kit::Twips& twips, const QRect& area, TableScreen& screen)
    : TablePanel(window, QStringLiteral("FileArea"), twips, area), screen_(screen) {
    build();
    buildButtons();
    bind();
}

void FileArea::build() {
    // In the window's face, as the buttons.
    caption(QStringLiteral("lblFileArea"), QStringLiteral("Data Save to or Load from File"), font(),
            10980, 5100);
    txtFileName_ =
        place(new QLineEdit(this), QStringLiteral("txtFileName"), rect(kBoxLeft, 5340, 3420, 300));
    txtFileName_->setToolTip(QStringLiteral("Table data file name(xxx.txt)"));
    drive1_ = place(new QComboBox(this), QStringLiteral("Drive1"), rect(kBoxLeft, 5700, 1575, 315));
    dir1_ = place(new QListWidget(this), QStringLiteral("Dir1"), rect(kBoxLeft, 6060, 1575, 1920));
    file1_ = place(new QListWidget(this), QStringLiteral("File1"), rect(12540, 5700, 1740, 2280));
    for (QListWidget* list : {dir1_, file1_}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setUniformItemSizes(true);
    }
}

void FileArea::buildButtons() {
    const struct {
        kit::ButtonLook look;
        int left;
        void (TableScreen::*click)();
    } buttons[] = {
        {{"cmdWrite", "Save to File", "Save data table to the file(xxx.txt)", colours::LightOrange},
         11280,
         &TableScreen::cmdWrite_Click},
        {{"cmdRead", "Load from File", "Load data table from the file(xxx.txt) ", colours::Green},
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
    drive1_->addItems(screen_.files.drives());
    drive1_->setCurrentIndex(drive1_->findText(screen_.files.drive()));
    drive1_->setToolTip(screen_.files.drive());
}

void FileArea::showLists() {
    const FileLists& files = screen_.files;
    {
        const QSignalBlocker blocker(dir1_);
        dir1_->clear();
        dir1_->addItems(files.folders());
        // The list shows the folders in the directory; where that is, the tooltip says.
        dir1_->setToolTip(files.directory());
    }
    {
        const QSignalBlocker blocker(file1_);
        file1_->clear();
        file1_->addItems(files.files());
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
