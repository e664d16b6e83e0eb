// SPDX-License-Identifier: Apache-2.0
#include <QSignalSpy>
#include <QtTest>

#include "ConsoleFixture.h"

using namespace quven;

// The manual command box: Enter marks the whole line for the next free poll tick.
class ManualLineTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void enterJoinsAndMarksTheLine_data();
    void enterJoinsAndMarksTheLine();
    void typingWithoutSessionIsToldEveryTime();
    void upAndDownStepThroughTheLinesSent();
    void historyKeepsTheLastFiftyLines();
};

void ManualLineTest::enterJoinsAndMarksTheLine_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");  // the box's text after the keystroke or paste
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("after");

    QTest::newRow("Enter at the end") << "VER?"
                                      << "VER?\r\n"
                                      << 6 << "VER?";
    QTest::newRow("Enter in the middle sends the whole text") << "MODE?"
                                                              << "MO\r\nDE?" << 4 << "MODE?";
    QTest::newRow("three pasted lines are joined") << ""
                                                   << "NX\r\nN3S\r\nMODE?" << 14 << "NXN3SMODE?";
    QTest::newRow("Enter in an empty box") << ""
                                           << "\r\n"
                                           << 2 << "";
}

void ManualLineTest::enterJoinsAndMarksTheLine() {
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(int, caret);
    QFETCH(QString, after);

    ConsoleFixture f(ConsoleFixture::Readers::Console);
    ManualLine& line = f.console.manualLine;
    markConnected(f);
    line.setText(before, before.size());
    QVERIFY(!f.console.module.ManualCommandPending);
    QSignalSpy changes(&line, &ManualLine::changed);

    line.setText(typed, caret);

    QCOMPARE(line.text(), after);
    QCOMPARE(line.caret(), int(after.size()));
    QCOMPARE(changes.last().at(0).toString(), after);
    QCOMPARE(changes.last().at(1).toInt(), int(after.size()));
    QVERIFY(f.console.module.ManualCommandPending);
    QVERIFY(f.messages.shown.isEmpty());

    // Sent once, by the next tick that may send.
    f.console.poll.Timer2_Timer();
    f.console.module.ReplyPending = false;
    f.console.poll.Timer2_Timer();
    QCOMPARE(f.transport.sent, QByteArrayList{(after + QStringLiteral("\r\n")).toLatin1()});
}

void ManualLineTest::typingWithoutSessionIsToldEveryTime() {
    ConsoleFixture f(ConsoleFixture::Readers::Console);
    ManualLine& line = f.console.manualLine;
    line.setText(QStringLiteral("V"), 1);
    line.setText(QStringLiteral("VE"), 2);
    line.setText(QStringLiteral("VE\r\n"), 4);
    const Message notConnected{QStringLiteral("Not connected !"), QStringLiteral("Caution !"),
                               MessageIcon::Information};
    QCOMPARE(f.messages.shown, (QList<Message>{notConnected, notConnected, notConnected}));
    // Every change stays in the box, the line break too; nothing is marked.
    QCOMPARE(line.text(), QStringLiteral("VE\r\n"));
    QVERIFY(!f.console.module.ManualCommandPending);

    // Once connected, the next change takes the line break out and marks the whole text.
    f.console.module.Connected = true;
    line.setText(QStringLiteral("VE\r\nR?"), 6);
    QCOMPARE(line.text(), QStringLiteral("VER?"));
    QVERIFY(f.console.module.ManualCommandPending);
    QCOMPARE(f.messages.shown.size(), 3);
}

namespace {
// Types the line and presses Enter, and lets the poll tick send it.
void send(ConsoleFixture& f, const QString& line) {
    f.console.manualLine.setText(line + QStringLiteral("\r\n"), int(line.size()) + 2);
    f.console.module.ReplyPending = false;
    f.console.poll.Timer2_Timer();
}
}  // namespace

void ManualLineTest::upAndDownStepThroughTheLinesSent() {
    ConsoleFixture f(ConsoleFixture::Readers::Console);
    ManualLine& line = f.console.manualLine;
    markConnected(f);
    for (const char* sent : {"VER?", "MODE?", "MODE?", "LS?", "VER?"}) {
        send(f, QLatin1String(sent));
    }
    // Typed but not sent: not a line of the history, but the draft that Down gives back.
    line.setText(QStringLiteral("NCN"), 3);
    QCOMPARE(line.history().lines(), (QStringList{"VER?", "MODE?", "LS?", "VER?"}));

    QStringList seen;
    const auto press = [&line, &seen](void (ManualLine::*key)()) {
        (line.*key)();
        seen.append(line.text() + QLatin1Char('|') + QString::number(line.caret()));
    };
    for (int i = 0; i < 5; ++i) {
        press(&ManualLine::recallOlder);  // the oldest stays once reached
    }
    for (int i = 0; i < 5; ++i) {
        press(&ManualLine::recallNewer);  // past the newest: the draft, then nothing more
    }
    QCOMPARE(seen, (QStringList{"VER?|4", "LS?|3", "MODE?|5", "VER?|4", "VER?|4", "MODE?|5",
                                "LS?|3", "VER?|4", "NCN|3", "NCN|3"}));

    // Recalled and sent again, a line that repeats the newest is not kept twice; and a recalled
    // line is a change like any other: with no session it is refused as typing is.
    line.recallOlder();
    line.recallOlder();
    send(f, line.text());
    QCOMPARE(line.history().lines(), (QStringList{"VER?", "MODE?", "LS?", "VER?", "LS?"}));
    QVERIFY(f.messages.shown.isEmpty());
    f.console.module.Connected = false;
    line.recallOlder();
    QCOMPARE(line.text(), QStringLiteral("LS?"));
    line.recallOlder();
    QCOMPARE(line.text(), QStringLiteral("VER?"));
    QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("Not connected !")});
}

void ManualLineTest::historyKeepsTheLastFiftyLines() {
    ConsoleFixture f(ConsoleFixture::Readers::Console);
    markConnected(f);
    for (int i = 0; i < ManualHistory::kLength + 5; ++i) {
        send(f, QStringLiteral("PRS+%1").arg(i, 7, 10, QLatin1Char('0')));
    }
    send(f, QString());  // an empty line goes out, but there is nothing to recall in it
    const QStringList lines = f.console.manualLine.history().lines();
    QCOMPARE(lines.size(), ManualHistory::kLength);
    QCOMPARE(lines.first(), QStringLiteral("PRS+0000005"));
    QCOMPARE(lines.last(), QStringLiteral("PRS+0000054"));
    QCOMPARE(f.transport.sent.size(), ManualHistory::kLength + 6);
}

QTEST_GUILESS_MAIN(ManualLineTest)
#include "tst_manual_line.moc"
