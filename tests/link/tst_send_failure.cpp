// SPDX-License-Identifier: Apache-2.0
#include <QTcpSocket>
#include <QtTest>

#include "ConsoleFixture.h"
#include "Loopback.h"
#include "link/TcpTransport.h"

using namespace quven;

namespace {

// The console's logic on the real socket, against a peer listening on 127.0.0.1 at a port
// the system chose for this test.
struct SocketFixture : ConsoleOn<TcpTransport> {
    SocketFixture() { QVERIFY(peer.listening); }

    // The state of an open session as the connect sequence leaves it.
    void openSession() { enterSession(console, peer.port()); }

    bool startConnecting() { return transport.connectToController(kLoopback, peer.port()); }

    // The socket connected and the peer's end of it accepted; nullptr when either failed.
    QTcpSocket* connectPeer() {
        return connectSocket(transport, peer.port()) ? peer.accept() : nullptr;
    }

    LoopbackPeer peer;
};

void verifyDroppedSession(const SocketFixture& f) {
    const Console& c = f.console;
    QCOMPARE(f.messages.shown.size(), 1);
    QCOMPARE(f.messages.shown.first(), (Message{QStringLiteral("Not connected !"),
                                                QStringLiteral("QUVEN"), MessageIcon::None}));
    QVERIFY(!c.module.Connected);
    QCOMPARE(c.Timer2.interval(), 0);
    QCOMPARE(c.sessionControls.connectCaption(), QStringLiteral("Connect"));
    QVERIFY(!c.sessionControls.sessionLit());
}

}  // namespace

// SendCommand over the real socket: it succeeds only on an established connection, and every
// failure takes the session down once, with one message.
class SendFailureTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void sendsWholeLinesOnAnEstablishedConnection();
    void failsWithoutASession();
    void failsWhileStillConnecting();
    void failsAfterThePeerClosed();
    void oneFailureGivesOneMessage();
};

void SendFailureTest::sendsWholeLinesOnAnEstablishedConnection() {
    SocketFixture f;
    f.openSession();
    QTcpSocket* peer = f.connectPeer();
    QVERIFY(peer);

    const QString line = QStringLiteral("NCNT3?\r\n") + QChar(0xE9) + QStringLiteral("\r\n");
    f.console.channel.SendCommand(line);
    QByteArray received;
    QTRY_VERIFY((received += peer->readAll()).size() >= 11);
    QCOMPARE(received, QByteArray("NCNT3?\r\n\xE9\r\n"));
    QVERIFY(f.messages.shown.isEmpty());
    QVERIFY(f.console.module.Connected);

    // And the reply comes back through the arrival handler as one block, byte for byte.
    RecordedControlReplies recorder;
    const QStringList& blocks = recorder.blocks;
    f.console.dispatcher.setControlBranch(&recorder);
    peer->write("+00");
    peer->flush();
    QTRY_COMPARE(f.console.module.ReceiveBuffer, QStringLiteral("+00"));
    peer->write("12345\xB5\r\n");
    peer->flush();
    QTRY_COMPARE(blocks.size(), 1);
    QCOMPARE(blocks.first(), QStringLiteral("+0012345") + QChar(0xB5) + QStringLiteral("\r\n"));
    QVERIFY(f.console.module.ReceiveBuffer.isEmpty());
}

void SendFailureTest::failsWithoutASession() {
    SocketFixture f;
    f.openSession();
    Module1& m = f.console.module;
    m.PollState = pollstate::LimitSwitches;
    m.ReplyPending = true;
    m.ReplyWaitTicks = 2;
    m.ReceiveBuffer = QStringLiteral("+00");

    f.console.channel.SendCommand(QStringLiteral("+J\r\n"));

    verifyDroppedSession(f);
    // Everything else stays as it was: the labels still name the dropped session.
    QCOMPARE(f.console.sessionControls.hostLabel(), QStringLiteral("Host Name 127.0.0.1"));
    QCOMPARE(m.PollState, pollstate::LimitSwitches);
    QVERIFY(m.ReplyPending);
    QCOMPARE(m.ReplyWaitTicks, 2);
    QCOMPARE(m.ReceiveBuffer, QStringLiteral("+00"));
    QCOMPARE(m.ScreenMode, screenmode::Control);
}

void SendFailureTest::failsWhileStillConnecting() {
    SocketFixture f;
    f.openSession();
    // No event runs between the start of the connection and the send, so the socket has
    // not taken notice of an established connection yet.
    QVERIFY(f.startConnecting());
    QVERIFY(f.transport.state() != QAbstractSocket::ConnectedState);
    QVERIFY(f.transport.state() != QAbstractSocket::UnconnectedState);

    f.console.channel.SendCommand(QStringLiteral("VER?\r\n"));

    verifyDroppedSession(f);
    // The socket is left as it was; nothing reached the peer.
    QTcpSocket* peer = f.peer.accept();
    QVERIFY(peer);
    QTest::qWait(50);
    QVERIFY(peer->readAll().isEmpty());
}

void SendFailureTest::failsAfterThePeerClosed() {
    SocketFixture f;
    f.openSession();
    QTcpSocket* peer = f.connectPeer();
    QVERIFY(peer);

    peer->close();
    QTRY_COMPARE(f.transport.state(), QAbstractSocket::UnconnectedState);
    f.console.channel.SendCommand(QStringLiteral("MODE?\r\n"));

    verifyDroppedSession(f);
}

void SendFailureTest::oneFailureGivesOneMessage() {
    SocketFixture f;
    f.openSession();
    // While the box is open, timers keep ticking in its nested event loop and the operator may
    // still click: none of that may send or bring a second box.
    int sendsWhileOpen = 0;
    f.messages.whileShown = [&](const Message&) {
        ++sendsWhileOpen;
        QVERIFY(f.console.channel.failureMessageOpen());
        f.console.channel.SendCommand(QStringLiteral("CNT?\r\n"));
        f.console.channel.SendCommand(QStringLiteral("STOPS\r\n"));
        // The session is dropped only after the box is closed.
        QVERIFY(f.console.module.Connected);
    };

    f.console.channel.SendCommand(QStringLiteral("+J\r\n"));

    QCOMPARE(sendsWhileOpen, 1);
    verifyDroppedSession(f);
    QVERIFY(!f.console.channel.failureMessageOpen());

    // A later command is a new failure with its own message.
    f.messages.whileShown = nullptr;
    f.console.channel.SendCommand(QStringLiteral("-J\r\n"));
    QCOMPARE(f.messages.shown.size(), 2);
}

QTEST_GUILESS_MAIN(SendFailureTest)
#include "tst_send_failure.moc"
