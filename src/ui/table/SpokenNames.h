// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>

// What a screen reader says for the data-table screen's cells. The cells are known by their
// control-array names ("Text1_13", "Check2_91"); a person hears the row and the column in
// words: "Normal mode channel 3 middle speed", "Function mode 2 axis 5 reverse".
namespace quven::spoken {

// "Normal mode channel 3" or "Function mode 5", by the table's row (0 to 15).
QString row(int row);
// A row's number at its left: "Channel 3", "Mode 5".
QString rowNumber(int row);

QString position(int row);                // "Normal mode channel 3 position"
QString speed(int row, int column);       // tableindex::SpeedColumn: "... high speed", "... rate"
QString normalSwitch(int n, int column);  // tableindex::SwitchColumn: "... CW limit switch enable"
QString axis(int m, int axis, bool reverse);  // "Function mode 5 axis 2 enable" / "... reverse"
QString drive(int row, int column);           // tableindex::DriveColumn: "... drive S"
QString driveGroup(int row);                  // "Normal mode channel 0 drive"
// What a DRIVE letter stands for: "S-curve", "trapezoidal", "constant speed".
QString driveMeaning(int column);

}  // namespace quven::spoken
