// SPDX-License-Identifier: Apache-2.0
#include <QtTest>
#include <limits>

#include "core/NumberText.h"

using namespace quven;

class NumberTextTest : public QObject {
    Q_OBJECT

  private slots:
    void leadingNumber_data();
    void leadingNumber();
    void roundHalfEven_data();
    void roundHalfEven();
    void portNumberFromText_data();
    void portNumberFromText();
    void setValue_data();
    void setValue();
};

void NumberTextTest::leadingNumber_data() {
    const double largest = std::numeric_limits<double>::max();
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("blanks inside") << "7 7 7 7" << 7777.0;
    QTest::newRow("tab CR LF inside") << "\t1\r\n2 3" << 123.0;
    QTest::newRow("minus") << "-12.5" << -12.5;
    QTest::newRow("blank after sign") << "- 5" << -5.0;
    QTest::newRow("plus") << "+3" << 3.0;
    QTest::newRow("fraction only") << ".25" << 0.25;
    QTest::newRow("exponent E") << "1.5E3" << 1500.0;
    QTest::newRow("exponent d, signed") << "25d-2" << 0.25;
    QTest::newRow("dangling exponent") << "4e" << 4.0;
    QTest::newRow("hex") << "&HFF" << 255.0;
    QTest::newRow("hex lower case, stops") << "&h1fz" << 31.0;
    QTest::newRow("hex is not negative") << "&HFFFFFFFF" << 4294967295.0;
    QTest::newRow("hex without digits") << "&H" << 0.0;
    QTest::newRow("sign before hex") << "-&H10" << 0.0;
    QTest::newRow("stops at letter") << "12abc" << 12.0;
    QTest::newRow("stops at second point") << "1.2.3" << 1.2;
    QTest::newRow("two signs") << "--5" << 0.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("underflow") << "1e-400" << 0.0;
    QTest::newRow("huge exponent") << "1e999" << largest;
    QTest::newRow("huge negative") << "-9e99999999999" << -largest;
    QTest::newRow("huge hex") << "&H" + QString(300, QLatin1Char('F')) << largest;
}

void NumberTextTest::leadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double value = quven::leadingNumber(text);
    QVERIFY(qIsFinite(value));
    QCOMPARE(value, expected);
}

void NumberTextTest::roundHalfEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("odd half up") << 7777.5 << 7778.0;
    QTest::newRow("even half down") << 7776.5 << 7776.0;
    QTest::newRow("negative half") << -2.5 << -2.0;
    QTest::newRow("negative odd half") << -3.5 << -4.0;
    QTest::newRow("zero half") << 0.5 << 0.0;
    QTest::newRow("below half") << 2.4999 << 2.0;
    QTest::newRow("above half") << -0.6 << -1.0;
}

void NumberTextTest::roundHalfEven() {
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(quven::roundHalfEven(value), expected);
}

void NumberTextTest::portNumberFromText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("port");
    QTest::newRow("half to even up") << "7777.5" << true << 7778;
    QTest::newRow("half to even down") << "7776.5" << true << 7776;
    QTest::newRow("too large") << "40000" << false << 0;
    QTest::newRow("rounds past top") << "32767.5" << false << 0;
    QTest::newRow("top") << "32767" << true << 32767;
    QTest::newRow("bottom") << "-32768" << true << -32768;
    QTest::newRow("below bottom") << "-32769" << false << 0;
    QTest::newRow("leading zeros") << "0080" << true << 80;
    QTest::newRow("hex") << "&H1E61" << true << 7777;
    QTest::newRow("no digits") << "abc" << true << 0;
}

void NumberTextTest::portNumberFromText() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, port);
    const std::optional<qint16> result = quven::portNumberFromText(text);
    QCOMPARE(result.has_value(), valid);
    if (valid) {
        QCOMPARE(int(*result), port);
    }
}

void NumberTextTest::setValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("padded") << "12345"
                            << "+0012345";
    QTest::newRow("negative padded") << "-50"
                                     << "-0000050";
    QTest::newRow("zero") << "0"
                          << "+0000000";
    QTest::newRow("eight digits kept") << "12345678"
                                       << "+12345678";
    QTest::newRow("fraction rounds") << "12.6"
                                     << "+0000013";
    QTest::newRow("half away from zero") << "12.5"
                                         << "+0000013";
    QTest::newRow("negative half away") << "-12.5"
                                        << "-0000013";
    QTest::newRow("negative") << "-12345"
                              << "-0012345";
    QTest::newRow("as shown at start") << "-0012345"
                                       << "-0012345";
    QTest::newRow("empty") << ""
                           << "+0000000";
    QTest::newRow("letters") << "abc"
                             << "+0000000";
    QTest::newRow("rounds to zero") << "-0.4"
                                    << "+0000000";
    QTest::newRow("all digits of 1e20") << "1e20"
                                        << "+100000000000000000000";
}

void NumberTextTest::setValue() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(quven::setValueFromText(text), expected);
}

QTEST_APPLESS_MAIN(NumberTextTest)
#include "tst_number_text.moc"
