// SPDX-License-Identifier: Apache-2.0
#include <QtTest>

#include "ConsoleFixture.h"

using namespace quven;

namespace {

// The console's own readers on a recording transport, with a session open as the connect
// sequence leaves it.
struct PollFixture : ConsoleFixture {
    PollFixture() : ConsoleFixture(Readers::Console) { openSession(*this); }

    // One tick; returns the lines it sent.
    QByteArrayList tick() {
        return transport.sentDuring([this] { console.poll.Timer2_Timer(); });
    }

    // One tick that sends a query, then the controller's answer to it.
    QByteArray ask(const QByteArray& reply) {
        const QByteArrayList sent = tick();
        transport.arrive(reply);
        return sent.value(0);
    }

    PanelState& panel() { return console.panel; }

    QList<bool> keys() const {
        QList<bool> lit;
        for (int key = 0; key < PanelState::kKeyCount; ++key) {
            lit.append(console.panel.keyLit(key));
        }
        return lit;
    }
};

}  // namespace

// The status poll: what each tick sends, in which order, and how each reply is shown.
class PollCycleTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void firstConnectionRunsTheWholeCycle();
    void shortFirmwareReplyIsAskedAgain();
    void modeReplies_data();
    void modeReplies();
    void limitSwitchAndSpeedReplies();
    void timeOutRepeatsTheQuery();
    void bypassRequestsGoFirstAndAlone();
    void keypadTakesTheQuerySlot();
    void manualCommandInterruptsTheCycle();
    void failedSendGivesOneMessage();
};

void PollCycleTest::firstConnectionRunsTheWholeCycle() {
    PollFixture f;
    QCOMPARE(f.ask("QUVEN01 V1.20\r\n"), QByteArray("VER?\r\n"));
    QCOMPARE(f.panel().firmwareText(), QStringLiteral("Firmware Version  QUVEN01 V1.20"));
    QCOMPARE(f.m().PollState, pollstate::Counter);
    QVERIFY(!f.m().ReplyPending);

    // Before any mode reply the counter query is the plain one.
    QCOMPARE(f.ask("+0012345\r\n"), QByteArray("CNT?\r\n"));
    QCOMPARE(f.panel().counterText(), QStringLiteral("+0012345"));
    f.m().LastKeyIndex = 3;
    QCOMPARE(f.ask("N00010000\r\n"), QByteArray("MODE?\r\n"));
    QCOMPARE(f.ask("SPDH\r\n"), QByteArray("SPD?\r\n"));
    QCOMPARE(f.panel().speedOption(), int(PanelState::SpeedH));
    QCOMPARE(f.ask("LS L 05 CCWLS 80\r\n"), QByteArray("LS?\r\n"));
    QCOMPARE(f.panel().speedOption(), int(PanelState::SpeedL));
    // The mode reply chose axis 3, so the cycle starts again with its counter.
    QCOMPARE(f.ask("-0000050\r\n"), QByteArray("NCNT3?\r\n"));
    QCOMPARE(f.panel().counterText(), QStringLiteral("-0000050"));
    QCOMPARE(f.tick(), QByteArrayList{"MODE?\r\n"});
    // Nothing more goes out while the reply is awaited.
    QCOMPARE(f.tick(), QByteArrayList{});
    QCOMPARE(f.transport.sent.size(), 7);

    // A disconnect keeps every display as it was.
    f.console.session.Connect_Click();
    QCOMPARE(f.panel().counterText(), QStringLiteral("-0000050"));
    QCOMPARE(f.panel().firmwareText(), QStringLiteral("Firmware Version  QUVEN01 V1.20"));
    QVERIFY(f.panel().lampOn(0));
    QVERIFY(f.panel().keyLit(3));
    QCOMPARE(f.tick(), QByteArrayList{});
}

void PollCycleTest::shortFirmwareReplyIsAskedAgain() {
    PollFixture f;
    f.ask("V1\r\n");  // four characters: ignored
    QCOMPARE(f.panel().firmwareText(), QStringLiteral("Firmware version"));
    QCOMPARE(f.m().PollState, pollstate::Firmware);
    QVERIFY(!f.m().ReplyPending);
    // Five characters are enough; the one-line label shows them without the line end.
    QCOMPARE(f.ask("V1.\r\n"), QByteArray("VER?\r\n"));
    QCOMPARE(f.panel().firmwareText(), QStringLiteral("Firmware Version  V1."));
    QCOMPARE(f.m().PollState, pollstate::Counter);
}

void PollCycleTest::modeReplies_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("lastKey");
    QTest::addColumn<QString>("modeText");
    QTest::addColumn<int>("displayAxis");
    QTest::addColumn<QString>("litKeys");  // keys 0-9, "1" lit
    QTest::addColumn<QByteArray>("nextCounterQuery");

    // The display names the axis from before the reply; the next one names axis 3.
    QTest::newRow("normal, axis chosen last is active")
        << QByteArray("N00010000\r\n") << 3 << "NORMAL  Axis 0" << 3 << "0001000001"
        << QByteArray("NCNT3?\r\n");
    QTest::newRow("normal, a mode key pressed last")
        << QByteArray("N01010000\r\n") << 9 << "NORMAL  Axis 0" << 0 << "0101000001"
        << QByteArray("NCNT0?\r\n");
    QTest::newRow("normal, axis chosen last is not active")
        << QByteArray("N10000000\r\n") << 5 << "NORMAL  Axis 0" << 0 << "1000000001"
        << QByteArray("NCNT0?\r\n");
    QTest::newRow("normal, short reply: missing flags are off")
        << QByteArray("N1\r\n") << 0 << "NORMAL  Axis 0" << 0 << "1000000001"
        << QByteArray("NCNT0?\r\n");
    QTest::newRow("function mode 5") << QByteArray("F5\r\n") << 0 << "FUNCTION  Mode 5" << 0
                                     << "0000010010" << QByteArray("CNT?\r\n");
    QTest::newRow("function mode 9 lights no axis") << QByteArray("F9\r\n") << 0 << "NORMAL CTRL"
                                                    << 0 << "0000000010" << QByteArray("CNT?\r\n");
    QTest::newRow("function mode not a digit reads 0")
        << QByteArray("FX\r\n") << 0 << "FUNCTION  Mode 0" << 0 << "1000000010"
        << QByteArray("CNT?\r\n");
}

void PollCycleTest::modeReplies() {
    QFETCH(QByteArray, reply);
    QFETCH(int, lastKey);
    QFETCH(QString, modeText);
    QFETCH(int, displayAxis);
    QFETCH(QString, litKeys);
    QFETCH(QByteArray, nextCounterQuery);

    PollFixture f;
    f.m().PollState = pollstate::Mode;
    f.m().LastKeyIndex = lastKey;
    f.ask(reply);

    QCOMPARE(f.panel().modeText(), modeText);
    QCOMPARE(f.m().DisplayAxis, displayAxis);
    QList<bool> expected;
    for (QChar c : litKeys) {
        expected.append(c == QLatin1Char('1'));
    }
    QCOMPARE(f.keys(), expected);
    QCOMPARE(f.m().PollState, pollstate::SpeedRange);
    f.m().PollState = pollstate::Counter;
    QCOMPARE(f.tick(), QByteArrayList{nextCounterQuery});
}

void PollCycleTest::limitSwitchAndSpeedReplies() {
    PollFixture f;
    f.m().PollState = pollstate::LimitSwitches;
    f.ask("LS M 05 CCWLS 80\r\n");
    for (int lamp = 0; lamp < PanelState::kLampCount; ++lamp) {
        QCOMPARE(f.panel().lampOn(lamp), lamp == 0 || lamp == 2 || lamp == 31);
    }
    QCOMPARE(f.m().PollState, pollstate::Counter);

    // Not hexadecimal: the whole row goes white. "F " reads as 15.
    f.m().PollState = pollstate::LimitSwitches;
    f.ask("LS H ZZ CCWLS F \r\n");
    for (int axis = 0; axis < 8; ++axis) {
        QVERIFY(!f.panel().lampOn(axis));
        QCOMPARE(f.panel().lampOn(24 + axis), axis < 4);
    }
    QCOMPARE(f.panel().speedOption(), int(PanelState::SpeedH));

    // A short speed reply selects nothing, and the cycle still goes on.
    f.m().PollState = pollstate::SpeedRange;
    f.ask("SP\r\n");
    QCOMPARE(f.panel().speedOption(), int(PanelState::SpeedH));
    QCOMPARE(f.m().PollState, pollstate::LimitSwitches);
    f.m().PollState = pollstate::SpeedRange;
    f.ask("SPDx\r\n");
    QCOMPARE(f.panel().speedOption(), int(PanelState::SpeedH));

    // Showing the reported range is not the operator's choice: no "SPD" command goes out.
    for (const QByteArray& sent : f.transport.sent) {
        QVERIFY2(!sent.startsWith("SPD") || sent == "SPD?\r\n", sent.constData());
    }
}

void PollCycleTest::timeOutRepeatsTheQuery() {
    PollFixture f;
    f.m().PollState = pollstate::Mode;
    QCOMPARE(f.tick(), QByteArrayList{"MODE?\r\n"});
    QCOMPARE(f.tick(), QByteArrayList{});
    QCOMPARE(f.tick(), QByteArrayList{});
    // The third tick after the query drops the wait and asks again, then every fourth.
    QCOMPARE(f.tick(), QByteArrayList{"MODE?\r\n"});
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(f.tick(), QByteArrayList{});
    }
    QCOMPARE(f.tick(), QByteArrayList{"MODE?\r\n"});

    // An "SRQ" notice does not end the wait; line noise in front of the answer does not hide it.
    f.transport.arrive("SRQ01\r\n");
    QVERIFY(f.m().ReplyPending);
    QCOMPARE(f.console.receiveDisplay.text(), QStringLiteral("SRQ01 received !"));
    QCOMPARE(f.m().PollState, pollstate::Mode);
    f.transport.arrive("\x01\xfe\x1b\r\nN10000000\r\n");
    QVERIFY(!f.m().ReplyPending);
    QCOMPARE(f.m().PollState, pollstate::SpeedRange);
    QCOMPARE(f.panel().modeText(), QStringLiteral("NORMAL  Axis 0"));

    // A manual line that is not answered is not sent again: polling resumes at the counter.
    f.console.manualLine.setText(QStringLiteral("FOO"), 3);
    f.m().ManualCommandPending = true;
    f.m().ReplyPending = false;
    QCOMPARE(f.tick(), QByteArrayList{"FOO\r\n"});
    QCOMPARE(f.m().PollState, pollstate::Manual);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(f.tick(), QByteArrayList{});
    }
    QCOMPARE(f.tick(), QByteArrayList{"NCNT0?\r\n"});
    QCOMPARE(f.m().PollState, pollstate::Counter);
}

void PollCycleTest::bypassRequestsGoFirstAndAlone() {
    PollFixture f;
    f.m().Connected = false;
    // Requests made without a session wait for the first tick of the next one.
    f.console.commands.setSetDataText(QStringLiteral("12.5"));
    f.m().PresetRequest = 2;
    f.m().RelRequest = true;
    f.m().AbsRequest = true;
    f.m().ScanRequest = 2;
    QCOMPARE(f.tick(), QByteArrayList{});
    f.m().Connected = true;
    f.m().ReplyPending = true;
    f.m().ReplyWaitTicks = 0;

    QCOMPARE(f.tick(), QByteArrayList{"PRS+0000013\r\n"});
    QCOMPARE(f.tick(), QByteArrayList{"REL+0000013\r\n"});
    QCOMPARE(f.tick(), QByteArrayList{"ABS+0000013\r\n"});
    // Those ticks did not count towards the time-out; the scan tick does, and goes on.
    QCOMPARE(f.m().ReplyWaitTicks, 0);
    QCOMPARE(f.tick(), QByteArrayList{"-G\r\n"});
    QCOMPARE(f.m().ReplyWaitTicks, 1);
    f.m().ReplyPending = false;
    f.m().ScanRequest = 1;
    QCOMPARE(f.tick(), (QByteArrayList{"+G\r\n", "VER?\r\n"}));
    QCOMPARE(f.m().ScanRequest, 0);
    QCOMPARE(f.m().PresetRequest, 0);
    QVERIFY(!f.m().RelRequest);
    QVERIFY(!f.m().AbsRequest);
}

void PollCycleTest::keypadTakesTheQuerySlot() {
    PollFixture f;
    f.m().PollState = pollstate::Mode;
    f.ask("N10000000\r\n");  // "9:N" lit, key 0 lit

    f.console.commands.Command3_Click(3);
    QCOMPARE(f.tick(), QByteArrayList{"N3S\r\n"});
    QVERIFY(f.m().ReplyPending);
    QCOMPARE(f.m().KeyRequest, 0);
    f.console.commands.Command3_Click(0);
    // The keypad waits for the outstanding reply (or its time-out).
    QCOMPARE(f.tick(), QByteArrayList{});
    f.transport.arrive("SPDL\r\n");  // taken as the reply to the current query, the speed
    QCOMPARE(f.panel().speedOption(), int(PanelState::SpeedL));
    f.m().PollState = pollstate::Mode;
    QCOMPARE(f.tick(), QByteArrayList{"N0R\r\n"});
    // The block that ends the keypad command's wait is read as the mode reply.
    f.transport.arrive("F5\r\n");
    QCOMPARE(f.panel().modeText(), QStringLiteral("FUNCTION  Mode 5"));
    QCOMPARE(f.m().PollState, pollstate::SpeedRange);

    f.console.commands.Command3_Click(5);
    QCOMPARE(f.tick(), QByteArrayList{"F5\r\n"});
    f.m().ReplyPending = false;
    f.console.commands.Command3_Click(PanelState::kNormalKey);
    QCOMPARE(f.tick(), QByteArrayList{"NX\r\n"});
    f.m().ReplyPending = false;
    f.console.commands.Command3_Click(PanelState::kFunctionKey);
    QCOMPARE(f.tick(), QByteArrayList{"FX\r\n"});

    // Before any mode reply no mode key is lit: an axis key sends nothing but takes the slot.
    PollFixture fresh;
    fresh.console.commands.Command3_Click(2);
    QCOMPARE(fresh.tick(), QByteArrayList{});
    QVERIFY(fresh.m().ReplyPending);
    QCOMPARE(fresh.m().KeyRequest, 0);
}

void PollCycleTest::manualCommandInterruptsTheCycle() {
    PollFixture f;
    f.m().PollState = pollstate::LimitSwitches;
    f.console.manualLine.setText(QStringLiteral("NSPD2?\r\n"), 8);
    QVERIFY(f.m().ManualCommandPending);
    f.console.commands.Command3_Click(PanelState::kNormalKey);
    // The manual line goes before the keypad and the poll; a table query is a manual reply.
    QCOMPARE(f.ask("NSPD2:01000/00500/\r\n00100/05\r\n"), QByteArray("NSPD2?\r\n"));
    QCOMPARE(f.console.receiveDisplay.text(), QStringLiteral("NSPD2:01000/00500/\r\n00100/05\r\n"));
    QCOMPARE(f.m().PollState, pollstate::Counter);
    QVERIFY(!f.m().ManualCommandPending);
    QCOMPARE(f.tick(), QByteArrayList{"NX\r\n"});
    // A manual command's answer is shown whatever bytes it holds, control bytes made visible.
    f.m().ManualCommandPending = true;
    f.m().ReplyPending = false;
    f.tick();
    f.transport.arrive(QByteArray("\x00\xb5\r\n", 4));
    QCOMPARE(f.console.receiveDisplay.text(), QString::fromLatin1("\\x00\xb5\r\n"));
    // The text stays in the box: sending it again is one more Enter away.
    QCOMPARE(f.console.manualLine.text(), QStringLiteral("NSPD2?"));
}

void PollCycleTest::failedSendGivesOneMessage() {
    PollFixture f;
    f.transport.connected = false;  // the connection was lost
    f.m().PresetRequest = 1;
    f.m().ManualCommandPending = true;
    int ticksWhileOpen = 0;
    f.messages.whileShown = [&](const Message&) {
        // The modal box's event loop keeps the timer ticking.
        for (int i = 0; i < 5; ++i) {
            f.console.poll.Timer2_Timer();
            ++ticksWhileOpen;
        }
    };
    f.tick();
    QCOMPARE(ticksWhileOpen, 5);
    QCOMPARE(f.messages.texts(), QStringList{"Not connected !"});
    QVERIFY(!f.m().Connected);
    QCOMPARE(f.console.Timer2.interval(), 0);
    // What the ticks inside the box would have sent is still waiting for the next session.
    QVERIFY(f.m().ManualCommandPending);
    QCOMPARE(f.console.sessionControls.connectCaption(), QStringLiteral("Connect"));
}

QTEST_GUILESS_MAIN(PollCycleTest)
#include "tst_poll_cycle.moc"
