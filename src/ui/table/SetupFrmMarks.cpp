// The data-table screen's marks on the cells the last Data Read could not read: a tinted
// background and a tooltip, until the cells are edited, loaded or read.

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "table/TableScreen.h"
#include "ui/kit/Colours.h"
#include "ui/kit/WidgetLook.h"
#include "ui/table/SetupFrm.h"

namespace quven {

namespace ti = tableindex;

namespace {
const QString kNotReadTip =
    QStringLiteral("Not read: the controller did not answer for this item in the last Data Read.");
}  // namespace

// The cells that show an item, and the frames around its buttons.
QList<QWidget*> SetupFrm::cellsOf(int item) const {
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
            cells.append({frame1_[16], frame1_[17]});
            for (int index = ti::EmStop; index <= ti::IndivStop; ++index) {
                cells.append(option2_[index]);
            }
            break;
    }
    return cells;
}

void SetupFrm::showUnread(int item, bool marked) {
    for (QWidget* cell : cellsOf(item)) {
        const bool textBox = qobject_cast<QLineEdit*>(cell) != nullptr;
        if (marked) {
            setBackColour(cell, colours::NotRead);
        } else if (textBox) {
            clearBackColour(cell);
        } else {
            setBackColour(cell, colours::Peach);
        }
        cell->setToolTip(marked ? kNotReadTip : QString());
    }
}

void SetupFrm::bindUnreadMarks() {
    for (const int item : screen_.unread.marked()) {
        showUnread(item, true);
    }
    connect(&screen_.unread, &UnreadMarks::changed, this, &SetupFrm::showUnread);
}

}  // namespace quven
