// SPDX-License-Identifier: Apache-2.0
#pragma once

// The table table_bench expects on the screen after a read from quven-sim: the simulator's
// factory values (every position +0000000; normal rows 10000/02000/00500/05 and T221; function
// row m 05000/01000/00200/03 and T with axis m driven forward; limit stop LSSA), with two speeds
// that the benchmark's writes change.

#include <QString>

#include "table/DataTable.h"

namespace bench {

struct ExpectedTable {
    QString row0Hspd = QStringLiteral("10000");   // row 0's H speed
    QString row15Lspd = QStringLiteral("00200");  // row 15's L speed
};

// A row's speeds as "H/M/L/rate".
QString speedsOf(const quven::DataTable& table, int row);

// The first field that differs, or an empty string when the table is as expected.
QString tableMismatch(const quven::DataTable& table, const ExpectedTable& expected);

}  // namespace bench
