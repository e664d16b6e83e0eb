// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QByteArray>
#include <array>
#include <optional>

namespace quven::sim {

// The controller's own copy of the setting table: 8 normal-mode rows (one per axis), 8
// function-mode rows, and the common limit-stop setting. Values are kept as numbers and codes;
// every query answer is formatted in the fixed widths the console reads.
//
// The position of a normal-mode row is the axis's position counter itself, which the motion
// model owns; this store keeps the positions of the function-mode rows only.
class SettingStore {
  public:
    static constexpr int kRows = 16;
    static constexpr int kNormalRows = 8;
    static constexpr int kMaxSpeed = 99999;  // five digits in the reply
    static constexpr int kMaxRate = 99;      // two digits in the reply

    struct Speeds {
        int hspd = 0;
        int mspd = 0;
        int lspd = 0;
        int rate = 0;
    };

    SettingStore();

    // Row r: 0-7 normal-mode rows, 8-15 function-mode rows.
    Speeds speeds(int row) const { return speeds_.at(row); }
    // The codes after the row digit: drive, CWLS, CCWLS, PLS ("T221") for a normal-mode row;
    // drive, then axes 0-7 ("T10000000") for a function-mode row.
    QByteArray switchBlock(int row) const { return switches_.at(row); }
    qint64 functionPosition(int mode) const { return functionPositions_.at(mode); }
    bool emergencyStop() const { return emergencyStop_; }
    bool allStop() const { return allStop_; }

    // Takes the text after "NSPD"/"FSPD" and the row digit: ":" h "/" m "/" l "/" r, each a
    // plain number of at most five digits (rate: two). False, and nothing stored, otherwise.
    bool setSpeeds(int row, const QByteArray& text);
    // Takes the codes after "NSET"/"FSET" and the row digit; false for a wrong length or a
    // character outside the code tables.
    bool setSwitchBlock(int row, const QByteArray& codes);
    void setFunctionPosition(int mode, qint64 value) { functionPositions_.at(mode) = value; }
    // "E" or "S", then "A" or "S".
    bool setLimitStop(char action, char scope);

    // Query answers, without the line end.
    QByteArray speedsReply(const QByteArray& name, int row) const;  // "NSPD2:01000/00500/..."
    QByteArray switchReply(const QByteArray& name, int row) const;  // "NSET2T221"
    QByteArray limitStopReply() const;                              // "LSEA"

    // The function-mode axis code of axis a in mode m: '0' not taking part, '1' forward,
    // '2' reverse.
    char functionAxisCode(int mode, int axis) const;

  private:
    std::array<Speeds, kRows> speeds_;
    std::array<QByteArray, kRows> switches_;
    std::array<qint64, kNormalRows> functionPositions_{};
    bool emergencyStop_ = false;
    bool allStop_ = true;
};

// A signed whole number as the controller reads it in set commands: an optional sign and one
// to nine digits, nothing else.
std::optional<qint64> parseSetValue(const QByteArray& text);

// A value as the controller reports it: sign and at least seven digits ("+0001234").
QByteArray formatValue(qint64 value);

}  // namespace quven::sim
