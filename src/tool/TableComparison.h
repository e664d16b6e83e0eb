// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QList>
#include <QSet>
#include <QString>

#include "tool/TableFields.h"

namespace quven {
class DataTable;
}

namespace quven::tool {

// How two tables are compared.
enum class Comparison {
    // As far as a write and a read back through the controller can keep a field, by the
    // console's own codes: a row without a DRIVE selection counts as C, a LIMIT STOP group
    // without a selection as SLOW STOP or INDIV. STOP, a switch pair whose EN box is not ticked
    // as a pair with nothing ticked, an empty text as 0; positions compare as the set value a
    // write sends ("12.6" is +0000013), speeds and rates that are whole numbers as numbers
    // ("1000" is "01000").
    RoundTrip,
    // Every field as it stands.
    Strict,
};

// A field whose values differ, with both values as they stand.
struct Difference {
    QString field;
    FieldKind kind;
    QString a;
    QString b;
};

// Every field that differs, in the screen's order. Fields of the items in `skipped` (items a
// read could not read, on either side) are left out.
QList<Difference> compareTables(const DataTable& a, const DataTable& b, Comparison comparison,
                                const QSet<int>& skipped = {});

// "NORMAL MODE CH 3 HSPD: 01000 -> 02000".
QString differenceLine(const Difference& difference);

}  // namespace quven::tool
