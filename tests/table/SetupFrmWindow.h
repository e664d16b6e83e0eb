// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QtTest>

#include "ConsoleFixture.h"
#include "WidgetProbe.h"
#include "table/TableScreen.h"
#include "ui/table/SetupFrm.h"

// The data-table screen under test and the ways a test looks at it: by control name, by where a
// control stands in the window and by the colour it really paints.

namespace setupfrmtest {

using namespace quven;
namespace ti = tableindex;

using widgetprobe::caption;
using widgetprobe::indexed;
using widgetprobe::paintedAt;
using widgetprobe::paintedBeside;

// One data-table window on its own logic, linked to a console on a recording transport with
// recorded messages and manual timers.
struct Window : ConsoleOn<RecordingTransport> {
    Window() { frm.show(); }

    template <typename W = QWidget>
    W* find(const QString& name) {
        return widgetprobe::find<W>(frm, name);
    }

    // Where a control stands in the window's client area.
    QRect at(const QString& name) { return widgetprobe::placeIn(frm, &frm, name); }

    void click(const QString& name) { QTest::mouseClick(find(name), Qt::LeftButton); }

    TableScreen screen{console.tableLinks()};
    DataTable& table = screen.table;
    SetupFrm frm{screen};
};

// The layout is drawn in twips; at 96 dots per inch a pixel is 15 twips.
inline int px(int twips) {
    return twips / 15;
}

// Every row with text, a DRIVE selection and some switches, as after a read.
inline void fillEveryRow(DataTable& table) {
    for (int row = 0; row < ti::kRowCount; ++row) {
        table.setText2(ti::position(row), QStringLiteral("+0000000"));
        for (int column = ti::Hspd; column <= ti::Rate; ++column) {
            table.setText1(ti::speed(row, column), QStringLiteral("10000"));
        }
        table.selectOption2(ti::drive(row, ti::DriveT));
    }
    for (int index = 0; index < DataTable::kCheck2Count; index += 3) {
        table.setCheck2(index, true);
    }
    table.selectOption2(ti::EmStop);
    table.selectOption2(ti::IndivStop);
}

// The operator's click on a list entry.
inline void clickItem(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable(text));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(items.first()).center());
}

inline QStringList itemTexts(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        texts << list->item(row)->text();
    }
    return texts;
}

}  // namespace setupfrmtest
