// The data-table screen's file area (drive, folder and file lists, the file name, "Save to File"
// and "Load from File") and its button row, bound to TableScreen.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include "table/TableScreen.h"
#include "ui/kit/Colours.h"
#include "ui/kit/WidgetLook.h"
#include "ui/table/SetupFrm.h"

namespace quven {

using tablelook::place;

namespace {
constexpr int kButtonRowTop = 9300;
constexpr int kButtonRowHeight = 615;
constexpr int kNarrowButtonWidth = 795;
constexpr int kFileButtonTop = 8100;
constexpr int kFileButtonWidth = 1440;
constexpr int kFileButtonHeight = 495;
}  // namespace

void SetupFrm::buildFileArea() {
    tablelook::caption(this, QStringLiteral("lblFileArea"),
                       QStringLiteral("Data Save to or Load from File"), font(),
                       QPoint(twips_(10980), twips_(5100)));

    txtFileName_ = place(new QLineEdit(this), QStringLiteral("txtFileName"),
                         twips_.rect(10860, 5340, 3420, 300));
    txtFileName_->setToolTip(QStringLiteral("Table data file name(xxx.txt)"));
    drive1_ =
        place(new QComboBox(this), QStringLiteral("Drive1"), twips_.rect(10860, 5700, 1575, 315));
    dir1_ =
        place(new QListWidget(this), QStringLiteral("Dir1"), twips_.rect(10860, 6060, 1575, 1920));
    file1_ =
        place(new QListWidget(this), QStringLiteral("File1"), twips_.rect(12540, 5700, 1740, 2280));
    for (QListWidget* list : {dir1_, file1_}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setUniformItemSizes(true);
    }

    auto* save = place(new tablelook::WrappingButton(QStringLiteral("Save to File"), this),
                       QStringLiteral("cmdWrite"),
                       twips_.rect(11280, kFileButtonTop, kFileButtonWidth, kFileButtonHeight));
    save->setToolTip(QStringLiteral("Save data table to the file(xxx.txt)"));
    setBackColour(save, colours::LightOrange);
    connect(save, &QPushButton::clicked, &screen_, &TableScreen::cmdWrite_Click);

    auto* load = place(new tablelook::WrappingButton(QStringLiteral("Load from File"), this),
                       QStringLiteral("cmdRead"),
                       twips_.rect(12780, kFileButtonTop, kFileButtonWidth, kFileButtonHeight));
    load->setToolTip(QStringLiteral("Load data table from the file(xxx.txt) "));
    setBackColour(load, colours::Green);
    connect(load, &QPushButton::clicked, &screen_, &TableScreen::cmdRead_Click);
}

void SetupFrm::buildButtons() {
    const struct {
        const char* name;
        const char* caption;
        int left;
        int width;
        QColor colour;
        const char* toolTip;
        void (TableScreen::*handler)();
    } buttons[] = {
        {"cmdDataRead", "Data Read", 7140, kNarrowButtonWidth, colours::Green,
         "Data table read from ORBEL", &TableScreen::cmdDataRead_Click},
        {"cmdDataWrite", "Data Write", 7980, kNarrowButtonWidth, colours::LightRed,
         "Data table write into ORBEL", &TableScreen::cmdDataWrite_Click},
        {"Command2", "R/W Stop", 8820, kNarrowButtonWidth, colours::Yellow, "",
         &TableScreen::Command2_Click},
        {"cmdDataClear", "Data Clear", 9660, kNarrowButtonWidth, colours::LightCyan,
         "Clear all data table ", &TableScreen::cmdDataClear_Click},
        {"Command1", "To Control Screen", 11340, 1680, colours::Cyan, "Quit Editor",
         &TableScreen::Command1_Click},
    };
    for (const auto& entry : buttons) {
        auto* button = place(new tablelook::WrappingButton(QLatin1String(entry.caption), this),
                             QLatin1String(entry.name),
                             twips_.rect(entry.left, kButtonRowTop, entry.width, kButtonRowHeight));
        button->setToolTip(QLatin1String(entry.toolTip));
        setBackColour(button, entry.colour);
        connect(button, &QPushButton::clicked, &screen_, entry.handler);
    }
    connect(&screen_, &TableScreen::hideRequested, this, &QWidget::hide);
}

// --- Binding ------------------------------------------------------------------------------

void SetupFrm::bindFileArea() {
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
    connect(&files, &FileLists::directoryChanged, this, &SetupFrm::showDrives);
    connect(&files, &FileLists::listsChanged, this, &SetupFrm::showLists);
    connect(&files, &FileLists::selectedFileChanged, this, &SetupFrm::showSelectedFile);

    // Only the operator's choices go to the lists; showing them is not a choice.
    connect(drive1_, &QComboBox::activated, &files, [this](int index) {
        screen_.files.setDrive(drive1_->itemText(index));
        // A drive that is not ready leaves the lists where they were; so does the box.
        showDrives();
    });
    connect(dir1_, &QListWidget::itemActivated, this, &SetupFrm::folderActivated);
    connect(file1_, &QListWidget::currentTextChanged, &screen_, [this](const QString& name) {
        if (!name.isEmpty()) {
            screen_.File1_Click(name);
        }
    });
    // A click on the file already selected takes its name again, over an edited one.
    connect(file1_, &QListWidget::itemClicked, &screen_,
            [this](QListWidgetItem* item) { screen_.File1_Click(item->text()); });
}

void SetupFrm::showDrives() {
    const QSignalBlocker blocker(drive1_);
    drive1_->clear();
    drive1_->addItems(screen_.files.drives());
    drive1_->setCurrentIndex(drive1_->findText(screen_.files.drive()));
    drive1_->setToolTip(screen_.files.drive());
}

void SetupFrm::showLists() {
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

void SetupFrm::showSelectedFile() {
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

void SetupFrm::folderActivated(QListWidgetItem* item) {
    // The lists are filled anew once the folder is open; the item is gone by then.
    const QString folder = item->text();
    screen_.files.openFolder(folder);
}

}  // namespace quven
