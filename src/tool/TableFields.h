// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QList>
#include <QString>
#include <optional>
#include <utility>

namespace quven {
class DataTable;
}

namespace quven::tool {

// What a field of the table is, for how it reads and compares.
enum class FieldKind {
    Position,         // POS: a set value
    Number,           // HSPD, MSPD, LSPD, RATE
    Drive,            // DRIVE: "S", "T", "C", or "" when none is selected
    LimitSwitch,      // CWLS, CCWLS: "EN NC", "EN", "NC" or ""
    PulseOutput,      // PLS: "EN -DIR", "EN", "-DIR" or ""
    Axis,             // a function mode's axis: "E-", "E", "-" or ""
    LimitStopAction,  // "EM STOP", "SLOW STOP" or ""
    LimitStopScope,   // "ALL STOP", "INDIV. STOP" or ""
};

// One field of the table as the operator finds it on the data-table screen: its name there
// ("NORMAL MODE CH 3 HSPD", "NORMAL MODE CH 3 CWLS", "FUNCTION MODE 5 axis 2", "LIMIT STOP"),
// its value in the words of the screen's headings, and the item (tableitems) that carries it to
// and from the controller.
struct Field {
    QString name;
    FieldKind kind;
    int item;
    QString value;
};

// Every field of the table, row by row as the screen shows them (a row's POS, speeds and rate,
// its switches or axes, its DRIVE), then the two LIMIT STOP groups: 186 fields.
QList<Field> tableFields(const DataTable& table);

// A row's DRIVE and the two LIMIT STOP groups, as their fields show them.
QString driveValue(const DataTable& table, int row);
QString limitStopAction(const DataTable& table);
QString limitStopScope(const DataTable& table);

// A switch pair's value: the headings of its ticked boxes ("EN NC", "E-"; "" for none).
QString pairValue(FieldKind kind, bool first, bool second);
// The boxes a pair's value ticks; nothing for a text that is not one of its values.
std::optional<std::pair<bool, bool>> pairBoxes(FieldKind kind, const QString& value);

// Copies every field of one table into another.
void copyTable(const DataTable& from, DataTable& to);

// A value as a person reads it: control bytes made visible ("\x1B"), and an empty field as
// "(empty)" for a text, "(none)" otherwise.
QString shownValue(const Field& field);
QString shownValue(FieldKind kind, const QString& value);

}  // namespace quven::tool
