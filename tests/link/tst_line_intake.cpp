// SPDX-License-Identifier: Apache-2.0
#include <QtTest>

#include "ConsoleFixture.h"

using namespace quven;

// How received text becomes reply blocks: gathered until an arrival ends in LF, then handed on
// whole, line ends kept.
class LineIntakeTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void framesBlocksByTheLastCharacter_data();
    void framesBlocksByTheLastCharacter();
    void partialLineSurvivesTheEndOfASession();
    void bytesRoundTripUnchanged();
    void streamWithoutLineFeedStaysBounded();
};

void LineIntakeTest::framesBlocksByTheLastCharacter_data() {
    QTest::addColumn<QByteArrayList>("arrivals");
    QTest::addColumn<QStringList>("blocks");
    QTest::addColumn<QString>("held");

    QTest::newRow("line split over two arrivals")
        << QByteArrayList{"+001", "2345\r\n"} << QStringList{"+0012345\r\n"} << "";
    QTest::newRow("two lines in one arrival are one block")
        << QByteArrayList{"NCNT0?\r\nMODE?\r\n"} << QStringList{"NCNT0?\r\nMODE?\r\n"} << "";
    QTest::newRow("a lone LF is a block") << QByteArrayList{"\n"} << QStringList{"\n"} << "";
    QTest::newRow("trailing CR is held until LF")
        << QByteArrayList{"F5\r", "\n"} << QStringList{"F5\r\n"} << "";
    QTest::newRow("LF followed by more is held")
        << QByteArrayList{"A\r\nB"} << QStringList{} << "A\r\nB";
    QTest::newRow("held text goes in front of the next block")
        << QByteArrayList{"A\r\nB", "C\r\n", "D"} << QStringList{"A\r\nBC\r\n"} << "D";
}

void LineIntakeTest::framesBlocksByTheLastCharacter() {
    QFETCH(QByteArrayList, arrivals);
    QFETCH(QStringList, blocks);
    QFETCH(QString, held);

    ConsoleFixture f;
    for (const QByteArray& arrival : arrivals) {
        f.transport.arrive(arrival);
    }
    QCOMPARE(f.controlReplies.blocks, blocks);
    QCOMPARE(f.console.module.ReceiveBuffer, held);
}

void LineIntakeTest::partialLineSurvivesTheEndOfASession() {
    ConsoleFixture f;
    markConnected(f);
    f.transport.arrive("+00");
    f.console.session.Connect_Click();  // the operator disconnects
    QVERIFY(!f.console.module.Connected);
    QCOMPARE(f.console.module.ReceiveBuffer, QStringLiteral("+00"));

    f.transport.arrive("VER1.00\r\n");
    QCOMPARE(f.controlReplies.blocks, QStringList{QStringLiteral("+00VER1.00\r\n")});
}

void LineIntakeTest::bytesRoundTripUnchanged() {
    ConsoleFixture f;
    QByteArray all;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != '\n') {
            all.append(static_cast<char>(byte));
        }
    }
    f.transport.arrive(all + '\n');
    QCOMPARE(f.controlReplies.blocks.size(), 1);
    QCOMPARE(f.controlReplies.blocks.first().toLatin1(), all + '\n');

    f.transport.connected = true;
    f.console.channel.SendCommand(QString::fromLatin1(all) + QStringLiteral("\r\n"));
    QCOMPARE(f.transport.sent, QByteArrayList{all + "\r\n"});
}

void LineIntakeTest::streamWithoutLineFeedStaysBounded() {
    ConsoleFixture f;
    const QByteArray chunk(4096, 'x');
    int largest = 0;
    for (int sent = 0; sent < 10 * 1024 * 1024; sent += chunk.size()) {
        f.transport.arrive(chunk);
        largest = qMax(largest, int(f.console.module.ReceiveBuffer.size()));
    }
    QVERIFY(largest <= CommandChannel::kReceiveLimit);
    QVERIFY(f.controlReplies.blocks.isEmpty());

    // The link works again as soon as the controller ends a line.
    f.transport.arrive("\r\n");
    QCOMPARE(f.controlReplies.blocks.size(), 1);
    f.transport.arrive("+0000001\r\n");
    QCOMPARE(f.controlReplies.blocks.last(), QStringLiteral("+0000001\r\n"));
    QVERIFY(f.console.module.ReceiveBuffer.isEmpty());
}

QTEST_GUILESS_MAIN(LineIntakeTest)
#include "tst_line_intake.moc"
