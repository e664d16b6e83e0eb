// SPDX-License-Identifier: Apache-2.0
#include "core/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace quven {

namespace {

constexpr double kLargest = std::numeric_limits<double>::max();

// Exponents are cut here so that the count cannot overflow an int; any typed number with such
// an exponent is far outside the double range already.
constexpr int kExponentCap = 100000;

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') ||
           c == QLatin1Char('\n');
}

// The typed text without its blanks, as Latin-1 bytes: a character outside Latin-1 stops a
// number just as any other unexpected character does.
std::string withoutBlanks(const QString& text) {
    std::string compact;
    compact.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text) {
        if (!isBlank(c)) {
            compact.push_back(c.unicode() <= 0xFF ? static_cast<char>(c.unicode()) : '\0');
        }
    }
    return compact;
}

bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isHexDigit(char c) {
    return isDecimalDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Reads the characters of one kind from `pos` on and moves `pos` past them.
template <typename Predicate>
std::string takeWhile(const std::string& text, size_t& pos, Predicate accepted) {
    const size_t start = pos;
    while (pos < text.size() && accepted(text[pos])) {
        ++pos;
    }
    return text.substr(start, pos - start);
}

// An optional "+" or "-" at `pos`; true for a minus.
bool takeSign(const std::string& text, size_t& pos) {
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        return text[pos++] == '-';
    }
    return false;
}

// The letter at `pos` in either case.
bool takeLetter(const std::string& text, size_t& pos, char lower) {
    const char upper = static_cast<char>(lower - 'a' + 'A');
    if (pos < text.size() && (text[pos] == lower || text[pos] == upper)) {
        ++pos;
        return true;
    }
    return false;
}

// The exponent after "E" or "D", 0 when no digit follows.
int takeExponent(const std::string& text, size_t& pos) {
    if (!takeLetter(text, pos, 'e') && !takeLetter(text, pos, 'd')) {
        return 0;
    }
    const bool negative = takeSign(text, pos);
    int exponent = 0;
    for (char digit : takeWhile(text, pos, isDecimalDigit)) {
        exponent = std::min(exponent * 10 + (digit - '0'), kExponentCap);
    }
    return negative ? -exponent : exponent;
}

// True for no digits at all too.
bool allZeros(const std::string& digits) {
    return digits.find_first_not_of('0') == std::string::npos;
}

// Where the leading digit of the number stands relative to the decimal point: positive for a
// value of 1 or more. Tells an overflow from an underflow when the conversion is out of range.
long magnitude(const std::string& whole, const std::string& fraction, int exponent) {
    const size_t firstWhole = whole.find_first_not_of('0');
    if (firstWhole != std::string::npos) {
        return static_cast<long>(whole.size() - firstWhole) + exponent;
    }
    return exponent - static_cast<long>(fraction.find_first_not_of('0'));
}

// Converts the digits exactly; a value beyond the double range saturates, one below it is 0.
double convert(const std::string& digits, std::chars_format format, bool overflowOnRange) {
    double value = 0.0;
    const auto result =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, format);
    if (result.ec == std::errc::result_out_of_range) {
        return overflowOnRange ? kLargest : 0.0;
    }
    return value;
}

double hexadecimalNumber(const std::string& text, size_t pos) {
    const std::string digits = takeWhile(text, pos, isHexDigit);
    if (allZeros(digits)) {
        return 0.0;
    }
    return convert(digits, std::chars_format::hex, true);
}

double decimalNumber(const std::string& text, size_t pos) {
    const bool negative = takeSign(text, pos);
    const std::string whole = takeWhile(text, pos, isDecimalDigit);
    std::string fraction;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        fraction = takeWhile(text, pos, isDecimalDigit);
    }
    if (allZeros(whole + fraction)) {
        return 0.0;
    }
    const int exponent = takeExponent(text, pos);
    const std::string canonical =
        (whole.empty() ? "0" : whole) + "." + fraction + "e" + std::to_string(exponent);
    const double value =
        convert(canonical, std::chars_format::general, magnitude(whole, fraction, exponent) > 0);
    return negative ? -value : value;
}

}  // namespace

double leadingNumber(const QString& text) {
    const std::string compact = withoutBlanks(text);
    size_t pos = 1;
    if (!compact.empty() && compact[0] == '&' && takeLetter(compact, pos, 'h')) {
        return hexadecimalNumber(compact, pos);
    }
    return decimalNumber(compact, 0);
}

double roundHalfEven(double value) {
    if (!std::isfinite(value)) {
        return value;
    }
    const double below = std::floor(value);
    const double rest = value - below;  // exact: the fraction of a double is a double
    if (rest > 0.5) {
        return below + 1.0;
    }
    if (rest < 0.5) {
        return below;
    }
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

std::optional<qint16> toInteger16(double value) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= std::numeric_limits<qint16>::min() &&
          rounded <= std::numeric_limits<qint16>::max())) {
        return std::nullopt;
    }
    return static_cast<qint16>(rounded);
}

std::optional<qint16> portNumberFromText(const QString& text) {
    return toInteger16(leadingNumber(text));
}

namespace {

// The exact whole-number digits of a non-negative whole value, all of them.
QString wholeDigits(double wholeValue) {
    char buffer[std::numeric_limits<double>::max_exponent10 + 8];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, wholeValue, std::chars_format::fixed, 0);
    return QString::fromLatin1(buffer, static_cast<qsizetype>(result.ptr - buffer));
}

}  // namespace

QString formatSetValue(double value) {
    if (std::isnan(value)) {
        value = 0.0;
    }
    const double rounded = std::round(std::clamp(value, -kLargest, kLargest));
    if (rounded == 0.0) {
        return QStringLiteral("+0000000");
    }
    QString text = wholeDigits(std::fabs(rounded)).rightJustified(7, QLatin1Char('0'));
    return text.prepend(QLatin1Char(rounded > 0.0 ? '+' : '-'));
}

QString setValueFromText(const QString& text) {
    return formatSetValue(leadingNumber(text));
}

}  // namespace quven
