// SPDX-License-Identifier: Apache-2.0
#include "table/TableCodes.h"

#include "table/DataTable.h"

namespace quven {

namespace ti = tableindex;

namespace {

constexpr int kAxisCount = 8;

// n or m: a row within its section, 0-7.
bool inSection(int n) {
    return n >= 0 && n < ti::kNormalRows;
}

// A position past the end of a short block reads as a character no code table knows.
QChar charAt(const QString& block, int position) {
    return position < block.size() ? block.at(position) : QChar();
}

// What one code character turns on in an EN box and its partner box.
struct PairEffect {
    bool enable;
    bool second;
};

PairEffect limitSwitchEffect(QChar code, CodeSource source) {
    if (code == QLatin1Char('1')) {
        return {true, true};
    }
    if (code == QLatin1Char('2')) {
        return {true, false};
    }
    // The table file takes any digit but "0" as a plain enabled switch.
    const bool fileFallback = source == CodeSource::TableFile && code != QLatin1Char('0');
    return {fileFallback, false};
}

PairEffect pulseOutEffect(QChar code, CodeSource source) {
    if (code == QLatin1Char('1')) {
        return {true, false};
    }
    if (code == QLatin1Char('2')) {
        return {true, true};
    }
    // The table file takes any digit but "0" as an enabled, reversed output.
    const bool fileFallback = source == CodeSource::TableFile && code != QLatin1Char('0');
    return {fileFallback, fileFallback};
}

// Function-mode axes know only "1" and "2", from either partner.
PairEffect axisEffect(QChar code) {
    return pulseOutEffect(code, CodeSource::Controller);
}

void applyPair(DataTable& table, int enableIndex, int secondIndex, PairEffect effect) {
    if (effect.enable) {
        table.setCheck2(enableIndex, true);
    }
    if (effect.second) {
        table.setCheck2(secondIndex, true);
    }
}

// The DRIVE column a code selects, or -1 for none.
int driveColumn(QChar code, CodeSource source) {
    if (code == QLatin1Char('S')) {
        return ti::DriveS;
    }
    if (code == QLatin1Char('T')) {
        return ti::DriveT;
    }
    if (code == QLatin1Char('C') || source == CodeSource::TableFile) {
        return ti::DriveC;
    }
    return -1;
}

void decodeDrive(DataTable& table, int row, QChar code, CodeSource source) {
    const int column = driveColumn(code, source);
    if (column >= 0) {
        table.selectOption2(ti::drive(row, column));
    }
}

QChar limitSwitchOf(const DataTable& table, int n, int enableColumn, int ncColumn) {
    return LimitSwitchCode(table.Check2(ti::normalSwitch(n, enableColumn)),
                           table.Check2(ti::normalSwitch(n, ncColumn)));
}

}  // namespace

QChar DriveCode(const DataTable& table, int row) {
    if (row < 0 || row >= ti::kRowCount) {
        return QChar();
    }
    // C is what is left: a row without any selection travels as C too.
    if (table.Option2(ti::drive(row, ti::DriveS))) {
        return QLatin1Char('S');
    }
    if (table.Option2(ti::drive(row, ti::DriveT))) {
        return QLatin1Char('T');
    }
    return QLatin1Char('C');
}

QChar LimitSwitchCode(bool enable, bool normallyClosed) {
    if (!enable) {
        return QLatin1Char('0');
    }
    return normallyClosed ? QLatin1Char('1') : QLatin1Char('2');
}

QChar PulseOutCode(bool enable, bool reverse) {
    if (!enable) {
        return QLatin1Char('0');
    }
    return reverse ? QLatin1Char('2') : QLatin1Char('1');
}

QString SwitchBlock(const DataTable& table, int n) {
    if (!inSection(n)) {
        return QString();
    }
    QString block;
    block += DriveCode(table, n);
    block += limitSwitchOf(table, n, ti::CwlsEnable, ti::CwlsNc);
    block += limitSwitchOf(table, n, ti::CcwlsEnable, ti::CcwlsNc);
    block += PulseOutCode(table.Check2(ti::normalSwitch(n, ti::PulseEnable)),
                          table.Check2(ti::normalSwitch(n, ti::PulseReverse)));
    return block;
}

QString AxisBlock(const DataTable& table, int m) {
    if (!inSection(m)) {
        return QString();
    }
    QString block;
    block += DriveCode(table, ti::kNormalRows + m);
    for (int a = 0; a < kAxisCount; ++a) {
        block +=
            PulseOutCode(table.Check2(ti::axisEnable(m, a)), table.Check2(ti::axisReverse(m, a)));
    }
    return block;
}

QString RowBlock(const DataTable& table, int row) {
    if (row < 0 || row >= ti::kRowCount) {
        return QString();
    }
    return ti::isFunctionRow(row) ? AxisBlock(table, row - ti::kNormalRows)
                                  : SwitchBlock(table, row);
}

QString LimitStopCode(const DataTable& table) {
    QString code = QStringLiteral("LS");
    code += table.Option2(ti::EmStop) ? QLatin1Char('E') : QLatin1Char('S');
    code += table.Option2(ti::AllStop) ? QLatin1Char('A') : QLatin1Char('S');
    return code;
}

void decodeSwitchBlock(DataTable& table, int n, const QString& block, CodeSource source) {
    if (!inSection(n)) {
        return;
    }
    decodeDrive(table, n, charAt(block, 0), source);
    applyPair(table, ti::normalSwitch(n, ti::CwlsEnable), ti::normalSwitch(n, ti::CwlsNc),
              limitSwitchEffect(charAt(block, 1), source));
    applyPair(table, ti::normalSwitch(n, ti::CcwlsEnable), ti::normalSwitch(n, ti::CcwlsNc),
              limitSwitchEffect(charAt(block, 2), source));
    applyPair(table, ti::normalSwitch(n, ti::PulseEnable), ti::normalSwitch(n, ti::PulseReverse),
              pulseOutEffect(charAt(block, 3), source));
}

void decodeAxisBlock(DataTable& table, int m, const QString& block, CodeSource source) {
    if (!inSection(m)) {
        return;
    }
    decodeDrive(table, ti::kNormalRows + m, charAt(block, 0), source);
    for (int a = 0; a < kAxisCount; ++a) {
        applyPair(table, ti::axisEnable(m, a), ti::axisReverse(m, a),
                  axisEffect(charAt(block, 1 + a)));
    }
}

void decodeRowBlock(DataTable& table, int row, const QString& block, CodeSource source) {
    if (row < 0 || row >= ti::kRowCount) {
        return;
    }
    if (ti::isFunctionRow(row)) {
        decodeAxisBlock(table, row - ti::kNormalRows, block, source);
    } else {
        decodeSwitchBlock(table, row, block, source);
    }
}

void decodeLimitStop(DataTable& table, QChar action, QChar scope) {
    table.selectOption2(action == QLatin1Char('E') ? ti::EmStop : ti::SlowStop);
    table.selectOption2(scope == QLatin1Char('A') ? ti::AllStop : ti::IndivStop);
}

}  // namespace quven
