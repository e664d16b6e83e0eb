// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QChar>
#include <QString>

namespace quven {

class DataTable;

// The character codes in which the table's drive profiles and switches travel to the
// controller and into the table file. Rows as in DataTable: 0-7 normal, 8-15 function.

// Encoding, as both the table file and the controller write form it.
QChar DriveCode(const DataTable& table, int row);  // "S" if S selected, else "T" if T, else "C"
QChar LimitSwitchCode(bool enable, bool normallyClosed);  // "0" off, "1" EN+NC, "2" EN only
QChar PulseOutCode(bool enable, bool reverse);            // "0" off, "1" EN only, "2" EN+reverse
QString SwitchBlock(const DataTable& table, int n);       // 4 chars: drive, CWLS, CCWLS, PLS
QString AxisBlock(const DataTable& table, int m);         // 9 chars: drive, axes 0-7
QString RowBlock(const DataTable& table, int row);        // SwitchBlock or AxisBlock of a table row
QString LimitStopCode(const DataTable& table);            // "LS" + "E"/"S" + "A"/"S"

// Decoding sets controls on only (checks a box, selects a button) and never clears one; the
// caller clears the table first. The two partners treat characters outside the code tables
// differently:
//  - TableFile: drive other than S/T gives C; a limit switch other than 0/1 gives EN only;
//    a pulse output other than 0/1 gives EN and reverse; an axis other than 1/2 gives nothing.
//  - Controller: drive other than S/T/C selects nothing; a limit switch, pulse output or axis
//    other than 1/2 gives nothing.
// A character beyond the end of the text counts as any other character.
enum class CodeSource { TableFile, Controller };

void decodeSwitchBlock(DataTable& table, int n, const QString& block, CodeSource source);
void decodeAxisBlock(DataTable& table, int m, const QString& block, CodeSource source);
void decodeRowBlock(DataTable& table, int row, const QString& block, CodeSource source);
// Both partners: "E" selects EM STOP, anything else SLOW STOP; "A" selects ALL STOP, anything
// else INDIV. STOP.
void decodeLimitStop(DataTable& table, QChar action, QChar scope);

}  // namespace quven
