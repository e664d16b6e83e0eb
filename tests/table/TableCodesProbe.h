// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QList>

#include "table/DataTable.h"
#include "table/TableCodes.h"

// What the table code tests share: a table's checked boxes and selected buttons by index, and a
// row's DRIVE selected by its column.
namespace tablecodestest {

using quven::DataTable;
namespace ti = quven::tableindex;

template <typename IsOn>
QList<int> indicesWhere(int count, IsOn isOn) {
    QList<int> indices;
    for (int i = 0; i < count; ++i) {
        if (isOn(i)) {
            indices << i;
        }
    }
    return indices;
}

inline QList<int> checkedOf(const DataTable& table) {
    return indicesWhere(DataTable::kCheck2Count, [&table](int i) { return table.Check2(i); });
}

inline QList<int> selectedOf(const DataTable& table) {
    return indicesWhere(DataTable::kOption2Count, [&table](int i) { return table.Option2(i); });
}

// Column -1 selects none.
inline void selectDrive(DataTable& table, int row, int column) {
    if (column >= 0) {
        table.selectOption2(ti::drive(row, column));
    }
}

}  // namespace tablecodestest
