// SPDX-License-Identifier: Apache-2.0
#include <QTcpSocket>
#include <QtTest>

#include "FaultBench.h"

using namespace quven;
using sim::SimFaults;

namespace {

const Message kNotConnected{QStringLiteral("Not connected !"), QStringLiteral("QUVEN"),
                            MessageIcon::None};
const QString kFirmware = QStringLiteral("Firmware Version  QUVEN01 V1.20");

}  // namespace

// The control screen's poll against a slow, lossy or misbehaving controller.
class FaultsPollTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void panelFollowsTheController_data();
    void panelFollowsTheController();
    void latencyAboveTheTimeOutRecovers();
    void connectionClosedWhilePolling();
    void refusedConnection();
    void endlessLineStaysBounded();
};

void FaultsPollTest::panelFollowsTheController_data() {
    QTest::addColumn<SimFaults>("faults");
    QTest::addColumn<bool>("jog");            // the operator's "+" jog
    QTest::addColumn<QByteArray>("command");  // run by the controller itself
    QTest::addColumn<QString>("manual");      // typed into the manual command box
    QTest::addColumn<QString>("counter");     // what the displays then show
    QTest::addColumn<int>("speed");
    QTest::addColumn<QString>("received");  // empty: not looked at
    QTest::addColumn<int>("settleMs");      // how long they must keep showing it
    const int m = PanelState::SpeedM;
    const QString none;

    // The poll waits four 50 ms ticks.
    QTest::newRow("latency below the time-out")
        << withFaults([](SimFaults& f) { f.latencyMs = 60; }) << true << QByteArray() << none
        << "+0000001" << m << none << 0;
    QTest::newRow("dropped replies are asked again")
        << withFaults([](SimFaults& f) { f.dropEvery = 3; }) << false << QByteArray("PRS-0000042")
        << none << "-0000042" << m << none << 0;
    QTest::newRow("byte by byte") << withFaults([](SimFaults& f) {
        f.splitBytes = 1;
        f.splitGapMs = 1;
    }) << false << QByteArray("SPDL")
                                  << none << "+0000000" << int(PanelState::SpeedL) << none << 0;
    QTest::newRow("merged in pairs")
        << withFaults([](SimFaults& f) { f.mergePairs = true; }) << false << QByteArray("SPDL")
        << none << "+0000000" << int(PanelState::SpeedL) << none << 0;
    QTest::newRow("notices in the middle of the poll")
        << withFaults([](SimFaults& f) { f.noticeEveryMs = 70; }) << false << QByteArray() << none
        << "+0000000" << m << "SRQ00 received !" << 0;
    // Every display shows only what its own query was answered, and keeps showing it.
    QTest::newRow("garbage is not taken for replies")
        << withFaults([](SimFaults& f) { f.garbageEvery = 2; }) << false
        << QByteArray("PRS+0000777") << none << "+0000777" << m << none << 500;
    // A controller whose every answer carries a stray byte is still polled: each answer ends
    // the wait, the cycle goes round, and the byte is shown where the whole answer is.
    const std::pair<int, QString> oddBytes[] = {{0xB5, QString::fromLatin1("\xB5")},
                                                {0x00, QStringLiteral("\\x00")},
                                                {0x7F, QStringLiteral("\\x7F")}};
    for (const auto& [odd, shown] : oddBytes) {
        QTest::addRow("answers ending in 0x%02X", odd)
            << withFaults([odd = odd](SimFaults& f) {
                   f.oddByteEvery = 1;
                   f.oddByte = odd;
               })
            << false << QByteArray() << QStringLiteral("VER?") << "+0000000" << m
            << QStringLiteral("QUVEN01 V1.20") + shown + QStringLiteral("\r\n") << 0;
    }
}

void FaultsPollTest::panelFollowsTheController() {
    QFETCH(SimFaults, faults);
    QFETCH(bool, jog);
    QFETCH(QByteArray, command);
    QFETCH(QString, manual);
    QFETCH(QString, counter);
    QFETCH(int, speed);
    QFETCH(QString, received);
    QFETCH(int, settleMs);

    FaultBench b(faults);
    const PanelState& panel = b.console.panel;
    const ReceiveDisplay& display = b.console.receiveDisplay;
    QVERIFY(b.connectConsole());
    QVERIFY(b.waitFor([&] { return panel.firmwareText() == kFirmware; }));
    QVERIFY(b.panelShowsController());
    if (jog) {
        b.console.commands.Command6_Click();
    }
    if (!command.isEmpty()) {
        b.model.execute(command);
    }
    if (!manual.isEmpty()) {
        b.console.manualLine.setText(manual + QStringLiteral("\r\n"), int(manual.size()) + 2);
    }
    QVERIFY(b.waitFor([&] {
        return panel.counterText() == counter && panel.speedOption() == speed &&
               (received.isEmpty() || display.text() == received);
    }));
    if (settleMs > 0) {
        QTest::qWait(settleMs);
    }
    QCOMPARE(panel.counterText(), counter);
    QCOMPARE(panel.modeText(), QStringLiteral("NORMAL  Axis 0"));
    QCOMPARE(panel.speedOption(), speed);
    QCOMPARE(panel.firmwareText(), kFirmware);
    if (!received.isEmpty()) {
        QCOMPARE(display.text(), received);
    }
    QVERIFY(b.messages.shown.isEmpty());
}

// Slower than the time-out, every answer comes after its query was asked again, and the
// displays run one answer behind; once the controller answers in time they are right again.
void FaultsPollTest::latencyAboveTheTimeOutRecovers() {
    FaultBench b(withFaults([](SimFaults& f) { f.latencyMs = 500; }));
    int queries = 0;
    connect(&b.server, &sim::SimServer::lineHandled, &b.server, [&queries] { ++queries; });
    QVERIFY(b.connectConsole());
    QTest::qWait(2000);
    QVERIFY(queries >= 8);  // it keeps asking
    QVERIFY(b.console.module.Connected);
    QVERIFY(b.messages.shown.isEmpty());

    b.server.setFaults({});
    b.model.execute("PRS+0000321");
    QVERIFY(b.panelShowsController());
    QCOMPARE(b.console.panel.counterText(), QStringLiteral("+0000321"));
    QVERIFY(b.messages.shown.isEmpty());
}

void FaultsPollTest::connectionClosedWhilePolling() {
    sim::SimFaults faults;
    faults.closeAfter = 12;
    FaultBench b(faults);
    QVERIFY(b.connectConsole());
    QVERIFY(b.waitFor([&] { return !b.console.module.Connected; }));
    QTest::qWait(300);  // no tick may bring a second message
    QCOMPARE(b.messages.shown, QList<Message>{kNotConnected});
    QCOMPARE(b.console.Timer2.interval(), 0);
    QCOMPARE(b.console.sessionControls.connectCaption(), QStringLiteral("Connect"));
    QVERIFY(!b.console.sessionControls.sessionLit());
    // What was shown stays, the labels still name the dropped session.
    QCOMPARE(b.console.sessionControls.hostLabel(), QStringLiteral("Host Name 127.0.0.1"));
    QCOMPARE(b.console.panel.firmwareText(), kFirmware);

    // The operator connects again and the panel is live again.
    b.server.setFaults({});
    QVERIFY(b.connectConsole());
    QVERIFY(b.panelShowsController());
}

void FaultsPollTest::refusedConnection() {
    FaultBench b;
    LoopbackPeer closed(LoopbackPort::Dialog);
    QVERIFY(closed.listening);
    const QString port = QString::number(closed.port());
    closed.server.close();  // nobody listens there now
    QVERIFY(connectThroughDialog(b.console.session, kLoopback, port));
    QVERIFY(b.waitFor([&] { return !b.console.module.Connected; }));
    QTest::qWait(300);
    QCOMPARE(b.messages.shown, QList<Message>{kNotConnected});

    QVERIFY(b.connectConsole());
    QVERIFY(b.panelShowsController());
    QCOMPARE(b.messages.shown.size(), 1);
}

// A peer that sends 10 MiB without a line feed, then answers like a controller.
void FaultsPollTest::endlessLineStaysBounded() {
    FaultBench b;
    LoopbackPeer peer(LoopbackPort::Dialog);
    QVERIFY(peer.listening);
    QPointer<QTcpSocket> client;
    connect(&peer.server, &QTcpServer::newConnection, &peer.server, [&] {
        client = peer.server.nextPendingConnection();
        connect(client, &QTcpSocket::readyRead, client, [&] {
            while (client->canReadLine()) {
                const QByteArray line = client->readLine().trimmed();
                client->write(line.endsWith("CNT?") ? "+0000042\r\n" : "N10000000\r\n");
            }
        });
    });
    int largest = 0;
    connect(&b.transport, &LineTransport::received, &b.transport,
            [&] { largest = qMax(largest, int(b.console.module.ReceiveBuffer.size())); });
    QVERIFY(connectThroughDialog(b.console.session, kLoopback, QString::number(peer.port())));
    QVERIFY(b.waitFor([&] { return !client.isNull(); }));
    client->readAll();  // the first poll queries stay unanswered

    const QByteArray chunk(64 * 1024, 'x');
    for (int sent = 0; sent < 10 * 1024 * 1024; sent += chunk.size()) {
        client->write(chunk);
        client->flush();
        QCoreApplication::processEvents();
    }
    QVERIFY(b.waitFor([&] { return client->bytesToWrite() == 0; }));
    QTest::qWait(200);
    QVERIFY(largest > 0);
    QVERIFY(largest <= CommandChannel::kReceiveLimit + chunk.size());
    QVERIFY(b.console.module.ReceiveBuffer.size() <= CommandChannel::kReceiveLimit);

    // The line ends at last; the poll goes on and shows the counter.
    client->write("\r\n");
    QVERIFY(b.waitFor([&] { return b.console.panel.counterText() == QLatin1String("+0000042"); }));
    QVERIFY(b.console.module.Connected);
    QVERIFY(b.messages.shown.isEmpty());
}

QTEST_GUILESS_MAIN(FaultsPollTest)
#include "tst_faults_poll.moc"
