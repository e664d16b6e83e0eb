// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <QString>
#include <array>

namespace quven {

// The controller's setting table: 8 normal-mode rows (axis channels 0-7), 8 function-mode rows
// (function modes 0-7) and the common limit-stop settings. It is held in the same control
// arrays, with the same indexes, as the data-table screen shows it, so every operation on the
// table (clear, file, read, write) addresses a field exactly as the screen does; the screen's
// widgets bind to this object.
//
//   Text2(i)    16 POS boxes           0-7 normal rows, 8-15 function rows
//   Text1(i)    64 speed/rate boxes    0-31 normal (4n+k), 32-63 function (32+4m+k)
//   Check2(i)   176 check boxes        0-47 normal switches (6n+k),
//                                      48-175 function axis pairs (48+16m+2a, 49+16m+2a)
//   Option2(i)  52 option buttons      0-23 normal DRIVE (3n+k), 24-47 function DRIVE
//                                      (24+3m+k), 48-51 common
//   Frame1(f)   18 exclusive groups    0-7 normal DRIVE, 8-15 function DRIVE, 16-17 LIMIT STOP
//
// Each frame holds one selected option button or none.
class DataTable : public QObject {
    Q_OBJECT
  public:
    static constexpr int kText1Count = 64;
    static constexpr int kText2Count = 16;
    static constexpr int kCheck2Count = 176;
    static constexpr int kOption2Count = 52;
    static constexpr int kFrame1Count = 18;

    explicit DataTable(QObject* parent = nullptr);

    QString Text1(int index) const;
    void setText1(int index, const QString& text);
    QString Text2(int index) const;
    void setText2(int index, const QString& text);
    bool Check2(int index) const;
    void setCheck2(int index, bool checked);
    bool Option2(int index) const;
    // Selects the button and deselects the others of its frame.
    void selectOption2(int index);
    void deselectOption2(int index);

    // The frame (0-17) that groups an option button.
    static int frameOf(int option2Index);
    // The selected button of a frame, or -1 when none is.
    int selectedInFrame(int frame) const;

    // The cleared state: every text empty, every box unchecked, no button selected.
    void clear();
    bool isCleared() const;

  Q_SIGNALS:
    void text1Changed(int index);
    void text2Changed(int index);
    void check2Changed(int index);
    void option2Changed(int index);

  private:
    std::array<QString, kText1Count> text1_;
    std::array<QString, kText2Count> text2_;
    std::array<bool, kCheck2Count> check2_{};
    std::array<bool, kOption2Count> option2_{};
};

// The index formulas, the contract between the table and everything that uses it.
// n: normal-mode row 0-7; m: function-mode row 0-7; row: table row 0-15; a: axis 0-7.
namespace tableindex {
constexpr int kRowCount = 16;
constexpr int kNormalRows = 8;

enum SpeedColumn { Hspd = 0, Mspd = 1, Lspd = 2, Rate = 3 };
enum SwitchColumn {
    CwlsEnable = 0,
    CwlsNc = 1,
    CcwlsEnable = 2,
    CcwlsNc = 3,
    PulseEnable = 4,
    PulseReverse = 5
};
enum DriveColumn { DriveS = 0, DriveT = 1, DriveC = 2 };

constexpr int EmStop = 48;     // Option2, Frame1(16)
constexpr int SlowStop = 49;   // Option2, Frame1(16)
constexpr int AllStop = 50;    // Option2, Frame1(17)
constexpr int IndivStop = 51;  // Option2, Frame1(17)

constexpr bool isFunctionRow(int row) {
    return row >= kNormalRows;
}

constexpr int position(int row) {
    return row;
}  // Text2
constexpr int speed(int row, int column) {  // Text1
    return isFunctionRow(row) ? 32 + 4 * (row - kNormalRows) + column : 4 * row + column;
}
constexpr int drive(int row, int column) {  // Option2
    return isFunctionRow(row) ? 24 + 3 * (row - kNormalRows) + column : 3 * row + column;
}
constexpr int driveFrame(int row) {
    return row;
}  // Frame1

constexpr int normalSwitch(int n, int column) {
    return 6 * n + column;
}  // Check2
constexpr int axisEnable(int m, int axis) {
    return 48 + 16 * m + 2 * axis;
}  // Check2 "E"
constexpr int axisReverse(int m, int axis) {
    return 49 + 16 * m + 2 * axis;
}  // Check2 "-"
}  // namespace tableindex

}  // namespace quven
