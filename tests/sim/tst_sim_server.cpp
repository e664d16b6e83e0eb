#include <QElapsedTimer>
#include <QTcpSocket>
#include <QtTest>

#include "sim/ControllerModel.h"
#include "sim/SimServer.h"

using namespace quven::sim;

namespace {

// The simulator on 127.0.0.1 at a port of its own, and one client of the test's.
struct ServerFixture {
    explicit ServerFixture(SimFaults faults = {}) : server(model, faults) {
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    }

    QTcpSocket* connectClient() {
        auto* socket = new QTcpSocket(&owner);
        socket->connectToHost(QHostAddress::LocalHost, server.port());
        if (!socket->waitForConnected(5000)) {
            return nullptr;
        }
        QObject::connect(socket, &QTcpSocket::readyRead, socket,
                         [this, socket] { reads[socket].append(socket->readAll()); });
        return socket;
    }

    QByteArray received(QTcpSocket* socket) const { return reads.value(socket).join(); }

    ControllerModel model;
    SimServer server;
    QObject owner;
    QHash<QTcpSocket*, QByteArrayList> reads;
};

}  // namespace

// The simulator's server over a real socket on 127.0.0.1: framing, one client at a time, and
// each fault it can be told to show.
class SimServerTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void framesLinesByLineFeed();
    void discardsOverlongLines();
    void servesOneClientAtATime();
    void latencyDelaysEveryLine();
    void dropsEveryNthAnswer();
    void splitsAnswersIntoPieces();
    void mergesAnswersInPairs();
    void closesAfterNCommands();
    void sendsGarbageBeforeAnswers();
    void sendsNotices();
};

void SimServerTest::framesLinesByLineFeed() {
    ServerFixture f;
    QTcpSocket* client = f.connectClient();
    QVERIFY(client);
    // CR LF and LF alone, two lines in one send, and a line in two sends.
    client->write("VER?\r\nSPD?\nMO");
    client->flush();
    QTest::qWait(20);
    client->write("DE?\r\n");
    QTRY_COMPARE(f.received(client), QByteArray("QUVEN01 V1.20\r\nSPDM\r\nN10000000\r\n"));
}

void SimServerTest::discardsOverlongLines() {
    ServerFixture f;
    QTcpSocket* client = f.connectClient();
    QVERIFY(client);
    client->write(QByteArray(SimServer::kMaxLine + 1, 'A'));
    client->flush();
    QTest::qWait(20);
    client->write(QByteArray(5000, '?') + "\r\nSPD?\r\n");
    QTRY_COMPARE(f.received(client), QByteArray("SPDM\r\n"));
}

void SimServerTest::servesOneClientAtATime() {
    ServerFixture f;
    QTcpSocket* first = f.connectClient();
    QVERIFY(first);
    QTRY_VERIFY(f.server.hasClient());
    first->write("N3S\r\nMO");  // leaves a partial line behind
    first->flush();

    QTcpSocket* second = f.connectClient();
    QVERIFY(second);
    QTRY_COMPARE(second->state(), QAbstractSocket::UnconnectedState);
    QVERIFY(f.received(second).isEmpty());

    // The first client goes away mid-line; the next one starts clean, on the same controller.
    first->abort();
    QTRY_VERIFY(!f.server.hasClient());
    QTcpSocket* third = f.connectClient();
    QVERIFY(third);
    third->write("MODE?\r\n");
    QTRY_COMPARE(f.received(third), QByteArray("N10010000\r\n"));
}

void SimServerTest::latencyDelaysEveryLine() {
    SimFaults faults;
    faults.latencyMs = 150;
    ServerFixture f(faults);
    QTcpSocket* client = f.connectClient();
    QVERIFY(client);
    QElapsedTimer clock;
    clock.start();
    client->write("VER?\r\nSPD?\r\n");
    QTRY_COMPARE(f.received(client), QByteArray("QUVEN01 V1.20\r\nSPDM\r\n"));
    QVERIFY(clock.elapsed() >= 140);
}

void SimServerTest::dropsEveryNthAnswer() {
    SimFaults faults;
    faults.dropEvery = 2;
    ServerFixture f(faults);
    QTcpSocket* client = f.connectClient();
    QVERIFY(client);
    client->write("NCNT0?\r\nSPD?\r\nMODE?\r\nVER?\r\nLS?\r\n");
    QTRY_COMPARE(f.received(client), QByteArray("+0000000\r\nN10000000\r\nLS M 00 CCWLS 00\r\n"));
}

void SimServerTest::splitsAnswersIntoPieces() {
    SimFaults faults;
    faults.splitBytes = 1;
    faults.splitGapMs = 20;
    ServerFixture f(faults);
    QTcpSocket* client = f.connectClient();
    QVERIFY(client);
    client->write("SPD?\r\n");
    QTRY_COMPARE(f.received(client), QByteArray("SPDM\r\n"));
    QVERIFY(f.reads.value(client).size() >= 2);
}

void SimServerTest::mergesAnswersInPairs() {
    SimFaults faults;
    faults.mergePairs = true;
    ServerFixture f(faults);
    QTcpSocket* client = f.connectClient();
    QVERIFY(client);
    client->write("SPD?\r\n");
    QTest::qWait(50);
    QVERIFY(f.received(client).isEmpty());  // held for its partner
    client->write("MODE?\r\n");
    QTRY_COMPARE(f.received(client), QByteArray("SPDM\r\nN10000000\r\n"));
    QCOMPARE(f.reads.value(client).size(), 1);
}

void SimServerTest::closesAfterNCommands() {
    SimFaults faults;
    faults.closeAfter = 2;
    faults.mergePairs = true;
    ServerFixture f(faults);
    QTcpSocket* client = f.connectClient();
    QVERIFY(client);
    client->write("VER?\r\nSPD?\r\nMODE?\r\n");
    QTRY_COMPARE(client->state(), QAbstractSocket::UnconnectedState);
    // The two handled commands were answered before the close; the third was not taken.
    QCOMPARE(f.received(client), QByteArray("QUVEN01 V1.20\r\nSPDM\r\n"));
    QTRY_VERIFY(!f.server.hasClient());
}

void SimServerTest::sendsGarbageBeforeAnswers() {
    SimFaults faults;
    faults.garbageEvery = 2;
    ServerFixture f(faults);
    QTcpSocket* client = f.connectClient();
    QVERIFY(client);
    client->write("SPD?\r\nMODE?\r\n");
    QTRY_VERIFY(f.received(client).endsWith("N10000000\r\n"));
    const QByteArray all = f.received(client);
    QVERIFY(all.startsWith("SPDM\r\n"));
    QCOMPARE(all.size(), 6 + 18 + 11);
    QCOMPARE(all.count('\n'), 3);
}

void SimServerTest::sendsNotices() {
    SimFaults faults;
    faults.noticeEveryMs = 30;
    ServerFixture f(faults);
    QTcpSocket* client = f.connectClient();
    QVERIFY(client);
    QTRY_VERIFY(f.received(client).startsWith("SRQ00\r\n"));

    // A move that arrives is noticed too.
    client->write("REL+0000020\r\n");
    QTRY_VERIFY(f.received(client).contains("SRQ01\r\n"));
    QCOMPARE(f.model.counter(0), 20);
}

QTEST_GUILESS_MAIN(SimServerTest)
#include "tst_sim_server.moc"
