// SPDX-License-Identifier: Apache-2.0
#include "ui/table/SpokenNames.h"

#include "table/DataTable.h"

namespace quven::spoken {

namespace ti = tableindex;

namespace {
// By tableindex::SpeedColumn.
constexpr const char* kSpeedWords[] = {"high speed", "middle speed", "low speed", "rate"};

// By tableindex::SwitchColumn.
constexpr const char* kSwitchWords[] = {
    "CW limit switch enable",  "CW limit switch normally closed",
    "CCW limit switch enable", "CCW limit switch normally closed",
    "pulse output enable",     "pulse output reverse direction",
};

// By tableindex::DriveColumn: the letter the column shows, and what it stands for.
constexpr struct {
    const char* letter;
    const char* meaning;
} kDrives[] = {{"S", "S-curve"}, {"T", "trapezoidal"}, {"C", "constant speed"}};

QString inRow(int tableRow, const char* words) {
    return row(tableRow) + QLatin1Char(' ') + QLatin1String(words);
}
}  // namespace

QString row(int row) {
    return ti::isFunctionRow(row) ? QStringLiteral("Function mode %1").arg(row - ti::kNormalRows)
                                  : QStringLiteral("Normal mode channel %1").arg(row);
}

QString rowNumber(int row) {
    return ti::isFunctionRow(row) ? QStringLiteral("Mode %1").arg(row - ti::kNormalRows)
                                  : QStringLiteral("Channel %1").arg(row);
}

QString position(int tableRow) {
    return inRow(tableRow, "position");
}

QString speed(int tableRow, int column) {
    return inRow(tableRow, kSpeedWords[column]);
}

QString normalSwitch(int n, int column) {
    return inRow(n, kSwitchWords[column]);
}

QString axis(int m, int axis, bool reverse) {
    return row(ti::kNormalRows + m) + QStringLiteral(" axis %1 %2")
                                          .arg(axis)
                                          .arg(QLatin1String(reverse ? "reverse" : "enable"));
}

QString drive(int tableRow, int column) {
    return row(tableRow) + QLatin1String(" drive ") + QLatin1String(kDrives[column].letter);
}

QString driveGroup(int tableRow) {
    return inRow(tableRow, "drive");
}

QString driveMeaning(int column) {
    return QLatin1String(kDrives[column].meaning);
}

}  // namespace quven::spoken
