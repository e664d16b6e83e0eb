// SPDX-License-Identifier: Apache-2.0
#include <QtTest>

#include "core/CommandSet.h"
#include "sim/ControllerModel.h"

using namespace quven;
using sim::ControllerModel;

namespace {

// The answer to a query as the console receives it: the answer line and its line end.
QString ask(ControllerModel& model, const QString& line) {
    const ControllerModel::Outcome outcome = model.execute(line.toLatin1());
    return outcome.answer ? QString::fromLatin1(*outcome.answer) + QStringLiteral("\r\n")
                          : QStringLiteral("<none>");
}

// What the controller answers about its tables and its mode.
QString settings(ControllerModel& model) {
    QString answers;
    for (const char* query : {"NSPD0?", "FSPD1?", "NSET0?", "FSET0?", "SLS?", "MODE?"}) {
        answers += ask(model, QLatin1String(query));
    }
    return answers;
}

// Sends a complete command line built by the console's own command set.
ControllerModel::Outcome send(ControllerModel& model, const QString& commandLine) {
    return model.execute(commandLine.chopped(2).toLatin1());
}

}  // namespace

// The simulated controller answers in exactly the layouts the console reads: every test reads
// the answers with the console's own readers and builds the commands with its own builders.
class ControllerModelTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void answersPollQueriesWhereTheConsoleReads();
    void keypadChangesModeAndAxes();
    void tableRoundTripsThroughSetAndQuery();
    void motionFollowsTheClock();
    void limitSwitchesCloseAtTheEndOfTravel();
    void functionModeDrivesItsAxes();
    void badInputChangesNothing_data();
    void badInputChangesNothing();
};

void ControllerModelTest::answersPollQueriesWhereTheConsoleReads() {
    ControllerModel model;
    QVERIFY(ask(model, "VER?").size() >= 13 + 2);
    QCOMPARE(*commands::firmwareText(ask(model, "VER?")), QStringLiteral("QUVEN01 V1.20"));
    QCOMPARE(commands::counterText(ask(model, "CNT?")), QStringLiteral("+0000000"));
    QCOMPARE(ask(model, "NCNT3?"), QStringLiteral("+0000000\r\n"));

    const commands::ModeReply mode = commands::readModeReply(ask(model, "MODE?"));
    QVERIFY(mode.normalMode);
    QVERIFY(mode.axisActive[0]);
    QVERIFY(!mode.axisActive[1]);

    QCOMPARE(commands::speedLetter(ask(model, "SPD?")), QLatin1Char('M'));
    QVERIFY(!send(model, commands::speedRange(QLatin1Char('L'))).answer);
    QCOMPARE(commands::speedLetter(ask(model, "SPD?")), QLatin1Char('L'));

    const commands::LimitSwitchReply lamps = commands::readLimitSwitchReply(ask(model, "LS?"));
    QCOMPARE(lamps.clockwise, 0);
    QCOMPARE(lamps.counterClockwise, 0);
    QCOMPARE(lamps.speed, QLatin1Char('L'));
}

void ControllerModelTest::keypadChangesModeAndAxes() {
    ControllerModel model;
    // Keypad commands are never answered: the console's wait ends by its time-out.
    QVERIFY(!send(model, commands::axisSelectKey(3)).answer);
    QVERIFY(!send(model, commands::axisReleaseKey(0)).answer);
    QCOMPARE(ask(model, "MODE?"), QStringLiteral("N00010000\r\n"));

    send(model, commands::functionModeSelect(5));
    const commands::ModeReply function = commands::readModeReply(ask(model, "MODE?"));
    QVERIFY(!function.normalMode);
    QCOMPARE(function.functionMode, 5);

    send(model, commands::normalModeKey());
    QCOMPARE(ask(model, "MODE?"), QStringLiteral("N00010000\r\n"));
    send(model, commands::functionModeKey());
    QCOMPARE(ask(model, "MODE?"), QStringLiteral("F5\r\n"));
    // An axis key puts the controller back into normal mode.
    send(model, commands::axisSelectKey(7));
    QCOMPARE(ask(model, "MODE?"), QStringLiteral("N00010001\r\n"));
}

void ControllerModelTest::tableRoundTripsThroughSetAndQuery() {
    ControllerModel model;
    for (int row = 0; row < 16; ++row) {
        const QString h = QString::number(1000 + row);
        const QString m = QString::number(row * 7);
        send(model, commands::speedSet(row, h, m, QStringLiteral("99999"), QString::number(row)));
        const QString block = row < 8 ? QStringLiteral("S122") : QStringLiteral("C01201200");
        QVERIFY(send(model, commands::switchSet(row, block)).understood);
        QVERIFY(send(model, commands::positionSet(row, row % 2 ? QStringLiteral("-0000050")
                                                               : QStringLiteral("+12345678")))
                    .understood);
    }
    QVERIFY(send(model, commands::limitStopSet(QStringLiteral("LSEA"))).understood);

    for (int row = 0; row < 16; ++row) {
        const commands::SpeedFields speeds =
            commands::readSpeedFields(ask(model, commands::speedQuery(row).chopped(2)));
        QCOMPARE(speeds.hspd, QString::number(1000 + row).rightJustified(5, '0'));
        QCOMPARE(speeds.mspd, QString::number(row * 7).rightJustified(5, '0'));
        QCOMPARE(speeds.lspd, QStringLiteral("99999"));
        QCOMPARE(speeds.rate, QString::number(row).rightJustified(2, '0'));
        QCOMPARE(commands::switchBlockText(ask(model, commands::switchQuery(row).chopped(2)), row),
                 row < 8 ? QStringLiteral("S122") : QStringLiteral("C01201200"));
        QCOMPARE(commands::positionText(ask(model, commands::positionQuery(row).chopped(2))),
                 row % 2 ? QStringLiteral("-0000050") : QStringLiteral("+1234567"));
    }
    // Ten million and more keeps all its digits.
    QCOMPARE(ask(model, "NCNT0?"), QStringLiteral("+12345678\r\n"));
    const QString limitStop = ask(model, commands::limitStopQuery().chopped(2));
    QCOMPARE(commands::limitStopActionLetter(limitStop), QLatin1Char('E'));
    QCOMPARE(commands::limitStopScopeLetter(limitStop), QLatin1Char('A'));
    QVERIFY(send(model, commands::limitStopSet(QStringLiteral("LSSS"))).understood);
    QCOMPARE(ask(model, "SLS?"), QStringLiteral("LSSS\r\n"));

    // The position of a normal-mode row is the axis's counter.
    QCOMPARE(model.counter(1), -50);
}

void ControllerModelTest::motionFollowsTheClock() {
    ControllerModel model;  // axis 0 active, range M: 2000 pulses per second
    send(model, commands::relativeMove(QStringLiteral("+0000100")));
    QVERIFY(model.moving());
    model.advance(25);
    QCOMPARE(ask(model, "CNT?"), QStringLiteral("+0000050\r\n"));
    QVERIFY(model.takeNotices().isEmpty());
    model.advance(30);
    QCOMPARE(model.counter(0), 100);
    QVERIFY(!model.moving());
    QCOMPARE(model.takeNotices(), QList<QByteArray>{"SRQ01"});

    send(model, commands::presetTo(QStringLiteral("+0001000")));
    QCOMPARE(model.counter(0), 1000);
    send(model, commands::absoluteMove(QStringLiteral("+0000990")));
    model.advance(1000);
    QCOMPARE(model.counter(0), 990);
    QCOMPARE(model.takeNotices(), QList<QByteArray>{"SRQ01"});

    send(model, commands::jog(true));
    send(model, commands::jog(true));
    send(model, commands::jog(false));
    QCOMPARE(model.counter(0), 991);
    send(model, commands::presetToZero());
    QCOMPARE(ask(model, "CNT?"), QStringLiteral("+0000000\r\n"));

    // A scan runs until it is stopped, and a stopped move sends no notice.
    send(model, commands::scanStart(false));
    model.advance(500);
    QCOMPARE(model.counter(0), -1000);
    send(model, commands::scanStop());
    model.advance(500);
    QCOMPARE(model.counter(0), -1000);
    send(model, commands::speedRange(QLatin1Char('H')));
    send(model, commands::relativeMove(QStringLiteral("+0100000")));
    model.advance(100);
    QCOMPARE(model.counter(0), 0);  // 10000 pulses per second at H
    send(model, commands::scanStop());
    model.advance(100);
    QVERIFY(model.takeNotices().isEmpty());

    // Switched off, nothing is noticed.
    model.setServiceRequests(false);
    send(model, commands::relativeMove(QStringLiteral("+0000010")));
    model.advance(100);
    QCOMPARE(model.counter(0), 10);
    QVERIFY(model.takeNotices().isEmpty());
}

void ControllerModelTest::limitSwitchesCloseAtTheEndOfTravel() {
    ControllerModel model;
    send(model, commands::axisSelectKey(2));  // axes 0 and 2
    send(model, commands::speedRange(QLatin1Char('H')));
    send(model, commands::scanStart(true));
    model.advance(9000);
    QCOMPARE(commands::readLimitSwitchReply(ask(model, "LS?")).clockwise, 0);
    model.advance(2000);
    QVERIFY(!model.moving());
    const commands::LimitSwitchReply lamps = commands::readLimitSwitchReply(ask(model, "LS?"));
    QCOMPARE(lamps.clockwise, 0b101);
    QCOMPARE(lamps.counterClockwise, 0);
    QCOMPARE(model.counter(2), ControllerModel::kTravel);
    QCOMPARE(model.takeNotices(), QList<QByteArray>{"SRQ02"});

    // Jogging further does not pass the end; jogging back opens the switch.
    send(model, commands::jog(true));
    QCOMPARE(model.counter(0), ControllerModel::kTravel);
    send(model, commands::jog(false));
    QCOMPARE(commands::readLimitSwitchReply(ask(model, "LS?")).clockwise, 0);

    // A preset moves the counter, not the axis: the switch still closes at the same place.
    send(model, commands::presetToZero());
    send(model, commands::relativeMove(QStringLiteral("-9999999")));
    model.advance(30000);
    QCOMPARE(commands::readLimitSwitchReply(ask(model, "LS?")).counterClockwise, 0b101);
    QCOMPARE(model.counter(0), -2 * ControllerModel::kTravel + 1);
    QCOMPARE(model.takeNotices(), QList<QByteArray>{"SRQ02"});
}

void ControllerModelTest::functionModeDrivesItsAxes() {
    ControllerModel model;
    // Function mode 1: axis 1 forward, axis 4 reverse.
    send(model, commands::switchSet(9, QStringLiteral("T01002000")));
    send(model, commands::functionModeSelect(1));
    send(model, commands::relativeMove(QStringLiteral("+0000020")));
    model.advance(1000);
    QCOMPARE(model.counter(0), 0);
    QCOMPARE(model.counter(1), 20);
    QCOMPARE(model.counter(4), -20);
    QCOMPARE(ask(model, "CNT?"), QStringLiteral("+0000020\r\n"));
}

void ControllerModelTest::badInputChangesNothing_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("answer");  // "<none>": no answer

    QTest::newRow("empty line") << QByteArray("") << QByteArray("<none>");
    QTest::newRow("unknown query") << QByteArray("FOO?") << QByteArray("ERR");
    QTest::newRow("row digit 8") << QByteArray("NCNT8?") << QByteArray("ERR");
    QTest::newRow("query with trailing text") << QByteArray("MODE?X") << QByteArray("<none>");
    QTest::newRow("lower case") << QByteArray("ver?") << QByteArray("ERR");
    QTest::newRow("unknown action") << QByteArray("HELLO") << QByteArray("<none>");
    QTest::newRow("letters in a speed") << QByteArray("NSPD0:1k/0/0/0") << QByteArray("<none>");
    QTest::newRow("speed of six digits")
        << QByteArray("NSPD0:100000/0/0/0") << QByteArray("<none>");
    QTest::newRow("three speeds") << QByteArray("NSPD0:1/2/3") << QByteArray("<none>");
    QTest::newRow("empty speed") << QByteArray("FSPD1:/0/0/0") << QByteArray("<none>");
    QTest::newRow("unknown drive") << QByteArray("NSET0X000") << QByteArray("<none>");
    QTest::newRow("switch code 3") << QByteArray("NSET0S300") << QByteArray("<none>");
    QTest::newRow("short axis block") << QByteArray("FSET0T1") << QByteArray("<none>");
    QTest::newRow("limit stop letter") << QByteArray("LSXA") << QByteArray("<none>");
    QTest::newRow("move without digits") << QByteArray("REL+") << QByteArray("<none>");
    QTest::newRow("ten digits") << QByteArray("ABS+1234567890") << QByteArray("<none>");
    QTest::newRow("axis key 8") << QByteArray("N8S") << QByteArray("<none>");
    QTest::newRow("binary bytes") << QByteArray("\x00\xff\x1b[2J?", 7) << QByteArray("ERR");
}

void ControllerModelTest::badInputChangesNothing() {
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, answer);

    ControllerModel model;
    const QString tableBefore = settings(model);
    const ControllerModel::Outcome outcome = model.execute(line);
    QCOMPARE(outcome.answer.value_or("<none>"), answer);
    QCOMPARE(outcome.understood, line.isEmpty());
    model.advance(1000);
    QVERIFY(!model.moving());
    QCOMPARE(model.counter(0), 0);
    QCOMPARE(settings(model), tableBefore);
}

QTEST_GUILESS_MAIN(ControllerModelTest)
#include "tst_controller_model.moc"
