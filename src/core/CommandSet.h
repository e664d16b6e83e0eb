// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QChar>
#include <QString>
#include <array>
#include <optional>

// The controller's command language as the console uses it. Every builder returns a complete
// command line, command text followed by CR LF, ready for SendCommand. Every reader takes a
// whole reply block (line end included) and reads its fields by fixed 1-based character
// positions; a position beyond the end of the block reads as empty, a range running past the
// end yields the characters that exist. Nothing in a reply is validated.
namespace quven::commands {

inline const QString kLineEnd = QStringLiteral("\r\n");

// Any command text as one line: text + CR LF (the manual command line sends what was typed).
QString line(const QString& commandText);

// --- Poll queries of the control screen -------------------------------------------------
QString counterQuery(bool normalMode, int displayAxis);  // "NCNT" + axis + "?" or "CNT?"
QString modeQuery();                                     // "MODE?"
QString speedRangeQuery();                               // "SPD?"
QString limitSwitchQuery();                              // "LS?"
QString versionQuery();                                  // "VER?"

// --- Keypad commands (await a reply) ----------------------------------------------------
QString normalModeKey();              // "NX"  (key "9:N")
QString functionModeKey();            // "FX"  (key "8:F")
QString axisReleaseKey(int key);      // "N" + k + "R"  (axis key that is lit in normal mode)
QString axisSelectKey(int key);       // "N" + k + "S"  (axis key that is not lit in normal mode)
QString functionModeSelect(int key);  // "F" + k  (key in function mode)

// --- Blind commands of the control screen -----------------------------------------------
QString jog(bool clockwise);                    // "+J" / "-J"
QString scanStop();                             // "STOPS"
QString speedRange(QChar letter);               // "SPD" + "H", "M" or "L"
QString scanStart(bool plusDirection);          // "+G" / "-G"
QString relativeMove(const QString& setValue);  // "REL" + v
QString absoluteMove(const QString& setValue);  // "ABS" + v
QString presetToZero();                         // "PRS+0000000"
QString presetTo(const QString& setValue);      // "PRS" + v

// --- Table queries and set commands of the data-table screen ----------------------------
// Rows 0 to 7 are the normal-mode rows (axis channels), 8 to 15 the function-mode rows.
// The row digit is the row within its section, "0" to "7". Rows outside 0 to 15 are never
// addressed: callers check isTableRow first.
constexpr bool isTableRow(int row) {
    return row >= 0 && row <= 15;
}
QChar rowDigit(int row);

QString positionQuery(int row);  // "NCNT" d "?" / "FCNT" d "?"
QString speedQuery(int row);     // "NSPD" d "?" / "FSPD" d "?"
QString switchQuery(int row);    // "NSET" d "?" / "FSET" d "?"
QString limitStopQuery();        // "SLS?"
QString emptyQuery();            // CR LF alone

QString positionSet(int row, const QString& setValue);  // "NCNT" d v / "FCNT" d v
QString speedSet(int row, const QString& hspd, const QString& mspd, const QString& lspd,
                 const QString& rate);               // "NSPD" d ":" h "/" m "/" l "/" r
QString switchSet(int row, const QString& block);    // "NSET" d SwitchBlock / "FSET" d AxisBlock
QString limitStopSet(const QString& limitStopCode);  // "LSE"/"LSS" + "A"/"S"

// --- Reply readers ----------------------------------------------------------------------
QString field(const QString& block, int position, int length);  // 1-based, clipped
QChar charAt(const QString& block, int position);               // QChar() beyond the end

// Two characters read as a hexadecimal number from their start; reading stops at the first
// character that is not a hexadecimal digit; no digit gives 0. "0F" = 15, "F " = 15, "ZZ" = 0.
int hexPair(const QString& twoCharacters);

// Plain text as the controller answers: printable ASCII, blanks, tabs and line ends only.
bool isPlainText(const QString& block);

// The reply in a block. A line of other bytes in front of a plain line is line noise and is
// skipped, so that noise in front of an answer does not hide it. A block without any plain line
// is a reply all the same (its last line): a real answer that holds an odd byte must end the
// wait, or the query would be asked for ever.
QString withoutLeadingNoise(const QString& block);

// Controller text as a display shows it: every control character other than a tab or a line
// end, and DEL, as "\xHH" (two upper-case hex digits), so that an odd byte is seen and never
// hides or garbles the text around it.
QString visibleText(const QString& text);
// A value for a one-line display or box: the text up to its first CR or LF, then visibleText.
QString oneLineValue(const QString& text);
// Text as the communication log shows it, always on one line: CR, LF and tab as "\r", "\n"
// and "\t", a backslash as "\\" (so that what the controller sent can be told from the marks),
// and every other control character and DEL as "\xHH"; everything else as it is.
QString escapedText(const QString& text);

// The "SRQ" notice: a block containing "SRQ" anywhere (case-sensitive).
bool isServiceRequest(const QString& block);
QString serviceRequestNotice(const QString& block);  // first five characters + " received !"

QString counterText(const QString& block);  // characters 1 to 8

struct ModeReply {
    bool normalMode = false;           // character 1 is "N"
    std::array<bool, 8> axisActive{};  // normal mode: characters 2 to 9 equal to "1"
    int functionMode = 0;              // function mode: character 2 as a digit, else 0
};
ModeReply readModeReply(const QString& block);

QChar speedLetter(const QString& block);  // character 4

struct LimitSwitchReply {
    int clockwise = 0;         // characters 6 and 7, hexPair: bit i = axis i
    int counterClockwise = 0;  // characters 15 and 16, hexPair
    QChar speed;               // character 4
};
LimitSwitchReply readLimitSwitchReply(const QString& block);

// The firmware text: nothing for a block shorter than 5 characters (the query is repeated),
// otherwise its first 13 characters.
std::optional<QString> firmwareText(const QString& block);

QString positionText(const QString& block);  // characters 1 to 8

struct SpeedFields {
    QString hspd;  // characters 7 to 11
    QString mspd;  // 13 to 17
    QString lspd;  // 19 to 23
    QString rate;  // 25 and 26
};
SpeedFields readSpeedFields(const QString& block);

// The code characters of a switch-block reply from character 6: 4 for a normal-mode row
// (drive, CWLS, CCWLS, PLS), 9 for a function-mode row (drive, axes 0 to 7); fewer when the
// block is short.
QString switchBlockText(const QString& block, int row);

QChar limitStopActionLetter(const QString& block);  // character 3: "E" = EM STOP
QChar limitStopScopeLetter(const QString& block);   // character 4: "A" = ALL STOP

}  // namespace quven::commands
