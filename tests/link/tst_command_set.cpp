// SPDX-License-Identifier: Apache-2.0
#include <QtTest>

#include "core/CommandSet.h"

using namespace quven::commands;

class CommandSetTest : public QObject {
    Q_OBJECT

  private slots:
    void builders_data();
    void builders();
    void fields_data();
    void fields();
    void hexPair_data();
    void hexPair();
    void modeReply_data();
    void modeReply();
    void limitSwitchReply();
    void firmwareText_data();
    void firmwareText();
    void tableReplies();
    void serviceRequest_data();
    void serviceRequest();
    void lineNoise_data();
    void lineNoise();
    void shownValues();
};

void CommandSetTest::builders_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");
    QTest::newRow("manual line") << line(QStringLiteral("ab c")) << "ab c\r\n";
    QTest::newRow("counter, normal") << counterQuery(true, 3) << "NCNT3?\r\n";
    QTest::newRow("counter, function") << counterQuery(false, 3) << "CNT?\r\n";
    QTest::newRow("mode") << modeQuery() << "MODE?\r\n";
    QTest::newRow("speed range") << speedRangeQuery() << "SPD?\r\n";
    QTest::newRow("limit switches") << limitSwitchQuery() << "LS?\r\n";
    QTest::newRow("version") << versionQuery() << "VER?\r\n";
    QTest::newRow("key N") << normalModeKey() << "NX\r\n";
    QTest::newRow("key F") << functionModeKey() << "FX\r\n";
    QTest::newRow("axis release") << axisReleaseKey(3) << "N3R\r\n";
    QTest::newRow("axis select") << axisSelectKey(3) << "N3S\r\n";
    QTest::newRow("function select") << functionModeSelect(5) << "F5\r\n";
    QTest::newRow("jog cw") << jog(true) << "+J\r\n";
    QTest::newRow("jog ccw") << jog(false) << "-J\r\n";
    QTest::newRow("stop") << scanStop() << "STOPS\r\n";
    QTest::newRow("speed L") << speedRange(QLatin1Char('L')) << "SPDL\r\n";
    QTest::newRow("scan plus") << scanStart(true) << "+G\r\n";
    QTest::newRow("scan minus") << scanStart(false) << "-G\r\n";
    QTest::newRow("rel") << relativeMove(QStringLiteral("-0012345")) << "REL-0012345\r\n";
    QTest::newRow("abs") << absoluteMove(QStringLiteral("+0012345")) << "ABS+0012345\r\n";
    QTest::newRow("preset zero") << presetToZero() << "PRS+0000000\r\n";
    QTest::newRow("preset") << presetTo(QStringLiteral("+12345678")) << "PRS+12345678\r\n";
    QTest::newRow("position query row 3") << positionQuery(3) << "NCNT3?\r\n";
    QTest::newRow("position query row 11") << positionQuery(11) << "FCNT3?\r\n";
    QTest::newRow("speed query row 7") << speedQuery(7) << "NSPD7?\r\n";
    QTest::newRow("speed query row 8") << speedQuery(8) << "FSPD0?\r\n";
    QTest::newRow("switch query row 15") << switchQuery(15) << "FSET7?\r\n";
    QTest::newRow("limit stop query") << limitStopQuery() << "SLS?\r\n";
    QTest::newRow("empty query") << emptyQuery() << "\r\n";
    QTest::newRow("position set") << positionSet(0, QStringLiteral("+0001234"))
                                  << "NCNT0+0001234\r\n";
    QTest::newRow("position set row 11")
        << positionSet(11, QStringLiteral("-0000050")) << "FCNT3-0000050\r\n";
    QTest::newRow("speed set as typed")
        << speedSet(2, QStringLiteral("1000"), QStringLiteral("500"), QStringLiteral("100"),
                    QStringLiteral("5"))
        << "NSPD2:1000/500/100/5\r\n";
    QTest::newRow("speed set function row")
        << speedSet(13, QStringLiteral("0"), QString(), QStringLiteral("1"), QStringLiteral("2"))
        << "FSPD5:0//1/2\r\n";
    QTest::newRow("switch set") << switchSet(0, QStringLiteral("S120")) << "NSET0S120\r\n";
    QTest::newRow("axis switch set")
        << switchSet(10, QStringLiteral("T10000002")) << "FSET2T10000002\r\n";
    QTest::newRow("limit stop set") << limitStopSet(QStringLiteral("LSEA")) << "LSEA\r\n";
}

void CommandSetTest::builders() {
    QFETCH(QString, line);
    QFETCH(QString, expected);
    QCOMPARE(line, expected);
}

void CommandSetTest::fields_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("expected");
    QTest::newRow("from the start") << 1 << 3 << "+00";
    QTest::newRow("1-based") << 2 << 2 << "00";
    QTest::newRow("clipped at end") << 9 << 5 << "\r\n";
    QTest::newRow("last character") << 10 << 1 << "\n";
    QTest::newRow("past the end") << 11 << 1 << "";
    QTest::newRow("before the start") << 0 << 2 << "";
}

void CommandSetTest::fields() {
    QFETCH(int, position);
    QFETCH(int, length);
    QFETCH(QString, expected);
    const QString block = QStringLiteral("+0001234\r\n");
    QCOMPARE(field(block, position, length), expected);
    QCOMPARE(charAt(block, position), expected.isEmpty() ? QChar() : expected.at(0));
}

void CommandSetTest::hexPair_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("0F") << "0F" << 15;
    QTest::newRow("F blank") << "F " << 15;
    QTest::newRow("lower case") << "ff" << 255;
    QTest::newRow("ZZ") << "ZZ" << 0;
    QTest::newRow("05") << "05" << 5;
    QTest::newRow("80") << "80" << 128;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("only two read") << "123" << 0x12;
}

void CommandSetTest::hexPair() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(::hexPair(text), value);
}

void CommandSetTest::modeReply_data() {
    QTest::addColumn<QString>("block");
    QTest::addColumn<bool>("normalMode");
    QTest::addColumn<QString>("activeAxes");  // one "1" per active axis 0 to 7
    QTest::addColumn<int>("functionMode");
    QTest::newRow("normal, axis 3") << "N00010000\r\n" << true << "00010000" << 0;
    QTest::newRow("normal, short") << "N1" << true << "10000000" << 0;
    QTest::newRow("function 5") << "F5\r\n" << false << "00000000" << 5;
    QTest::newRow("function, no digit") << "F\r\n" << false << "00000000" << 0;
    QTest::newRow("function, letter") << "FZ" << false << "00000000" << 0;
    QTest::newRow("flags ignored") << "X1111\r\n" << false << "00000000" << 1;
    QTest::newRow("empty") << "" << false << "00000000" << 0;
}

void CommandSetTest::modeReply() {
    QFETCH(QString, block);
    QFETCH(bool, normalMode);
    QFETCH(QString, activeAxes);
    QFETCH(int, functionMode);
    const ModeReply reply = readModeReply(block);
    QCOMPARE(reply.normalMode, normalMode);
    QString axes;
    for (bool active : reply.axisActive) {
        axes += QLatin1Char(active ? '1' : '0');
    }
    QCOMPARE(axes, activeAxes);
    QCOMPARE(reply.functionMode, functionMode);
}

void CommandSetTest::limitSwitchReply() {
    const LimitSwitchReply reply = readLimitSwitchReply(QStringLiteral("LS?H:05/00/00/80\r\n"));
    QCOMPARE(reply.clockwise, 0x05);
    QCOMPARE(reply.counterClockwise, 0x80);
    QCOMPARE(reply.speed, QLatin1Char('H'));
    QCOMPARE(speedLetter(QStringLiteral("SPDM\r\n")), QLatin1Char('M'));

    const LimitSwitchReply shortReply = readLimitSwitchReply(QStringLiteral("LS?\r\n"));
    QCOMPARE(shortReply.clockwise, 0);
    QCOMPARE(shortReply.counterClockwise, 0);
    QCOMPARE(shortReply.speed, QLatin1Char('\r'));
}

void CommandSetTest::firmwareText_data() {
    QTest::addColumn<QString>("block");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("text");
    QTest::newRow("4 characters") << "V1\r\n" << false << "";
    QTest::newRow("5 characters") << "ABC\r\n" << true << "ABC\r\n";
    QTest::newRow("long") << "QUVEN-01 V1.23 2001\r\n" << true << "QUVEN-01 V1.2";
}

void CommandSetTest::firmwareText() {
    QFETCH(QString, block);
    QFETCH(bool, shown);
    QFETCH(QString, text);
    const std::optional<QString> firmware = ::firmwareText(block);
    QCOMPARE(firmware.has_value(), shown);
    QCOMPARE(firmware.value_or(QString()), text);
}

void CommandSetTest::tableReplies() {
    const SpeedFields speeds = readSpeedFields(QStringLiteral("NSPD2:01000/00500/00100/05\r\n"));
    QCOMPARE(speeds.hspd, QStringLiteral("01000"));
    QCOMPARE(speeds.mspd, QStringLiteral("00500"));
    QCOMPARE(speeds.lspd, QStringLiteral("00100"));
    QCOMPARE(speeds.rate, QStringLiteral("05"));
    const SpeedFields cut = readSpeedFields(QStringLiteral("NSPD2:010"));
    QCOMPARE(cut.hspd, QStringLiteral("010"));
    QVERIFY(cut.mspd.isEmpty() && cut.lspd.isEmpty() && cut.rate.isEmpty());

    QCOMPARE(switchBlockText(QStringLiteral("NSET0S122\r\n"), 0), QStringLiteral("S122"));
    QCOMPARE(switchBlockText(QStringLiteral("FSET1T10000200\r\n"), 9), QStringLiteral("T10000200"));
    QCOMPARE(switchBlockText(QStringLiteral("FSET1T10000200\r\n"), 7), QStringLiteral("T100"));
    QCOMPARE(switchBlockText(QStringLiteral("NSET0"), 0), QString());

    QCOMPARE(limitStopActionLetter(QStringLiteral("LSEA\r\n")), QLatin1Char('E'));
    QCOMPARE(limitStopScopeLetter(QStringLiteral("LSEA\r\n")), QLatin1Char('A'));
    QCOMPARE(limitStopScopeLetter(QStringLiteral("LS")), QChar());

    QCOMPARE(positionText(QStringLiteral("OK\r\n")), QStringLiteral("OK\r\n"));
    const QString latin1 = QString::fromLatin1(
        "+\xFF"
        "0012345\r\n");
    QCOMPARE(counterText(latin1), QString::fromLatin1("+\xFF"
                                                      "001234"));
    QCOMPARE(charAt(latin1, 2).unicode(), char16_t(0xFF));
}

void CommandSetTest::serviceRequest_data() {
    QTest::addColumn<QString>("block");
    QTest::addColumn<bool>("isNotice");
    QTest::addColumn<QString>("notice");
    QTest::newRow("at the start") << "SRQ01\r\n" << true << "SRQ01 received !";
    QTest::newRow("in the middle") << "xxSRQ" << true << "xxSRQ received !";
    QTest::newRow("shorter than five") << "SRQ" << true << "SRQ received !";
    QTest::newRow("lower case") << "srq01\r\n" << false << "srq01 received !";
}

void CommandSetTest::serviceRequest() {
    QFETCH(QString, block);
    QFETCH(bool, isNotice);
    QFETCH(QString, notice);
    QCOMPARE(isServiceRequest(block), isNotice);
    QCOMPARE(serviceRequestNotice(block), notice);
}

void CommandSetTest::lineNoise_data() {
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("plain answer") << QByteArray("+0000001\r\n") << QByteArray("+0000001\r\n");
    QTest::newRow("a lone line feed") << QByteArray("\n") << QByteArray("\n");
    QTest::newRow("tab and blanks are plain")
        << QByteArray("LS M\t05\r\n") << QByteArray("LS M\t05\r\n");
    QTest::newRow("noise in front")
        << QByteArray("\x01\xfe\x80\r\nSPDH\r\n") << QByteArray("SPDH\r\n");
    QTest::newRow("noise behind stays")
        << QByteArray("SPDH\r\n\xff\r\n") << QByteArray("SPDH\r\n\xff\r\n");
    // Nothing plain behind it: an answer with odd bytes, which must end the wait.
    QTest::newRow("odd bytes alone")
        << QByteArray("\x00\x1b[2J\r\n", 7) << QByteArray("\x00\x1b[2J\r\n", 7);
    QTest::newRow("an odd byte within the line") << QByteArray(
                                                        "+00\xb5"
                                                        "00000\r\n")
                                                 << QByteArray(
                                                        "+00\xb5"
                                                        "00000\r\n");
    QTest::newRow("noise in front of an odd answer")
        << QByteArray("\x01\xfe\r\nVER\x7f\r\n") << QByteArray("VER\x7f\r\n");
}

void CommandSetTest::lineNoise() {
    QFETCH(QByteArray, block);
    QFETCH(QByteArray, answer);
    QCOMPARE(withoutLeadingNoise(QString::fromLatin1(block)).toLatin1(), answer);
}

void CommandSetTest::shownValues() {
    // Odd bytes are made visible; a one-line value stops at its line end.
    QCOMPARE(visibleText(QString::fromLatin1("A\x00\x7f\x1b\xb5\tB\r\n", 9)),
             QString::fromLatin1("A\\x00\\x7F\\x1B\xb5\tB\r\n"));
    QCOMPARE(oneLineValue(QStringLiteral("OK\r\n")), QStringLiteral("OK"));
    QCOMPARE(oneLineValue(QStringLiteral("12\n34")), QStringLiteral("12"));
    QCOMPARE(oneLineValue(QString::fromLatin1("+0\x00\r", 4)), QStringLiteral("+0\\x00"));
}

QTEST_APPLESS_MAIN(CommandSetTest)
#include "tst_command_set.moc"
