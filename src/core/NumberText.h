// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <optional>

namespace quven {

// The number at the start of a text, read the way the console reads every typed number
// (the port box, the set-data box, a table position):
//  - blanks, tabs, CR and LF anywhere in the text are skipped;
//  - an optional sign, digits, a decimal fraction and an exponent ("E" or "D", with its own
//    optional sign) are accepted;
//  - a leading "&H" (either case) makes the digits that follow hexadecimal (a plain,
//    non-negative value);
//  - reading stops at the first character that cannot continue the number;
//  - a text without a leading number reads as 0.
// A value too large for a double saturates at +/- the largest finite double.
double leadingNumber(const QString& text);

// Rounds to the nearest whole number, an exact half to the even neighbour (7777.5 -> 7778,
// 7776.5 -> 7776, -2.5 -> -2).
double roundHalfEven(double value);

// The value rounded half-to-even as a 16-bit signed integer, or nothing when the rounded value
// lies outside -32768 to 32767.
std::optional<qint16> toInteger16(double value);

// The port number typed in the connect dialog: leadingNumber, then toInteger16.
// "7777.5" -> 7778, "0080" -> 80, "abc" -> 0, "40000" -> nothing.
std::optional<qint16> portNumberFromText(const QString& text);

// A set value as the controller takes it: "+" for values of 0 or more, "-" for negative
// ones, then the whole-number digits padded with leading zeros to seven places; more digits
// are all kept. The value is rounded to a whole number first, an exact half away from zero
// (12.5 -> 13, -12.5 -> -13); a value that rounds to 0 is "+0000000".
// 12345 -> "+0012345", -50 -> "-0000050", 12345678 -> "+12345678".
QString formatSetValue(double value);

// formatSetValue(leadingNumber(text)).
QString setValueFromText(const QString& text);

}  // namespace quven
