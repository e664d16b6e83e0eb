// SPDX-License-Identifier: Apache-2.0
#include "ui/table/UnreadTint.h"

#include <QLineEdit>
#include <QWidget>
#include <utility>

#include "table/UnreadMarks.h"
#include "ui/kit/Colours.h"
#include "ui/kit/WidgetLook.h"

namespace quven {

namespace {
const QString kNotReadTip =
    QStringLiteral("Not read: the controller did not answer for this item in the last Data Read.");
}  // namespace

UnreadTint::UnreadTint(UnreadMarks& marks, CellsOf cellsOf, QObject* parent)
    : QObject(parent), cellsOf_(std::move(cellsOf)) {
    for (const int item : marks.marked()) {
        show(item, true);
    }
    connect(&marks, &UnreadMarks::changed, this, &UnreadTint::show);
}

// Text boxes go back to white, the other cells to the window's peach.
void UnreadTint::show(int item, bool marked) {
    for (QWidget* cell : cellsOf_(item)) {
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

}  // namespace quven
