// SPDX-License-Identifier: Apache-2.0
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QtTest>

#include "Loopback.h"
#include "sim/SimPlant.h"

using namespace quven::sim;

namespace {

// The simulator on 127.0.0.1 at a port of its own, and clients of the test's.
struct ServerFixture : LoopbackSim {
    explicit ServerFixture(const SimFaults& faults = {}) : LoopbackSim(faults, LoopbackPort::Any) {
        QVERIFY(listening);
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

    QObject owner;
    QHash<QTcpSocket*, QByteArrayList> reads;
};

}  // namespace

// The simulator's server over a real socket on 127.0.0.1: framing, one client at a time, and
// each fault it can be told to show.
class SimServerTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void answersWhatItIsSent_data();
    void answersWhatItIsSent();
    void servesOneClientAtATime();
    void sendsGarbageBeforeAnswers();
    void sendsNotices();
    void portZeroIsOneTheConsoleTakes();
};

void SimServerTest::answersWhatItIsSent_data() {
    QTest::addColumn<SimFaults>("faults");
    QTest::addColumn<QByteArrayList>("writes");  // 50 ms apart
    QTest::addColumn<QByteArray>("answers");     // all that arrives
    QTest::addColumn<bool>("heldBetween");       // nothing arrives before the last write
    QTest::addColumn<int>("minReads");           // arrivals it comes in, at least ...
    QTest::addColumn<int>("maxReads");           // ... and at most (0: any number)
    QTest::addColumn<int>("minMs");              // from the first write to the last answer
    QTest::addColumn<bool>("closes");            // the server closes the connection first
    const SimFaults none;

    // CR LF and LF alone, two lines in one send, and a line in two sends.
    QTest::newRow("lines framed by line feed")
        << none << QByteArrayList{"VER?\r\nSPD?\nMO", "DE?\r\n"}
        << QByteArray("QUVEN01 V1.20\r\nSPDM\r\nN10000000\r\n") << false << 1 << 0 << 0 << false;
    QTest::newRow("overlong line discarded")
        << none
        << QByteArrayList{QByteArray(SimServer::kMaxLine + 1, 'A'),
                          QByteArray(5000, '?') + "\r\nSPD?\r\n"}
        << QByteArray("SPDM\r\n") << false << 1 << 0 << 0 << false;
    QTest::newRow("latency delays every line")
        << withFaults([](SimFaults& f) { f.latencyMs = 150; }) << QByteArrayList{"VER?\r\nSPD?\r\n"}
        << QByteArray("QUVEN01 V1.20\r\nSPDM\r\n") << false << 1 << 0 << 140 << false;
    QTest::newRow("drops every second answer")
        << withFaults([](SimFaults& f) { f.dropEvery = 2; })
        << QByteArrayList{"NCNT0?\r\nSPD?\r\nMODE?\r\nVER?\r\nLS?\r\n"}
        << QByteArray("+0000000\r\nN10000000\r\nLS M 00 CCWLS 00\r\n") << false << 1 << 0 << 0
        << false;
    QTest::newRow("splits answers into pieces") << withFaults([](SimFaults& f) {
        f.splitBytes = 1;
        f.splitGapMs = 20;
    }) << QByteArrayList{"SPD?\r\n"} << QByteArray("SPDM\r\n")
                                                << false << 2 << 0 << 0 << false;
    // The first answer is held for its partner.
    QTest::newRow("merges answers in pairs")
        << withFaults([](SimFaults& f) { f.mergePairs = true; })
        << QByteArrayList{"SPD?\r\n", "MODE?\r\n"} << QByteArray("SPDM\r\nN10000000\r\n") << true
        << 1 << 1 << 0 << false;
    // The two handled commands are answered before the close; the third is not taken.
    QTest::newRow("closes after two commands") << withFaults([](SimFaults& f) {
        f.closeAfter = 2;
        f.mergePairs = true;
    }) << QByteArrayList{"VER?\r\nSPD?\r\nMODE?\r\n"}
                                               << QByteArray("QUVEN01 V1.20\r\nSPDM\r\n") << false
                                               << 1 << 0 << 0 << true;
}

void SimServerTest::answersWhatItIsSent() {
    QFETCH(SimFaults, faults);
    QFETCH(QByteArrayList, writes);
    QFETCH(QByteArray, answers);
    QFETCH(bool, heldBetween);
    QFETCH(int, minReads);
    QFETCH(int, maxReads);
    QFETCH(int, minMs);
    QFETCH(bool, closes);

    ServerFixture f(faults);
    QTcpSocket* client = f.connectClient();
    QVERIFY(client);
    QElapsedTimer clock;
    clock.start();
    for (qsizetype i = 0; i < writes.size(); ++i) {
        if (i > 0) {
            client->flush();
            QTest::qWait(50);
            if (heldBetween) {
                QVERIFY(f.received(client).isEmpty());
            }
        }
        client->write(writes.at(i));
    }
    if (closes) {
        QTRY_COMPARE(client->state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(f.received(client), answers);
        QTRY_VERIFY(!f.server.hasClient());
    } else {
        QTRY_COMPARE(f.received(client), answers);
    }
    QVERIFY(clock.elapsed() >= minMs);
    QVERIFY(f.reads.value(client).size() >= minReads);
    QVERIFY(maxReads == 0 || f.reads.value(client).size() <= maxReads);
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

    // A client that reconnects at once, before the server has seen the last one go, is served.
    third->abort();
    QTcpSocket* fourth = f.connectClient();
    QVERIFY(fourth);
    fourth->write("MODE?\r\n");
    QTRY_COMPARE(f.received(fourth), QByteArray("N10010000\r\n"));
}

void SimServerTest::sendsGarbageBeforeAnswers() {
    ServerFixture f(withFaults([](SimFaults& faults) { faults.garbageEvery = 2; }));
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
    ServerFixture f(withFaults([](SimFaults& faults) { faults.noticeEveryMs = 30; }));
    QTcpSocket* client = f.connectClient();
    QVERIFY(client);
    QTRY_VERIFY(f.received(client).startsWith("SRQ00\r\n"));

    // A move that arrives is noticed too.
    client->write("REL+0000020\r\n");
    QTRY_VERIFY(f.received(client).contains("SRQ01\r\n"));
    QCOMPARE(f.model.counter(0), 20);
}

QTEST_GUILESS_MAIN(SimServerTest)
// The console takes ports 1 to 32767; the system's own free ports lie above that. "--port 0"
// gives a free run the console takes, consecutive for a plant of several.
void SimServerTest::portZeroIsOneTheConsoleTakes() {
    for (int round = 0; round < 3; ++round) {
        SimPlant plant(3, SimFaults{});
        QString error;
        QVERIFY2(plant.listen(QHostAddress::LocalHost, 0, &error), qPrintable(error));
        const int first = plant.firstPort();
        QVERIFY2(first >= 1 && first + 2 <= 32767, qPrintable(QString::number(first)));
        QCOMPARE(int(plant.server(2).port()), first + 2);
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, plant.server(1).port());
        QVERIFY(client.waitForConnected(5000));
    }
}

#include "tst_sim_server.moc"
