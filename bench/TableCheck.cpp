// SPDX-License-Identifier: Apache-2.0
#include "TableCheck.h"

#include "table/TableCodes.h"

namespace bench {

namespace ti = quven::tableindex;

QString speedsOf(const quven::DataTable& table, int row) {
    return QStringLiteral("%1/%2/%3/%4")
        .arg(table.Text1(ti::speed(row, ti::Hspd)), table.Text1(ti::speed(row, ti::Mspd)),
             table.Text1(ti::speed(row, ti::Lspd)), table.Text1(ti::speed(row, ti::Rate)));
}

QString tableMismatch(const quven::DataTable& table, const ExpectedTable& expected) {
    for (int row = 0; row < ti::kRowCount; ++row) {
        const bool function = ti::isFunctionRow(row);
        const int m = row - ti::kNormalRows;
        QString speeds = function ? QStringLiteral("05000/01000/00200/03")
                                  : QStringLiteral("10000/02000/00500/05");
        if (row == 0) {
            speeds.replace(0, 5, expected.row0Hspd);
        } else if (row == ti::kRowCount - 1) {
            speeds.replace(12, 5, expected.row15Lspd);
        }
        QString block = QStringLiteral("T221");
        if (function) {
            block = QStringLiteral("T00000000");
            block[1 + m] = QLatin1Char('1');
        }
        const QString where = QStringLiteral("row %1: ").arg(row);
        if (table.Text2(ti::position(row)) != QLatin1String("+0000000")) {
            return where + QStringLiteral("position \"%1\"").arg(table.Text2(ti::position(row)));
        }
        if (speedsOf(table, row) != speeds) {
            return where + QStringLiteral("speeds %1, not %2").arg(speedsOf(table, row), speeds);
        }
        if (quven::RowBlock(table, row) != block) {
            return where +
                   QStringLiteral("switches %1, not %2").arg(quven::RowBlock(table, row), block);
        }
    }
    if (quven::LimitStopCode(table) != QLatin1String("LSSA")) {
        return QStringLiteral("limit stop %1, not LSSA").arg(quven::LimitStopCode(table));
    }
    return QString();
}

}  // namespace bench
