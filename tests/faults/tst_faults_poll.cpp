#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include "FaultBench.h"

using namespace quven;

namespace {

const Message kNotConnected{QStringLiteral("Not connected !"), QStringLiteral("QUVEN"),
                            MessageIcon::None};

sim::SimFaults withLatency(int ms) {
    sim::SimFaults faults;
    faults.latencyMs = ms;
    return faults;
}

}  // namespace

// The control screen's poll against a slow, lossy or misbehaving controller.
class FaultsPollTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void latencyBelowTheTimeOut();
    void latencyAboveTheTimeOutRecovers();
    void droppedRepliesAreAskedAgain();
    void byteByByteAndMergedReplies_data();
    void byteByByteAndMergedReplies();
    void noticesInTheMiddleOfThePoll();
    void garbageIsNotTakenForReplies();
    void oddBytesEndTheWait_data();
    void oddBytesEndTheWait();
    void connectionClosedWhilePolling();
    void refusedConnection();
    void endlessLineStaysBounded();
};

void FaultsPollTest::latencyBelowTheTimeOut() {
    FaultBench b(withLatency(60));  // the poll waits four 50 ms ticks
    QVERIFY(b.connectConsole());
    QVERIFY(b.waitFor([&] {
        return b.console.panel.firmwareText() == QLatin1String("Firmware Version  QUVEN01 V1.20");
    }));
    QVERIFY(b.panelShowsController());
    b.console.commands.Command6_Click();
    QVERIFY(b.waitFor([&] { return b.console.panel.counterText() == QLatin1String("+0000001"); }));
    QVERIFY(b.messages.shown.isEmpty());
}

// Slower than the time-out, every answer comes after its query was asked again, and the
// displays run one answer behind; once the controller answers in time they are right again.
void FaultsPollTest::latencyAboveTheTimeOutRecovers() {
    FaultBench b(withLatency(500));
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

void FaultsPollTest::droppedRepliesAreAskedAgain() {
    sim::SimFaults faults;
    faults.dropEvery = 3;
    FaultBench b(faults);
    QVERIFY(b.connectConsole());
    QVERIFY(b.panelShowsController());
    b.model.execute("PRS-0000042");
    QVERIFY(b.waitFor([&] { return b.console.panel.counterText() == QLatin1String("-0000042"); }));
    QVERIFY(b.messages.shown.isEmpty());
}

void FaultsPollTest::byteByByteAndMergedReplies_data() {
    QTest::addColumn<int>("split");
    QTest::addColumn<bool>("merge");
    QTest::newRow("byte by byte") << 1 << false;
    QTest::newRow("merged in pairs") << 0 << true;
}

void FaultsPollTest::byteByByteAndMergedReplies() {
    QFETCH(int, split);
    QFETCH(bool, merge);
    sim::SimFaults faults;
    faults.splitBytes = split;
    faults.splitGapMs = 1;
    faults.mergePairs = merge;
    FaultBench b(faults);
    QVERIFY(b.connectConsole());
    QVERIFY(b.waitFor([&] {
        return b.console.panel.firmwareText() == QLatin1String("Firmware Version  QUVEN01 V1.20");
    }));
    QVERIFY(b.panelShowsController());
    b.model.execute("SPDL");
    QVERIFY(b.waitFor([&] { return b.console.panel.speedOption() == PanelState::SpeedL; }));
    QVERIFY(b.messages.shown.isEmpty());
}

void FaultsPollTest::noticesInTheMiddleOfThePoll() {
    sim::SimFaults faults;
    faults.noticeEveryMs = 70;
    FaultBench b(faults);
    QVERIFY(b.connectConsole());
    QVERIFY(b.waitFor(
        [&] { return b.console.receiveDisplay.text() == QLatin1String("SRQ00 received !"); }));
    QVERIFY(b.panelShowsController());
    QVERIFY(b.messages.shown.isEmpty());
}

void FaultsPollTest::garbageIsNotTakenForReplies() {
    sim::SimFaults faults;
    faults.garbageEvery = 2;
    FaultBench b(faults);
    QVERIFY(b.connectConsole());
    QVERIFY(b.panelShowsController());
    b.model.execute("PRS+0000777");
    QVERIFY(b.waitFor([&] { return b.console.panel.counterText() == QLatin1String("+0000777"); }));
    // Every display shows only what its own query was answered.
    QTest::qWait(500);
    QCOMPARE(b.console.panel.counterText(), QStringLiteral("+0000777"));
    QCOMPARE(b.console.panel.modeText(), QStringLiteral("NORMAL  Axis 0"));
    QCOMPARE(b.console.panel.speedOption(), int(PanelState::SpeedM));
    QCOMPARE(b.console.panel.firmwareText(), QStringLiteral("Firmware Version  QUVEN01 V1.20"));
    QVERIFY(b.messages.shown.isEmpty());
}

void FaultsPollTest::oddBytesEndTheWait_data() {
    QTest::addColumn<int>("odd");
    QTest::addColumn<QString>("shown");
    QTest::newRow("0xB5") << 0xB5 << QString::fromLatin1("\xB5");
    QTest::newRow("NUL") << 0x00 << QStringLiteral("\\x00");
    QTest::newRow("DEL") << 0x7F << QStringLiteral("\\x7F");
}

// A controller whose every answer carries a stray byte is still polled: each answer ends the
// wait, the cycle goes round, and the byte is shown where the whole answer is.
void FaultsPollTest::oddBytesEndTheWait() {
    QFETCH(int, odd);
    QFETCH(QString, shown);
    sim::SimFaults faults;
    faults.oddByteEvery = 1;
    faults.oddByte = odd;
    FaultBench b(faults);
    QVERIFY(b.connectConsole());
    QVERIFY(b.panelShowsController());
    QCOMPARE(b.console.panel.firmwareText(), QStringLiteral("Firmware Version  QUVEN01 V1.20"));
    b.console.manualLine.setText(QStringLiteral("VER?\r\n"), 6);
    QVERIFY(b.waitFor([&] {
        return b.console.receiveDisplay.text() ==
               QStringLiteral("QUVEN01 V1.20") + shown + QStringLiteral("\r\n");
    }));
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
    QCOMPARE(b.console.panel.firmwareText(), QStringLiteral("Firmware Version  QUVEN01 V1.20"));

    // The operator connects again and the panel is live again.
    b.server.setFaults({});
    QVERIFY(b.connectConsole());
    QVERIFY(b.panelShowsController());
}

void FaultsPollTest::refusedConnection() {
    FaultBench b;
    QTcpServer closed;
    QVERIFY(listenOnDialogPort(closed));
    const QString port = QString::number(closed.serverPort());
    closed.close();  // nobody listens there now
    b.console.session.Connect_Click();
    b.console.session.connectDialogModel()->setHostText(QStringLiteral("127.0.0.1"));
    b.console.session.connectDialogModel()->setPortText(port);
    b.console.session.ConnectButton_Click();
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
    QTcpServer peer;
    QVERIFY(listenOnDialogPort(peer));
    QPointer<QTcpSocket> client;
    connect(&peer, &QTcpServer::newConnection, &peer, [&] {
        client = peer.nextPendingConnection();
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
    b.console.session.Connect_Click();
    b.console.session.connectDialogModel()->setHostText(QStringLiteral("127.0.0.1"));
    b.console.session.connectDialogModel()->setPortText(QString::number(peer.serverPort()));
    b.console.session.ConnectButton_Click();
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
