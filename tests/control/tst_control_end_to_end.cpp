// SPDX-License-Identifier: Apache-2.0
#include <QtTest>
#include <functional>
#include <memory>

#include "SimConsole.h"

using namespace quven;

// The real console logic against the simulator over a real socket on 127.0.0.1, connected
// through the connect dialog's logic. The poll ticks are called by the test, each one after the
// previous reply was shown, so nothing depends on the timer's pace.
class ControlEndToEndTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void pollsJogsAndScansIntoALimit();

  private:
    // One tick, then the wait for its reply (if it asked for one).
    bool pollOnce();
    // Polls until the condition holds or the time is up.
    bool pollUntil(const std::function<bool()>& condition, int timeoutMs = 10000);

    std::unique_ptr<SimConsole> bench_;
    QByteArrayList received_;
};

void ControlEndToEndTest::initTestCase() {
    bench_ = std::make_unique<SimConsole>(IntervalTimer::Mode::Manual);
    connect(&bench_->server, &sim::SimServer::lineHandled, this,
            [this](const QByteArray& line) { received_.append(line); });
}

void ControlEndToEndTest::cleanupTestCase() {
    bench_.reset();  // back in the working folder it came from
}

bool ControlEndToEndTest::pollOnce() {
    bench_->console.poll.Timer2_Timer();
    return QTest::qWaitFor([this] { return !bench_->console.module.ReplyPending; }, 5000);
}

bool ControlEndToEndTest::pollUntil(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs || !pollOnce()) {
            return false;
        }
    }
    return true;
}

void ControlEndToEndTest::pollsJogsAndScansIntoALimit() {
    Console& c = bench_->console;
    QVERIFY(bench_->connectConsole());
    QTRY_COMPARE(bench_->transport.state(), QAbstractSocket::ConnectedState);

    // The firmware first, then the counter, the mode, the speed range and the lamps.
    QVERIFY(pollOnce());
    QCOMPARE(received_, QByteArrayList{"VER?"});
    QCOMPARE(c.panel.firmwareText(), QStringLiteral("Firmware Version  QUVEN01 V1.20"));
    for (int i = 0; i < 4; ++i) {
        QVERIFY(pollOnce());
    }
    QCOMPARE(received_, (QByteArrayList{"VER?", "CNT?", "MODE?", "SPD?", "LS?"}));
    QCOMPARE(c.panel.counterText(), QStringLiteral("+0000000"));
    QVERIFY(c.panel.keyLit(PanelState::kNormalKey));
    QVERIFY(c.panel.keyLit(0));
    QVERIFY(!c.panel.keyLit(1));
    QCOMPARE(c.panel.modeText(), QStringLiteral("NORMAL  Axis 0"));
    QCOMPARE(c.panel.speedOption(), int(PanelState::SpeedM));

    // A jog moves axis 0 by one pulse; the next counter query shows it.
    c.commands.Command6_Click();
    QVERIFY(pollUntil([&] { return c.panel.counterText() == QLatin1String("+0000001"); }));
    QVERIFY(received_.contains("+J"));
    QVERIFY(received_.contains("NCNT0?"));

    // A scan at high speed runs into the clockwise limit, whose lamp turns red.
    bench_->model.execute("NSPD0:99999/02000/00500/05");
    c.commands.Option2_Click(PanelState::SpeedH);
    c.commands.setModeOption(OperatorCommands::PlusScan);
    c.commands.Ctr_Click(OperatorCommands::Start);
    QVERIFY(pollUntil([&] { return c.panel.lampOn(0); }));
    QVERIFY(received_.contains("+G"));
    QVERIFY(pollUntil([&] { return c.panel.counterText() == QLatin1String("+0100000"); }));
    for (int lamp = 1; lamp < PanelState::kLampCount; ++lamp) {
        QVERIFY(!c.panel.lampOn(lamp));
    }
    QCOMPARE(c.panel.speedOption(), int(PanelState::SpeedH));

    // A typed command's reply reaches the receive display.
    c.manualLine.setText(QStringLiteral("NSPD0?\r\n"), 8);
    QVERIFY(pollUntil([&] {
        return c.receiveDisplay.text() == QLatin1String("NSPD0:99999/02000/00500/05\r\n");
    }));
    QVERIFY(bench_->messages.shown.isEmpty());
}

QTEST_GUILESS_MAIN(ControlEndToEndTest)
#include "tst_control_end_to_end.moc"
