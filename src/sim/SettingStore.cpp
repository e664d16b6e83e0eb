// SPDX-License-Identifier: Apache-2.0
#include "sim/SettingStore.h"

#include <QList>

namespace quven::sim {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// One to maxDigits decimal digits and nothing else.
std::optional<int> parseField(const QByteArray& text, int maxDigits) {
    if (text.isEmpty() || text.size() > maxDigits) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

bool isDriveCode(char c) {
    return c == 'S' || c == 'T' || c == 'C';
}
bool isSwitchCode(char c) {
    return c == '0' || c == '1' || c == '2';
}

QByteArray padded(int value, int width) {
    return QByteArray::number(value).rightJustified(width, '0');
}

}  // namespace

SettingStore::SettingStore() {
    // A controller fresh from the factory: trapezoidal drive, both limit switches enabled
    // (normally open), pulse output on; function mode m drives axis m forward.
    for (int row = 0; row < kRows; ++row) {
        speeds_.at(row) =
            row < kNormalRows ? Speeds{10000, 2000, 500, 5} : Speeds{5000, 1000, 200, 3};
        if (row < kNormalRows) {
            switches_.at(row) = "T221";
        } else {
            QByteArray axes(8, '0');
            axes[row - kNormalRows] = '1';
            switches_.at(row) = "T" + axes;
        }
    }
}

bool SettingStore::setSpeeds(int row, const QByteArray& text) {
    if (!text.startsWith(':')) {
        return false;
    }
    const QList<QByteArray> fields = text.mid(1).split('/');
    if (fields.size() != 4) {
        return false;
    }
    const auto h = parseField(fields.at(0), 5);
    const auto m = parseField(fields.at(1), 5);
    const auto l = parseField(fields.at(2), 5);
    const auto r = parseField(fields.at(3), 2);
    if (!h || !m || !l || !r) {
        return false;
    }
    speeds_.at(row) = Speeds{*h, *m, *l, *r};
    return true;
}

bool SettingStore::setSwitchBlock(int row, const QByteArray& codes) {
    const int length = row < kNormalRows ? 4 : 9;
    if (codes.size() != length || !isDriveCode(codes.at(0))) {
        return false;
    }
    for (int i = 1; i < length; ++i) {
        if (!isSwitchCode(codes.at(i))) {
            return false;
        }
    }
    switches_.at(row) = codes;
    return true;
}

bool SettingStore::setLimitStop(char action, char scope) {
    if ((action != 'E' && action != 'S') || (scope != 'A' && scope != 'S')) {
        return false;
    }
    emergencyStop_ = action == 'E';
    allStop_ = scope == 'A';
    return true;
}

QByteArray SettingStore::speedsReply(const QByteArray& name, int row) const {
    const Speeds& s = speeds_.at(row);
    return name + ':' + padded(s.hspd, 5) + '/' + padded(s.mspd, 5) + '/' + padded(s.lspd, 5) +
           '/' + padded(s.rate, 2);
}

QByteArray SettingStore::switchReply(const QByteArray& name, int row) const {
    return name + switches_.at(row);
}

QByteArray SettingStore::limitStopReply() const {
    return QByteArray("LS") + (emergencyStop_ ? 'E' : 'S') + (allStop_ ? 'A' : 'S');
}

char SettingStore::functionAxisCode(int mode, int axis) const {
    return switches_.at(kNormalRows + mode).at(1 + axis);
}

std::optional<qint64> parseSetValue(const QByteArray& text) {
    int start = 0;
    bool negative = false;
    if (!text.isEmpty() && (text.at(0) == '+' || text.at(0) == '-')) {
        negative = text.at(0) == '-';
        start = 1;
    }
    const QByteArray digits = text.mid(start);
    if (digits.isEmpty() || digits.size() > 9) {
        return std::nullopt;
    }
    qint64 value = 0;
    for (char c : digits) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

QByteArray formatValue(qint64 value) {
    const qint64 magnitude = value < 0 ? -value : value;
    return (value < 0 ? QByteArray("-") : QByteArray("+")) +
           QByteArray::number(magnitude).rightJustified(7, '0');
}

}  // namespace quven::sim
