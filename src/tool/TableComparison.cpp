// SPDX-License-Identifier: Apache-2.0
#include "tool/TableComparison.h"

#include <algorithm>

#include "core/NumberText.h"
#include "table/DataTable.h"
#include "table/TableCodes.h"

namespace quven::tool {

namespace ti = tableindex;

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A speed or rate as the controller keeps it: empty is written as 0, and a whole number is a
// number whatever its leading zeros ("-0" is 0). Any other text stays as it is.
QString speedAsKept(const QString& text) {
    if (text.isEmpty()) {
        return QStringLiteral("0");
    }
    const bool hasSign = text.startsWith(QLatin1Char('+')) || text.startsWith(QLatin1Char('-'));
    const QString digits = text.mid(hasSign ? 1 : 0);
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), isDigit)) {
        return text;
    }
    qsizetype first = 0;
    while (first < digits.size() - 1 && digits.at(first) == QLatin1Char('0')) {
        ++first;
    }
    const QString magnitude = digits.mid(first);
    const bool negative = text.startsWith(QLatin1Char('-')) && magnitude != QLatin1String("0");
    return negative ? QLatin1Char('-') + magnitude : magnitude;
}

// The table as it comes back from a write and a read through a controller, by the console's
// own codes: positions as the set values the write sends, speeds and rates as numbers, and the
// switches, axes, DRIVE and LIMIT STOP encoded as the write sends them and decoded as the read
// takes the controller's answer.
void keepWhatARoundTripKeeps(const DataTable& table, DataTable& kept) {
    for (int row = 0; row < ti::kRowCount; ++row) {
        kept.setText2(ti::position(row), setValueFromText(table.Text2(ti::position(row))));
        for (int column = ti::Hspd; column <= ti::Rate; ++column) {
            const int index = ti::speed(row, column);
            kept.setText1(index, speedAsKept(table.Text1(index)));
        }
        decodeRowBlock(kept, row, RowBlock(table, row), CodeSource::Controller);
    }
    const QString limitStop = LimitStopCode(table);
    decodeLimitStop(kept, limitStop.at(2), limitStop.at(3));
}

}  // namespace

QList<Difference> compareTables(const DataTable& a, const DataTable& b, Comparison comparison,
                                const QSet<int>& skipped) {
    const QList<Field> fieldsA = tableFields(a);
    const QList<Field> fieldsB = tableFields(b);
    QList<Field> comparedA = fieldsA;
    QList<Field> comparedB = fieldsB;
    if (comparison == Comparison::RoundTrip) {
        DataTable keptA;
        DataTable keptB;
        keepWhatARoundTripKeeps(a, keptA);
        keepWhatARoundTripKeeps(b, keptB);
        comparedA = tableFields(keptA);
        comparedB = tableFields(keptB);
    }
    QList<Difference> differences;
    for (qsizetype i = 0; i < fieldsA.size(); ++i) {
        const Field& field = fieldsA.at(i);
        if (!skipped.contains(field.item) && comparedA.at(i).value != comparedB.at(i).value) {
            differences.append({field.name, field.kind, field.value, fieldsB.at(i).value});
        }
    }
    return differences;
}

QString differenceLine(const Difference& difference) {
    return difference.field + QStringLiteral(": ") + shownValue(difference.kind, difference.a) +
           QStringLiteral(" -> ") + shownValue(difference.kind, difference.b);
}

}  // namespace quven::tool
