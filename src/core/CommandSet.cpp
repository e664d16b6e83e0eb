// SPDX-License-Identifier: Apache-2.0
#include "core/CommandSet.h"

#include <algorithm>

namespace quven::commands {

namespace {

constexpr int kRowsPerSection = 8;

bool isNormalModeRow(int row) {
    return row < kRowsPerSection;
}

// "N" or "F" by the row's section, then the command name and the row digit: "NCNT3".
QString rowCommand(int row, QLatin1String name) {
    QString text(QLatin1Char(isNormalModeRow(row) ? 'N' : 'F'));
    return text.append(name).append(rowDigit(row));
}

QString keyCommand(QLatin1Char prefix, int key, QLatin1String suffix = QLatin1String("")) {
    return line(QString(prefix) + QString::number(key) + suffix);
}

int hexDigitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    if (u >= u'a' && u <= u'f') {
        return u - u'a' + 10;
    }
    return -1;
}

int decimalDigitValue(QChar c) {
    const char16_t u = c.unicode();
    return u >= u'0' && u <= u'9' ? u - u'0' : -1;
}

}  // namespace

QString line(const QString& commandText) {
    return commandText + kLineEnd;
}

// --- Poll queries -----------------------------------------------------------------------

QString counterQuery(bool normalMode, int displayAxis) {
    if (!normalMode) {
        return line(QStringLiteral("CNT?"));
    }
    return line(QLatin1String("NCNT") + QString::number(displayAxis) + QLatin1Char('?'));
}

QString modeQuery() {
    return line(QStringLiteral("MODE?"));
}
QString speedRangeQuery() {
    return line(QStringLiteral("SPD?"));
}
QString limitSwitchQuery() {
    return line(QStringLiteral("LS?"));
}
QString versionQuery() {
    return line(QStringLiteral("VER?"));
}

// --- Keypad -----------------------------------------------------------------------------

QString normalModeKey() {
    return line(QStringLiteral("NX"));
}
QString functionModeKey() {
    return line(QStringLiteral("FX"));
}

QString axisReleaseKey(int key) {
    return keyCommand(QLatin1Char('N'), key, QLatin1String("R"));
}

QString axisSelectKey(int key) {
    return keyCommand(QLatin1Char('N'), key, QLatin1String("S"));
}

QString functionModeSelect(int key) {
    return keyCommand(QLatin1Char('F'), key);
}

// --- Blind commands ---------------------------------------------------------------------

QString jog(bool clockwise) {
    return line(clockwise ? QStringLiteral("+J") : QStringLiteral("-J"));
}

QString scanStop() {
    return line(QStringLiteral("STOPS"));
}

QString speedRange(QChar letter) {
    return line(QLatin1String("SPD") + letter);
}

QString scanStart(bool plusDirection) {
    return line(plusDirection ? QStringLiteral("+G") : QStringLiteral("-G"));
}

QString relativeMove(const QString& setValue) {
    return line(QLatin1String("REL") + setValue);
}
QString absoluteMove(const QString& setValue) {
    return line(QLatin1String("ABS") + setValue);
}
QString presetToZero() {
    return line(QStringLiteral("PRS+0000000"));
}
QString presetTo(const QString& setValue) {
    return line(QLatin1String("PRS") + setValue);
}

// --- Table queries and set commands -----------------------------------------------------

QChar rowDigit(int row) {
    Q_ASSERT(isTableRow(row));
    return QLatin1Char(static_cast<char>('0' + row % kRowsPerSection));
}

QString positionQuery(int row) {
    return line(rowCommand(row, QLatin1String("CNT")) + QLatin1Char('?'));
}
QString speedQuery(int row) {
    return line(rowCommand(row, QLatin1String("SPD")) + QLatin1Char('?'));
}
QString switchQuery(int row) {
    return line(rowCommand(row, QLatin1String("SET")) + QLatin1Char('?'));
}
QString limitStopQuery() {
    return line(QStringLiteral("SLS?"));
}
QString emptyQuery() {
    return kLineEnd;
}

QString positionSet(int row, const QString& setValue) {
    return line(rowCommand(row, QLatin1String("CNT")) + setValue);
}

QString speedSet(int row, const QString& hspd, const QString& mspd, const QString& lspd,
                 const QString& rate) {
    const QLatin1Char slash('/');
    return line(rowCommand(row, QLatin1String("SPD")) + QLatin1Char(':') + hspd + slash + mspd +
                slash + lspd + slash + rate);
}

QString switchSet(int row, const QString& block) {
    return line(rowCommand(row, QLatin1String("SET")) + block);
}

// The code already carries its "LS" prefix.
QString limitStopSet(const QString& limitStopCode) {
    return line(limitStopCode);
}

// --- Reply readers ----------------------------------------------------------------------

QString field(const QString& block, int position, int length) {
    if (position < 1 || length < 1 || position > block.size()) {
        return QString();
    }
    return block.mid(position - 1, length);
}

QChar charAt(const QString& block, int position) {
    if (position < 1 || position > block.size()) {
        return QChar();
    }
    return block.at(position - 1);
}

int hexPair(const QString& twoCharacters) {
    int value = 0;
    for (QChar c : twoCharacters.left(2)) {
        const int digit = hexDigitValue(c);
        if (digit < 0) {
            break;
        }
        value = value * 16 + digit;
    }
    return value;
}

bool isPlainText(const QString& block) {
    return std::all_of(block.begin(), block.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x20 && u < 0x7F) || u == u'\r' || u == u'\n' || u == u'\t';
    });
}

QString withoutLeadingNoise(const QString& block) {
    int start = 0;
    while (start < block.size()) {
        const int lineFeed = block.indexOf(QLatin1Char('\n'), start);
        const int end = lineFeed < 0 ? int(block.size()) : lineFeed + 1;
        if (end >= block.size() || isPlainText(block.mid(start, end - start))) {
            return block.mid(start);
        }
        start = end;
    }
    return block;
}

namespace {
// A control character of Latin-1: C0, DEL and C1.
bool isControl(char16_t u) {
    return u < 0x20 || (u >= 0x7F && u < 0xA0);
}
// "\x85".
QString hexEscape(char16_t u) {
    return QLatin1String("\\x") +
           QStringLiteral("%1").arg(int(u), 2, 16, QLatin1Char('0')).toUpper();
}
}  // namespace

QString visibleText(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (isControl(u) && u != u'\t' && u != u'\r' && u != u'\n') {
            shown += hexEscape(u);
        } else {
            shown += c;
        }
    }
    return shown;
}

QString escapedText(const QString& text) {
    QString shown;
    shown.reserve(text.size() + 8);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
            case u'\r':
                shown += QLatin1String("\\r");
                break;
            case u'\n':
                shown += QLatin1String("\\n");
                break;
            case u'\t':
                shown += QLatin1String("\\t");
                break;
            case u'\\':
                shown += QLatin1String("\\\\");
                break;
            default:
                if (isControl(u)) {
                    shown += hexEscape(u);
                } else {
                    shown += c;
                }
        }
    }
    return shown;
}

QString oneLineValue(const QString& text) {
    qsizetype end = 0;
    while (end < text.size() && text.at(end) != QLatin1Char('\r') &&
           text.at(end) != QLatin1Char('\n')) {
        ++end;
    }
    return visibleText(text.left(end));
}

bool isServiceRequest(const QString& block) {
    return block.contains(QLatin1String("SRQ"), Qt::CaseSensitive);
}

QString serviceRequestNotice(const QString& block) {
    return block.left(5) + QLatin1String(" received !");
}

QString counterText(const QString& block) {
    return field(block, 1, 8);
}

ModeReply readModeReply(const QString& block) {
    ModeReply reply;
    reply.normalMode = charAt(block, 1) == QLatin1Char('N');
    if (reply.normalMode) {
        for (int axis = 0; axis < int(reply.axisActive.size()); ++axis) {
            reply.axisActive[axis] = charAt(block, axis + 2) == QLatin1Char('1');
        }
    } else {
        reply.functionMode = qMax(decimalDigitValue(charAt(block, 2)), 0);
    }
    return reply;
}

QChar speedLetter(const QString& block) {
    return charAt(block, 4);
}

LimitSwitchReply readLimitSwitchReply(const QString& block) {
    LimitSwitchReply reply;
    reply.clockwise = hexPair(field(block, 6, 2));
    reply.counterClockwise = hexPair(field(block, 15, 2));
    reply.speed = speedLetter(block);
    return reply;
}

std::optional<QString> firmwareText(const QString& block) {
    if (block.size() < 5) {
        return std::nullopt;
    }
    return block.left(13);
}

QString positionText(const QString& block) {
    return field(block, 1, 8);
}

SpeedFields readSpeedFields(const QString& block) {
    return SpeedFields{field(block, 7, 5), field(block, 13, 5), field(block, 19, 5),
                       field(block, 25, 2)};
}

QString switchBlockText(const QString& block, int row) {
    const int codeCount = isNormalModeRow(row) ? 4 : 9;  // SwitchBlock or AxisBlock
    return field(block, 6, codeCount);
}

QChar limitStopActionLetter(const QString& block) {
    return charAt(block, 3);
}
QChar limitStopScopeLetter(const QString& block) {
    return charAt(block, 4);
}

}  // namespace quven::commands
