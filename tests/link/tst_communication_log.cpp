// SPDX-License-Identifier: Apache-2.0
#include <QDateTime>
#include <QtTest>

#include "ConsoleFixture.h"
#include "FileBytes.h"
#include "ScratchFolder.h"
#include "link/CommunicationLog.h"
#include "link/LogViewModel.h"

using namespace quven;

namespace {

// 12:34:56.000 local time; the log's clock then ticks one millisecond per entry.
qint64 noonish() {
    return QDateTime(QDate(2024, 5, 6), QTime(12, 34, 56)).toMSecsSinceEpoch();
}

// The console's logic on a recording transport in a folder of its own, its log on a clock that
// steps a millisecond at each reading, and a view of the log.
struct LoggedConsole : ScratchFolder, ConsoleFixture {
    LoggedConsole() : ConsoleFixture(Readers::Console) {
        console.log.setClock([this] { return noonish() + clockReadings++; });
    }

    QStringList shown() {
        view.catchUp();
        return view.shownLines();
    }
    void reply(const QByteArray& block) { transport.arrive(block); }
    void type(const QString& text) { console.manualLine.setText(text, int(text.size())); }

    qint64 clockReadings = 0;
    LogViewModel view{console.log, messages};
};

}  // namespace

// The communication log: what it records and in which order, what the poll filter hides, how
// far it grows, and what Save writes.
class CommunicationLogTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void recordsASessionInOrderWithVisibleLineEnds();
    void hidesThePollByOriginNotByText();
    void staysBoundedUnderAFlood();
    void pauseHoldsTheViewAndKeepsWhatFits();
    void saveWritesTheLinesShown();
};

void CommunicationLogTest::recordsASessionInOrderWithVisibleLineEnds() {
    LoggedConsole f;
    QVERIFY(f.inScratchFolder);
    QVERIFY(connectThroughDialog(f.console.session, kLoopback, QStringLiteral("7777")));
    f.console.poll.Timer2_Timer();  // the poll's "VER?"
    f.reply("QUVEN01 V1.20\r\n");
    f.reply("SRQ01\r\n");  // a notice, while nothing waits
    f.type(QStringLiteral("MODE?\r\n"));
    f.console.poll.Timer2_Timer();
    f.reply(QByteArray("N1\x00\x1b\r\n", 6));
    f.console.session.Connect_Click();

    QCOMPARE(f.shown(), (QStringList{
                            "12:34:56.000 -- Session opened: host 127.0.0.1, port 7777",
                            "12:34:56.001 -> VER?\\r\\n",
                            "12:34:56.002 <- QUVEN01 V1.20\\r\\n",
                            "12:34:56.003 <- SRQ01\\r\\n",
                            "12:34:56.004 -- Notice: SRQ01 received !",
                            "12:34:56.005 -> MODE?\\r\\n",
                            "12:34:56.006 <- N1\\x00\\x1B\\r\\n",
                            "12:34:56.007 -- Session closed (Disconnect)",
                        }));
}

void CommunicationLogTest::hidesThePollByOriginNotByText() {
    LoggedConsole f;
    openSession(f);
    f.console.poll.Timer2_Timer();  // the poll's "VER?"
    f.reply("QUVEN01 V1.20\r\n");
    f.type(QStringLiteral("VER?\r\n"));  // the same query, typed
    f.console.poll.Timer2_Timer();
    f.reply("QUVEN01 V1.20\r\n");
    f.console.poll.Timer2_Timer();  // the poll's counter query, unanswered
    f.reply("SRQ02\r\n");           // a notice while the poll waits is not the poll's answer
    for (int tick = 0; tick < PollCycle::kReplyTimeoutTicks; ++tick) {
        f.console.poll.Timer2_Timer();  // the time-out, and the query asked again
    }
    f.console.commands.Command6_Click();  // "+J", sent blind
    QCOMPARE(f.shown().size(), 10);

    f.view.setHidePoll(true);
    QCOMPARE(f.view.shownLines(), (QStringList{
                                      "12:34:56.002 -> VER?\\r\\n",
                                      "12:34:56.003 <- QUVEN01 V1.20\\r\\n",
                                      "12:34:56.005 <- SRQ02\\r\\n",
                                      "12:34:56.006 -- Notice: SRQ02 received !",
                                      "12:34:56.007 -- No answer in time to \"CNT?\\r\\n\": the "
                                      "poll goes on",
                                      "12:34:56.009 -> +J\\r\\n",
                                  }));
    // New lines are filtered as they come, and unticking shows the poll again.
    f.console.module.ReplyPending = false;
    f.console.poll.Timer2_Timer();
    QCOMPARE(f.shown().size(), 6);
    f.view.setHidePoll(false);
    QCOMPARE(f.view.rowCount(), 11);
}

void CommunicationLogTest::staysBoundedUnderAFlood() {
    CommunicationLog log;
    RecordedMessages messages;
    LogViewModel view(log, messages);
    constexpr int kFlood = 100000;
    for (int line = 0; line < kFlood; ++line) {
        log.addReceived(QStringLiteral("SRQ%1\r\n").arg(line), LineOrigin::Unasked);
        if (line % 7919 == 0) {
            view.catchUp();  // a view that takes in the lines now and then, as the window does
        }
    }
    view.catchUp();
    QCOMPARE(log.size(), CommunicationLog::kCapacity);
    QCOMPARE(log.first(), qint64(kFlood - CommunicationLog::kCapacity));
    QCOMPARE(view.rowCount(), CommunicationLog::kCapacity);
    QVERIFY(view.lineAt(0).endsWith(QStringLiteral(" <- SRQ80000\\r\\n")));
    QVERIFY(view.lineAt(view.rowCount() - 1).endsWith(QStringLiteral(" <- SRQ99999\\r\\n")));

    // A very long block is kept only up to a bound too.
    log.addReceived(QString(100000, QLatin1Char('A')) + QStringLiteral("\r\n"),
                    LineOrigin::Unasked);
    const LogEntry* longest = log.at(log.next() - 1);
    QCOMPARE(longest->text.size(), CommunicationLog::kMaxEntryLength);
    view.catchUp();
    QVERIFY(view.lineAt(view.rowCount() - 1).endsWith(QStringLiteral(" (99002 more characters)")));
    QCOMPARE(view.rowCount(), CommunicationLog::kCapacity);
}

void CommunicationLogTest::pauseHoldsTheViewAndKeepsWhatFits() {
    CommunicationLog log;
    RecordedMessages messages;
    LogViewModel view(log, messages);
    for (int line = 0; line < 100; ++line) {
        log.addSent(QStringLiteral("L%1\r\n").arg(line), LineOrigin::ManualLine);
    }
    view.catchUp();
    log.setPaused(true);
    for (int line = 100; line < CommunicationLog::kCapacity + 50; ++line) {
        log.addSent(QStringLiteral("L%1\r\n").arg(line), LineOrigin::ManualLine);
    }
    view.catchUp();
    QCOMPARE(view.rowCount(), 100);    // the view holds still
    QCOMPARE(log.first(), qint64(0));  // and nothing it shows was pushed out

    // Resumed, the view takes in all that was kept, and the log goes on as a ring.
    log.setPaused(false);
    const LogViewModel::Change change = view.catchUp();
    QCOMPARE(change.removed, 1);
    QCOMPARE(view.rowCount(), CommunicationLog::kCapacity);
    QVERIFY(view.lineAt(98).endsWith(QStringLiteral(" -> L99\\r\\n")));
    QVERIFY(view.lineAt(99).endsWith(QStringLiteral(" -- Log paused")));
    QVERIFY(view.lineAt(view.rowCount() - 1)
                .endsWith(QStringLiteral(" -- Log resumed; 51 lines came while it was paused "
                                         "and full, and were not kept")));

    log.clear();
    QCOMPARE(view.catchUp().removed, CommunicationLog::kCapacity);
    QCOMPARE(view.rowCount(), 0);
}

void CommunicationLogTest::saveWritesTheLinesShown() {
    LoggedConsole f;
    openSession(f);
    f.console.poll.Timer2_Timer();
    f.reply("QUVEN01 V1.20\r\n");
    f.type(QStringLiteral("LS?\r\n"));
    f.console.poll.Timer2_Timer();
    f.reply(QByteArray("LS M 00\xE9\r\n"));
    f.view.catchUp();
    f.view.setHidePoll(true);

    const QString path = f.scratchDir.filePath(QStringLiteral("log.txt"));
    QVERIFY(f.view.save(path));
    QCOMPARE(readBytes(path), QByteArray("12:34:56.002 -> LS?\\r\\n\r\n"
                                         "12:34:56.003 <- LS M 00\xE9\\r\\n\r\n"));
    QVERIFY(f.messages.shown.isEmpty());

    // A file that cannot be written is told, and nothing is left behind.
    const QString folder = f.scratchDir.filePath(QStringLiteral("no-such-folder/log.txt"));
    QVERIFY(!f.view.save(folder));
    QCOMPARE(f.messages.shown.size(), 1);
    QVERIFY(f.messages.shown.first().text.startsWith(
        QStringLiteral("The log could not be saved to ") + folder + QStringLiteral(": ")));
    QVERIFY(!QFile::exists(folder));
}

QTEST_GUILESS_MAIN(CommunicationLogTest)
#include "tst_communication_log.moc"
