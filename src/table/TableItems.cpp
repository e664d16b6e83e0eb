// SPDX-License-Identifier: Apache-2.0
#include "table/TableItems.h"

#include <QStringList>

#include "table/DataTable.h"

namespace quven::tableitems {

namespace ti = tableindex;

namespace {
constexpr int kNormalText1 = 4 * ti::kNormalRows;
constexpr int kNormalCheck2 = 6 * ti::kNormalRows;
constexpr int kNormalOption2 = 3 * ti::kNormalRows;
}  // namespace

int ofText1(int index) {
    const int row = index < kNormalText1 ? index / 4 : ti::kNormalRows + (index - kNormalText1) / 4;
    return item(Speeds, row);
}

int ofText2(int index) {
    return item(Positions, index);
}

int ofCheck2(int index) {
    const int row =
        index < kNormalCheck2 ? index / 6 : ti::kNormalRows + (index - kNormalCheck2) / 16;
    return item(Switches, row);
}

int ofOption2(int index) {
    if (index >= ti::EmStop) {
        return item(LimitStop, 0);
    }
    const int row =
        index < kNormalOption2 ? index / 3 : ti::kNormalRows + (index - kNormalOption2) / 3;
    return item(Switches, row);
}

QString rowName(int row) {
    return ti::isFunctionRow(row) ? QStringLiteral("FUNCTION MODE %1").arg(row - ti::kNormalRows)
                                  : QStringLiteral("NORMAL MODE CH %1").arg(row);
}

QString name(int item) {
    const int row = rowOf(item);
    switch (groupOf(item)) {
        case Positions:
            return rowName(row) + QStringLiteral(" POS");
        case Speeds:
            return rowName(row) + QStringLiteral(" HSPD/MSPD/LSPD/RATE");
        case Switches:
            return rowName(row) + (ti::isFunctionRow(row) ? QStringLiteral(" axes and DRIVE")
                                                          : QStringLiteral(" switches and DRIVE"));
        default:
            return QStringLiteral("LIMIT STOP");
    }
}

QString firstFew(const QStringList& names, int few) {
    if (names.size() <= few) {
        return names.join(QStringLiteral(", "));
    }
    return names.mid(0, few).join(QStringLiteral(", ")) +
           QStringLiteral(" and %1 more").arg(names.size() - few);
}

}  // namespace quven::tableitems
