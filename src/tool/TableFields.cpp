// SPDX-License-Identifier: Apache-2.0
#include "tool/TableFields.h"

#include "core/CommandSet.h"
#include "table/DataTable.h"
#include "table/TableItems.h"

namespace quven::tool {

namespace ti = tableindex;
using namespace tableitems;

namespace {

constexpr int kAxes = 8;

struct PairLabels {
    const char* first;
    const char* second;
    const char* between;
};

PairLabels labelsOf(FieldKind kind) {
    switch (kind) {
        case FieldKind::LimitSwitch:
            return {"EN", "NC", " "};
        case FieldKind::PulseOutput:
            return {"EN", "-DIR", " "};
        default:
            return {"E", "-", ""};
    }
}

QString choiceValue(const DataTable& table, int first, const char* firstName,
                    const char* secondName) {
    if (table.Option2(first)) {
        return QLatin1String(firstName);
    }
    return table.Option2(first + 1) ? QLatin1String(secondName) : QString();
}

void addTexts(QList<Field>& fields, const DataTable& table, int row) {
    const QString name = rowName(row);
    fields.append({name + QStringLiteral(" POS"), FieldKind::Position, item(Positions, row),
                   table.Text2(ti::position(row))});
    const char* const columns[] = {" HSPD", " MSPD", " LSPD", " RATE"};
    for (int column = ti::Hspd; column <= ti::Rate; ++column) {
        fields.append({name + QLatin1String(columns[column]), FieldKind::Number, item(Speeds, row),
                       table.Text1(ti::speed(row, column))});
    }
}

void addSwitches(QList<Field>& fields, const DataTable& table, int n) {
    struct Pair {
        const char* name;
        FieldKind kind;
        int enable;
        int second;
    };
    const Pair pairs[] = {
        {" CWLS", FieldKind::LimitSwitch, ti::CwlsEnable, ti::CwlsNc},
        {" CCWLS", FieldKind::LimitSwitch, ti::CcwlsEnable, ti::CcwlsNc},
        {" PLS", FieldKind::PulseOutput, ti::PulseEnable, ti::PulseReverse},
    };
    for (const Pair& pair : pairs) {
        fields.append({rowName(n) + QLatin1String(pair.name), pair.kind, item(Switches, n),
                       pairValue(pair.kind, table.Check2(ti::normalSwitch(n, pair.enable)),
                                 table.Check2(ti::normalSwitch(n, pair.second)))});
    }
}

void addAxes(QList<Field>& fields, const DataTable& table, int row) {
    const int m = row - ti::kNormalRows;
    for (int a = 0; a < kAxes; ++a) {
        fields.append({rowName(row) + QStringLiteral(" axis %1").arg(a), FieldKind::Axis,
                       item(Switches, row),
                       pairValue(FieldKind::Axis, table.Check2(ti::axisEnable(m, a)),
                                 table.Check2(ti::axisReverse(m, a)))});
    }
}

}  // namespace

QList<Field> tableFields(const DataTable& table) {
    QList<Field> fields;
    for (int row = 0; row < ti::kRowCount; ++row) {
        addTexts(fields, table, row);
        if (ti::isFunctionRow(row)) {
            addAxes(fields, table, row);
        } else {
            addSwitches(fields, table, row);
        }
        fields.append({rowName(row) + QStringLiteral(" DRIVE"), FieldKind::Drive,
                       item(Switches, row), driveValue(table, row)});
    }
    const QString limitStop = QStringLiteral("LIMIT STOP");
    const int limitStopItem = item(LimitStop, 0);
    fields.append({limitStop, FieldKind::LimitStopAction, limitStopItem, limitStopAction(table)});
    fields.append({limitStop, FieldKind::LimitStopScope, limitStopItem, limitStopScope(table)});
    return fields;
}

void copyTable(const DataTable& from, DataTable& to) {
    for (int i = 0; i < DataTable::kText1Count; ++i) {
        to.setText1(i, from.Text1(i));
    }
    for (int i = 0; i < DataTable::kText2Count; ++i) {
        to.setText2(i, from.Text2(i));
    }
    for (int i = 0; i < DataTable::kCheck2Count; ++i) {
        to.setCheck2(i, from.Check2(i));
    }
    for (int frame = 0; frame < DataTable::kFrame1Count; ++frame) {
        const int selected = from.selectedInFrame(frame);
        if (selected >= 0) {
            to.selectOption2(selected);
        } else if (const int current = to.selectedInFrame(frame); current >= 0) {
            to.deselectOption2(current);
        }
    }
}

QString driveValue(const DataTable& table, int row) {
    const char* const letters[] = {"S", "T", "C"};
    for (int column = ti::DriveS; column <= ti::DriveC; ++column) {
        if (table.Option2(ti::drive(row, column))) {
            return QLatin1String(letters[column]);
        }
    }
    return QString();
}

QString limitStopAction(const DataTable& table) {
    return choiceValue(table, ti::EmStop, "EM STOP", "SLOW STOP");
}

QString limitStopScope(const DataTable& table) {
    return choiceValue(table, ti::AllStop, "ALL STOP", "INDIV. STOP");
}

QString pairValue(FieldKind kind, bool first, bool second) {
    const PairLabels labels = labelsOf(kind);
    if (first && second) {
        return QLatin1String(labels.first) + QLatin1String(labels.between) +
               QLatin1String(labels.second);
    }
    if (first) {
        return QLatin1String(labels.first);
    }
    return second ? QLatin1String(labels.second) : QString();
}

std::optional<std::pair<bool, bool>> pairBoxes(FieldKind kind, const QString& value) {
    for (const bool first : {false, true}) {
        for (const bool second : {false, true}) {
            if (pairValue(kind, first, second) == value) {
                return std::make_pair(first, second);
            }
        }
    }
    return std::nullopt;
}

QString shownValue(FieldKind kind, const QString& value) {
    if (!value.isEmpty()) {
        return commands::visibleText(value);
    }
    const bool text = kind == FieldKind::Position || kind == FieldKind::Number;
    return text ? QStringLiteral("(empty)") : QStringLiteral("(none)");
}

QString shownValue(const Field& field) {
    return shownValue(field.kind, field.value);
}

}  // namespace quven::tool
