// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QList>
#include <QString>

namespace quven {

// The 49 items in which the table travels to and from the controller, in transfer order: the
// position of each of the 16 rows, the speeds and rate of each row, the switch block of each
// row, and the common limit-stop setting. Each item is one query of a read and one set command
// of a write. Rows as in DataTable: 0-7 normal, 8-15 function.
namespace tableitems {

enum Group { Positions = 0, Speeds = 1, Switches = 2, LimitStop = 3 };

constexpr int kRows = 16;
constexpr int kCount = 3 * kRows + 1;

constexpr int item(int group, int row) {
    return group == LimitStop ? kCount - 1 : group * kRows + row;
}
constexpr int groupOf(int item) {
    return item == kCount - 1 ? LimitStop : item / kRows;
}
constexpr int rowOf(int item) {
    return item == kCount - 1 ? 0 : item % kRows;
}

// The item a field of the table belongs to, by the field's index in its control array.
int ofText1(int index);
int ofText2(int index);
int ofCheck2(int index);
int ofOption2(int index);

// A row as the screen heads it: "NORMAL MODE CH 3", "FUNCTION MODE 5".
QString rowName(int row);
// An item as the operator finds it on the screen: "NORMAL MODE CH 3 POS",
// "FUNCTION MODE 5 HSPD/MSPD/LSPD/RATE", "NORMAL MODE CH 0 switches and DRIVE", "LIMIT STOP".
QString name(int item);

// "a, b, c and 4 more": the first few names of a list, and how many are left unnamed.
QString firstFew(const QStringList& names, int few = 5);

}  // namespace tableitems

}  // namespace quven
