// SPDX-License-Identifier: Apache-2.0
#include <QtTest>

#include "ConsoleFixture.h"

using namespace quven;

namespace {

struct CommandsFixture : ConsoleFixture {
    CommandsFixture() : ConsoleFixture(Readers::Console) {
        markConnected(*this);
        console.module.ReplyPending = true;  // a poll reply is outstanding
    }
    OperatorCommands& commands() { return console.commands; }
};

}  // namespace

// The control screen's buttons: what goes out at once, what waits for the tick, and the set
// value they carry.
class OperatorCommandsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void immediateCommandsGoOutAtOnce();
    void requestsWaitForTheTick();
    void formatSetData_data();
    void formatSetData();
    void commandWithoutSessionIsTold();
};

void OperatorCommandsTest::immediateCommandsGoOutAtOnce() {
    CommandsFixture f;
    f.commands().Command6_Click();
    f.commands().Command7_Click();
    f.commands().Option2_Click(PanelState::SpeedH);
    f.commands().Option2_Click(PanelState::SpeedL);
    QCOMPARE(f.console.panel.speedOption(), int(PanelState::SpeedL));
    f.commands().Option2_Click(PanelState::SpeedM);
    // "Start" with "+SCN", then "Stop" before the tick: no scan follows the stop.
    f.commands().setModeOption(OperatorCommands::PlusScan);
    f.commands().Ctr_Click(OperatorCommands::Start);
    QCOMPARE(f.m().ScanRequest, 1);
    f.commands().Ctr_Click(OperatorCommands::Stop);
    QCOMPARE(f.m().ScanRequest, 0);
    QCOMPARE(f.transport.sent,
             (QByteArrayList{"+J\r\n", "-J\r\n", "SPDH\r\n", "SPDL\r\n", "SPDM\r\n", "STOPS\r\n"}));
    f.console.poll.Timer2_Timer();
    QCOMPARE(f.transport.sent.size(), 6);

    f.console.receiveDisplay.setText(QStringLiteral("SRQ01 received !"));
    f.commands().Command2_Click();
    QVERIFY(f.console.receiveDisplay.text().isEmpty());
}

void OperatorCommandsTest::requestsWaitForTheTick() {
    CommandsFixture f;
    // The last press wins: "RES" then "Preset" gives one preset, to the set data.
    f.commands().Ctr_Click(OperatorCommands::Res);
    f.commands().Ctr_Click(OperatorCommands::Preset);
    QVERIFY(f.transport.sent.isEmpty());
    f.console.poll.Timer2_Timer();
    QCOMPARE(f.transport.sent, QByteArrayList{"PRS-0012345\r\n"});
    f.commands().Ctr_Click(OperatorCommands::Preset);
    f.commands().Ctr_Click(OperatorCommands::Res);
    f.console.poll.Timer2_Timer();
    QCOMPARE(f.transport.sent.last(), QByteArray("PRS+0000000\r\n"));

    // "Start" by the mode selected: "REL" at start, with the set data shown at start.
    f.commands().Ctr_Click(OperatorCommands::Start);
    QVERIFY(f.m().RelRequest);
    f.console.poll.Timer2_Timer();
    QCOMPARE(f.transport.sent.last(), QByteArray("REL-0012345\r\n"));
    f.commands().setModeOption(OperatorCommands::Abs);
    f.commands().setSetDataText(QStringLiteral("12345"));
    f.commands().Ctr_Click(OperatorCommands::Start);
    f.commands().setModeOption(OperatorCommands::MinusScan);
    f.commands().Ctr_Click(OperatorCommands::Start);
    // "Stop" clears only the scan.
    f.commands().Command3_Click(4);
    f.commands().Ctr_Click(OperatorCommands::Stop);
    QVERIFY(f.m().AbsRequest);
    QCOMPARE(f.m().KeyRequest, 5);
    QCOMPARE(f.m().LastKeyIndex, 4);
    QCOMPARE(f.m().ScanRequest, 0);
    f.console.poll.Timer2_Timer();
    QCOMPARE(f.transport.sent.last(), QByteArray("ABS+0012345\r\n"));
}

void OperatorCommandsTest::formatSetData_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("value");

    QTest::newRow("at start") << "-0012345"
                              << "-0012345";
    QTest::newRow("positive") << "12345"
                              << "+0012345";
    QTest::newRow("negative") << "-50"
                              << "-0000050";
    QTest::newRow("zero") << "0"
                          << "+0000000";
    QTest::newRow("eight digits kept") << "12345678"
                                       << "+12345678";
    QTest::newRow("half away from zero") << "12.5"
                                         << "+0000013";
    QTest::newRow("negative half") << "-12.5"
                                   << "-0000013";
    QTest::newRow("rounds to zero") << "-0.4"
                                    << "+0000000";
    QTest::newRow("blanks inside") << " 1 2 "
                                   << "+0000012";
    QTest::newRow("empty box") << ""
                               << "+0000000";
    QTest::newRow("letters only") << "abc"
                                  << "+0000000";
    QTest::newRow("trailing letters") << "12abc"
                                      << "+0000012";
    QTest::newRow("two signs") << "--5"
                               << "+0000000";
    QTest::newRow("exponent") << "1.5E3"
                              << "+0001500";
}

void OperatorCommandsTest::formatSetData() {
    QFETCH(QString, text);
    QFETCH(QString, value);
    CommandsFixture f;
    f.commands().setSetDataText(text);
    QCOMPARE(f.commands().FormatSetData(), value);
}

void OperatorCommandsTest::commandWithoutSessionIsTold() {
    ConsoleFixture f(ConsoleFixture::Readers::Console);
    f.console.commands.Command6_Click();
    QCOMPARE(f.messages.shown,
             QList<Message>{(Message{QStringLiteral("Not connected !"), QStringLiteral("QUVEN"),
                                     MessageIcon::None})});
    QVERIFY(f.transport.sent.isEmpty());
    QVERIFY(!f.console.module.Connected);
    QCOMPARE(f.console.sessionControls.connectCaption(), QStringLiteral("Connect"));
    QCOMPARE(f.console.module.ScanRequest, 0);
    QCOMPARE(f.console.module.KeyRequest, 0);
}

QTEST_GUILESS_MAIN(OperatorCommandsTest)
#include "tst_operator_commands.moc"
