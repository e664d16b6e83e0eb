// SPDX-License-Identifier: Apache-2.0
#include "ui/table/TableGrid.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "table/TableScreen.h"
#include "ui/kit/Colours.h"
#include "ui/kit/Typeface.h"
#include "ui/kit/WidgetLook.h"
#include "ui/table/CellBinding.h"
#include "ui/table/SpokenNames.h"
#include "ui/table/TableCells.h"
#include "ui/table/UnreadTint.h"

namespace quven {

using kit::face;
using kit::place;
namespace ti = tableindex;

// Every place below is in twips of the window.
namespace {
// Rows and cells.
constexpr int kRowPitch = 360;
constexpr int kNormalFirstRow = 1560;
constexpr int kFunctionFirstRow = 5580;
constexpr int kRowLabelLeft = 900;
constexpr int kCellHeight = 285;
constexpr int kPosLeft = 1560;
constexpr int kPosWidth = 1035;
constexpr int kSpeedLeft[] = {2700, 3420, 4140, 4860};  // HSPD, MSPD, LSPD, RATE
constexpr int kSpeedWidth = 675;
constexpr int kNormalSwitchLeft[] = {5820, 6300, 6900, 7440, 8040, 8520};
constexpr int kAxisEnableLeft = 5640;
constexpr int kAxisReverseLeft = 5820;
constexpr int kAxisPitch = 480;
constexpr int kAxisNumberLeft = 5700;
constexpr int kDriveLeft = 9540;
constexpr int kDriveWidth = 855;
constexpr int kDriveHeight = 255;
constexpr int kDriveButtonPitch = 300;
// Check boxes and DRIVE buttons: square, and narrow enough that an axis's "E" and "-" boxes,
// 180 twips apart, do not overlap.
constexpr int kCellSide = 180;

// The sections' frames.
constexpr int kSectionLeft = 300;
constexpr int kSectionWidth = 10335;
constexpr int kSectionHeight = 3855;

// A column's heading, and the words a screen reader says for its abbreviation.
struct ColumnHeading {
    const char* name;
    const char* text;
    int left;
    int top;
    const char* spoken;
};

constexpr ColumnHeading kNormalHeadings[] = {
    {"lblNormalCwls", "CWLS", 5880, 960, "CW limit switch"},
    {"lblNormalCcwls", "CCWLS", 6900, 960, "CCW limit switch"},
    {"lblNormalPls", "PLS", 8220, 960, "Pulse output"},
    {"lblNormalDrive", "DRIVE", 9600, 960, "Drive"},
    {"lblNormalCh", "CH", 900, 1200, "Channel"},
    {"lblNormalPos", "POS", 1860, 1200, "Position"},
    {"lblNormalHspd", "HSPD", 2820, 1200, "High speed"},
    {"lblNormalMspd", "MSPD", 3540, 1200, "Middle speed"},
    {"lblNormalLspd", "LSPD", 4260, 1200, "Low speed"},
    {"lblNormalRate", "RATE", 4920, 1200, "Rate"},
    {"lblNormalCwlsEnNc", "EN  NC", 5820, 1200, "CW limit switch: enable, normally closed"},
    {"lblNormalCcwlsEnNc", "EN  NC", 6900, 1200, "CCW limit switch: enable, normally closed"},
    {"lblNormalPlsEnDir", "EN -DIR", 7980, 1200, "Pulse output: enable, reverse direction"},
    {"lblNormalStc", "S  T  C", 9600, 1200, "Drive: S-curve, trapezoidal, constant speed"},
};

// The axis numbers and their "E -" headings stand between these and DRIVE.
constexpr ColumnHeading kFunctionHeadings[] = {
    {"lblFunctionMode", "MODE", 780, 5220, "Mode"},
    {"lblFunctionPos", "POS", 1860, 5220, "Position"},
    {"lblFunctionHspd", "HSPD", 2820, 5220, "High speed"},
    {"lblFunctionMspd", "MSPD", 3540, 5220, "Middle speed"},
    {"lblFunctionLspd", "LSPD", 4260, 5220, "Low speed"},
    {"lblFunctionRate", "RATE", 4920, 5220, "Rate"},
    {"lblFunctionStc", "S  T  C", 9600, 5220, "Drive: S-curve, trapezoidal, constant speed"},
};

// " 0" to " 7": the row and axis numbers as the table prints them.
QString rowNumber(int number) {
    return QLatin1Char(' ') + QString::number(number);
}
}  // namespace

TableGrid::TableGrid(QWidget* window, const kit::Twips& twips, const QRect& area,
                     TableScreen& screen)
    : TablePanel(window, QStringLiteral("TableGrid"), QStringLiteral("Data table"), twips, area) {
    buildTopLine();
    buildNormalSection();
    buildFunctionSection();
    bind(screen);
}

QLabel* TableGrid::columnHeading(const QString& name, const QString& text, int left, int top,
                                 const QString& spokenName) {
    return caption(name, text, face(kColumnPoints), left, top, spokenName);
}

void TableGrid::buildTopLine() {
    label17_ = place(new QLabel(this), QStringLiteral("Label17"), QStringLiteral("Transfer status"),
                     rect(360, 240, 3960, 270));
    label17_->setTextFormat(Qt::PlainText);
    label17_->setFont(face(kHeadingPoints, true));
    setBackColour(label17_, colours::Peach);
    // "RAED" as the controller's own tools spell it.
    heading(QStringLiteral("lblTitle"), QStringLiteral("QUVEN-01 DATA RAED & WRITE TABLE"), 4500,
            120, QStringLiteral("QUVEN-01 data read and write table"));
}

// A row's number and its text boxes.
void TableGrid::buildRowCells(int row, int top) {
    const int number = ti::isFunctionRow(row) ? row - ti::kNormalRows : row;
    auto* label = place(new QLabel(rowNumber(number), this),
                        numbered(ti::isFunctionRow(row) ? "lblMode" : "lblChannel", number),
                        spoken::rowNumber(row),
                        rect(kRowLabelLeft, top, kPosLeft - kRowLabelLeft, kCellHeight));
    label->setTextFormat(Qt::PlainText);
    label->setFont(face(kColumnPoints));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setBackColour(label, colours::Peach);

    const QFont cellFont = face(kCellPoints);
    const int pos = ti::position(row);
    text2_[pos] = place(new CellEdit(this), numbered("Text2", pos), spoken::position(row),
                        rect(kPosLeft, top, kPosWidth, kCellHeight));
    // A sign and nine digits fit the box only in a narrower face.
    text2_[pos]->setFont(kit::condensed(cellFont));
    for (int column = ti::Hspd; column <= ti::Rate; ++column) {
        const int index = ti::speed(row, column);
        text1_[index] =
            place(new CellEdit(this), numbered("Text1", index), spoken::speed(row, column),
                  rect(kSpeedLeft[column], top, kSpeedWidth, kCellHeight));
        text1_[index]->setFont(cellFont);
    }
}

// A row's DRIVE group: one frame and its three buttons. Made after the row's switches, so that
// the tab order runs along the row as the columns do.
void TableGrid::buildDriveGroup(int row, int top) {
    const int frame = ti::driveFrame(row);
    auto* group =
        place(new QFrame(this), numbered("Frame1", frame), spoken::driveGroup(row),
              rect(kDriveLeft, top + (kCellHeight - kDriveHeight) / 2, kDriveWidth, kDriveHeight));
    setBackColour(group, colours::Peach);
    frame1_[frame] = group;
    for (int column = ti::DriveS; column <= ti::DriveC; ++column) {
        const int index = ti::drive(row, column);
        // Placed inside the frame, by twips of the frame.
        auto* button = place(new CellOptionButton(group), numbered("Option2", index),
                             spoken::drive(row, column),
                             twips().rect(column * kDriveButtonPitch,
                                          (kDriveHeight - kCellSide) / 2, kCellSide, kCellSide));
        button->setAccessibleDescription(spoken::driveMeaning(column));
        button->setAutoExclusive(false);
        setBackColour(button, colours::Peach);
        option2_[index] = button;
    }
}

void TableGrid::checkCell(int index, const QString& spokenName, int left, int rowTop) {
    auto* box = place(new CellCheckBox(this), numbered("Check2", index), spokenName,
                      rect(left, rowTop + (kCellHeight - kCellSide) / 2, kCellSide, kCellSide));
    setBackColour(box, colours::Peach);
    check2_[index] = box;
}

void TableGrid::buildNormalSection() {
    section(QStringLiteral("NormalSection"), QStringLiteral("Normal mode setting frame"),
            kSectionLeft, 720, kSectionWidth, kSectionHeight);
    heading(QStringLiteral("lblNormal"), QStringLiteral("NORMAL MODE SETTING"), 480, 780,
            QStringLiteral("Normal mode setting"));
    for (const ColumnHeading& column : kNormalHeadings) {
        columnHeading(QLatin1String(column.name), QLatin1String(column.text), column.left,
                      column.top, QLatin1String(column.spoken));
    }
    for (int n = 0; n < ti::kNormalRows; ++n) {
        const int top = kNormalFirstRow + n * kRowPitch;
        buildRowCells(n, top);
        for (int column = ti::CwlsEnable; column <= ti::PulseReverse; ++column) {
            checkCell(ti::normalSwitch(n, column), spoken::normalSwitch(n, column),
                      kNormalSwitchLeft[column], top);
        }
        buildDriveGroup(n, top);
    }
}

void TableGrid::buildFunctionSection() {
    section(QStringLiteral("FunctionSection"), QStringLiteral("Function mode setting frame"),
            kSectionLeft, 4740, kSectionWidth, kSectionHeight);
    heading(QStringLiteral("lblFunction"), QStringLiteral("FUNCTION MODE SETTING"), 480, 4800,
            QStringLiteral("Function mode setting"));
    for (const ColumnHeading& column : kFunctionHeadings) {
        columnHeading(QLatin1String(column.name), QLatin1String(column.text), column.left,
                      column.top, QLatin1String(column.spoken));
    }
    columnHeading(QStringLiteral("lblFunctionDrive"), QStringLiteral("DRIVE"), 9660, 4980,
                  QStringLiteral("Drive"));
    for (int axis = 0; axis < 8; ++axis) {
        const int left = kAxisNumberLeft + axis * kAxisPitch;
        columnHeading(numbered("lblAxis", axis), rowNumber(axis), left, 4920,
                      QStringLiteral("Axis %1").arg(axis));
        columnHeading(numbered("lblAxisEnDir", axis), QStringLiteral("E -"), left, 5220,
                      QStringLiteral("Axis %1: enable, reverse").arg(axis));
    }
    for (int m = 0; m < 8; ++m) {
        const int top = kFunctionFirstRow + m * kRowPitch;
        buildRowCells(ti::kNormalRows + m, top);
        for (int axis = 0; axis < 8; ++axis) {
            checkCell(ti::axisEnable(m, axis), spoken::axis(m, axis, false),
                      kAxisEnableLeft + axis * kAxisPitch, top);
            checkCell(ti::axisReverse(m, axis), spoken::axis(m, axis, true),
                      kAxisReverseLeft + axis * kAxisPitch, top);
        }
        buildDriveGroup(ti::kNormalRows + m, top);
    }
}

void TableGrid::bind(TableScreen& screen) {
    auto* cells = new CellBinding(screen.table, this);
    for (int index = 0; index < DataTable::kText1Count; ++index) {
        cells->bindText1(index, text1_[index]);
    }
    for (int index = 0; index < DataTable::kText2Count; ++index) {
        cells->bindText2(index, text2_[index]);
    }
    for (int index = 0; index < DataTable::kCheck2Count; ++index) {
        cells->bindCheck2(index, check2_[index]);
    }
    for (int index = 0; index < ti::EmStop; ++index) {
        cells->bindOption2(index, option2_[index]);
    }

    // A screen reader hears the status as the line's description.
    const auto showStatus = [label = label17_](const QString& text) {
        label->setText(text);
        label->setAccessibleDescription(text);
    };
    showStatus(screen.status.text());
    connect(&screen.status, &TransferStatus::textChanged, label17_, showStatus);

    new UnreadTint(
        screen.unread, [this](int item) { return cellsOf(item); }, this);
}

// The cells that show an item of a row, and the frame around its DRIVE buttons; none for the
// limit stop, which the common settings show.
QList<QWidget*> TableGrid::cellsOf(int item) const {
    using namespace tableitems;
    const int row = rowOf(item);
    QList<QWidget*> cells;
    switch (groupOf(item)) {
        case Positions:
            cells.append(text2_[ti::position(row)]);
            break;
        case Speeds:
            for (int column = ti::Hspd; column <= ti::Rate; ++column) {
                cells.append(text1_[ti::speed(row, column)]);
            }
            break;
        case Switches: {
            const int m = row - ti::kNormalRows;
            const int first =
                ti::isFunctionRow(row) ? ti::axisEnable(m, 0) : ti::normalSwitch(row, 0);
            const int count = ti::isFunctionRow(row) ? 16 : 6;
            for (int index = first; index < first + count; ++index) {
                cells.append(check2_[index]);
            }
            cells.append(frame1_[ti::driveFrame(row)]);
            for (int column = ti::DriveS; column <= ti::DriveC; ++column) {
                cells.append(option2_[ti::drive(row, column)]);
            }
            break;
        }
        default:
            break;
    }
    return cells;
}

}  // namespace quven
