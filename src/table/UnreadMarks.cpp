// SPDX-License-Identifier: Apache-2.0
#include "table/UnreadMarks.h"

#include "table/DataTable.h"

namespace quven {

UnreadMarks::UnreadMarks(DataTable& table, QObject* parent) : QObject(parent) {
    connect(&table, &DataTable::text1Changed, this,
            [this](int index) { clear(tableitems::ofText1(index)); });
    connect(&table, &DataTable::text2Changed, this,
            [this](int index) { clear(tableitems::ofText2(index)); });
    connect(&table, &DataTable::check2Changed, this,
            [this](int index) { clear(tableitems::ofCheck2(index)); });
    connect(&table, &DataTable::option2Changed, this,
            [this](int index) { clear(tableitems::ofOption2(index)); });
}

QList<int> UnreadMarks::marked() const {
    QList<int> items;
    for (int item = 0; item < kCount; ++item) {
        if (marked_[item]) {
            items.append(item);
        }
    }
    return items;
}

void UnreadMarks::mark(const QList<int>& items) {
    for (const int item : items) {
        set(item, true);
    }
}

void UnreadMarks::clear(int item) {
    set(item, false);
}

void UnreadMarks::clearAll() {
    for (int item = 0; item < kCount; ++item) {
        set(item, false);
    }
}

void UnreadMarks::set(int item, bool marked) {
    if (item >= 0 && item < kCount && marked_[item] != marked) {
        marked_[item] = marked;
        Q_EMIT changed(item, marked);
    }
}

}  // namespace quven
