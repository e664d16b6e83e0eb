// SPDX-License-Identifier: Apache-2.0
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "ConsoleFixture.h"
#include "FileBytes.h"

using namespace quven;

namespace {

// The console on a recording transport, its host history in a folder of its own.
struct SessionFixture : ConsoleFixture {
    SessionFixture() {
        historyPath = dir.filePath(QStringLiteral("MainfRM_L.Log"));
        console.session.setHistoryPath(historyPath);
    }

    void writeHistory(const QByteArray& bytes) { writeBytes(historyPath, bytes); }
    QByteArray history() const { return readBytes(historyPath); }

    ConnectDialogModel& openDialog() {
        console.session.Connect_Click();
        return *console.session.connectDialogModel();
    }

    // Opens the dialog, types host and port, presses "Connect".
    void connectTo(const QString& host, const QString& port = QStringLiteral("7777")) {
        QVERIFY(connectThroughDialog(console.session, host, port));
    }

    SessionControls& controls() { return console.sessionControls; }

    QTemporaryDir dir;
    QString historyPath;
};

const Message kWrongPort{QStringLiteral("Wrong port number !"), QStringLiteral("QUVEN"),
                         MessageIcon::None};

}  // namespace

// Opening, closing, cancelling and leaving the one session, and the connect dialog's history.
class SessionTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void startsDisconnected();
    void firstRunOffersTheDefaultAndWritesTheHost();
    void connectOpensTheSessionAndStartsThePoll();
    void disconnectClosesTheSession();
    void reconnectingToTheTopHostKeepsSixFields();
    void aNewHostDropsTheFifthEntry();
    void portTextConversion_data();
    void portTextConversion();
    void refusedConnectionsTakeTheFailureStep();
    void unwritableHistoryIsToldOnceAndTheSessionOpens();
    void cancelOnlyChangesTheCaption();
    void dialogIsKeptUntilItsCloseBox();
    void quitAndWindowClose();
};

void SessionTest::startsDisconnected() {
    SessionFixture f;
    QVERIFY(!f.m().Connected);
    QCOMPARE(f.m().ScreenMode, screenmode::Control);
    QCOMPARE(f.console.Timer2.interval(), 0);
    QCOMPARE(f.controls().connectCaption(), QStringLiteral("&Connect..."));
    QVERIFY(!f.controls().sessionLit());
    QCOMPARE(f.controls().hostLabel(), QStringLiteral("Host Name"));
    QCOMPARE(f.controls().portLabel(), QStringLiteral("Port No."));
    QVERIFY(!f.console.session.connectDialogModel());
    QVERIFY(f.transport.sent.isEmpty());
}

void SessionTest::firstRunOffersTheDefaultAndWritesTheHost() {
    SessionFixture f;
    ConnectDialogModel& form = f.openDialog();
    QVERIFY(form.isShown());
    QVERIFY(form.isEditable());
    QCOMPARE(form.hostText(), ConnectDialogModel::kDefaultControllerAddress);
    QCOMPARE(form.portText(), QStringLiteral("7777"));
    QVERIFY(form.hostList().isEmpty());

    // The recording transport has no socket: typing the default here dials nothing.
    f.console.session.ConnectButton_Click();
    QVERIFY(f.m().Connected);
    QCOMPARE(f.history(), ConnectDialogModel::kDefaultControllerAddress.toLatin1() + ",,,,,,\r\n");
}

void SessionTest::connectOpensTheSessionAndStartsThePoll() {
    SessionFixture f;
    f.m().ReplyPending = true;
    f.m().ReplyWaitTicks = 3;
    f.m().PollState = pollstate::Mode;
    f.connectTo(QStringLiteral("127.0.0.1"), QStringLiteral("7777"));

    QVERIFY(f.messages.shown.isEmpty());
    QCOMPARE(f.transport.connectCalls.size(), 1);
    QCOMPARE(f.transport.connectCalls.first().host, QStringLiteral("127.0.0.1"));
    QCOMPARE(f.transport.connectCalls.first().port, 7777);
    QVERIFY(f.m().Connected);
    QCOMPARE(f.m().HostName, QStringLiteral("127.0.0.1"));
    QCOMPARE(f.m().PortNo, 7777);
    QCOMPARE(f.m().PollState, pollstate::Firmware);
    QVERIFY(!f.m().ReplyPending);
    QCOMPARE(f.m().ReplyWaitTicks, 0);
    QCOMPARE(f.console.Timer2.interval(), 50);
    QCOMPARE(f.controls().connectCaption(), QStringLiteral("Disconnect"));
    QVERIFY(f.controls().sessionLit());
    QCOMPARE(f.controls().hostLabel(), QStringLiteral("Host Name 127.0.0.1"));
    QCOMPARE(f.controls().portLabel(), QStringLiteral("Port No. 7777"));
    QVERIFY(!f.console.session.connectDialogModel()->isShown());
    QCOMPARE(f.console.session.connectDialogModel()->hostList(), QStringList{"127.0.0.1"});
    // Opening a session sends nothing: the poll asks for the firmware first.
    QVERIFY(f.transport.sent.isEmpty());
}

void SessionTest::disconnectClosesTheSession() {
    SessionFixture f;
    f.connectTo(QStringLiteral("127.0.0.1"));
    const int closesBefore = f.transport.closeCount;

    f.console.session.Connect_Click();

    QCOMPARE(f.transport.closeCount, closesBefore + 1);
    QVERIFY(!f.m().Connected);
    QCOMPARE(f.console.Timer2.interval(), 0);
    QCOMPARE(f.controls().connectCaption(), QStringLiteral("Connect"));
    QVERIFY(!f.controls().sessionLit());
    QCOMPARE(f.controls().hostLabel(), QStringLiteral("Host Name "));
    QCOMPARE(f.controls().portLabel(), QStringLiteral("Port No. "));
    QVERIFY(f.transport.sent.isEmpty());
    // The dialog is not shown by a disconnect; the next press shows it again.
    QVERIFY(!f.console.session.connectDialogModel()->isShown());
    f.console.session.Connect_Click();
    QVERIFY(f.console.session.connectDialogModel()->isShown());
}

void SessionTest::reconnectingToTheTopHostKeepsSixFields() {
    SessionFixture f;
    f.writeHistory("127.0.0.1,b,c,d,e,f,\r\n");
    ConnectDialogModel& form = f.openDialog();
    QCOMPARE(form.hostList(), (QStringList{"127.0.0.1", "b", "c", "d", "e", "f"}));
    QCOMPARE(form.hostText(), QStringLiteral("127.0.0.1"));

    f.console.session.ConnectButton_Click();

    QVERIFY(f.m().Connected);
    QCOMPARE(form.hostList(), (QStringList{"127.0.0.1", "b", "c", "d", "e"}));
    QCOMPARE(form.hostText(), QStringLiteral("127.0.0.1"));
    QCOMPARE(f.history(), QByteArray("127.0.0.1,b,c,d,e,,\r\n"));
}

void SessionTest::aNewHostDropsTheFifthEntry() {
    SessionFixture f;
    f.writeHistory("a,b,c,d,e,f,\r\n");
    f.connectTo(QStringLiteral("127.0.0.1"));
    QCOMPARE(f.history(), QByteArray("127.0.0.1,a,b,c,d,f,\r\n"));

    // The host typed with blanks is kept exactly as typed, in the file as in the session.
    f.console.session.Connect_Click();
    f.connectTo(QStringLiteral("localhost "));
    QCOMPARE(f.transport.connectCalls.last().host, QStringLiteral("localhost "));
    QCOMPARE(f.history(), QByteArray("localhost ,127.0.0.1,a,b,c,f,\r\n"));
}

void SessionTest::portTextConversion_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("port");  // -1: "Wrong port number !"
    QTest::addColumn<QString>("label");

    QTest::newRow("plain") << "7777" << 7777 << "Port No. 7777";
    QTest::newRow("a half rounds to even, up") << "7777.5" << 7778 << "Port No. 7778";
    QTest::newRow("a half rounds to even, down") << "7776.5" << 7776 << "Port No. 7776";
    QTest::newRow("leading zeros") << "0080" << 80 << "Port No. 80";
    QTest::newRow("blanks anywhere") << " 7 7\t77 " << 7777 << "Port No. 7777";
    QTest::newRow("trailing text stops the number") << "7777abc" << 7777 << "Port No. 7777";
    QTest::newRow("exponent") << "7.777E3" << 7777 << "Port No. 7777";
    QTest::newRow("hexadecimal") << "&H1E61" << 7777 << "Port No. 7777";
    QTest::newRow("largest") << "32767" << 32767 << "Port No. 32767";
    QTest::newRow("too large") << "40000" << -1 << "";
    QTest::newRow("rounds past the largest") << "32767.5" << -1 << "";
}

void SessionTest::portTextConversion() {
    QFETCH(QString, text);
    QFETCH(int, port);
    QFETCH(QString, label);

    SessionFixture f;
    f.connectTo(QStringLiteral("127.0.0.1"), text);
    if (port < 0) {
        QCOMPARE(f.messages.shown, QList<Message>{kWrongPort});
        QVERIFY(f.transport.connectCalls.isEmpty());
        QVERIFY(!f.m().Connected);
        QVERIFY(f.console.session.connectDialogModel()->isShown());
        QCOMPARE(f.console.session.connectDialogModel()->portText(), text);
        QVERIFY(!QFile::exists(f.historyPath));
        return;
    }
    QVERIFY(f.messages.shown.isEmpty());
    QCOMPARE(f.transport.connectCalls.first().port, port);
    QCOMPARE(f.controls().portLabel(), label);
}

void SessionTest::refusedConnectionsTakeTheFailureStep() {
    SessionFixture f;
    // A text without a number gives port 0, which is handed to the socket; ours refuses it.
    f.transport.acceptConnect = false;
    f.connectTo(QStringLiteral("127.0.0.1"), QStringLiteral("none"));
    QCOMPARE(f.transport.connectCalls.first().port, 0);
    QCOMPARE(f.messages.shown, QList<Message>{kWrongPort});
    QCOMPARE(f.transport.closeCount, 1);
    QVERIFY(!f.m().Connected);
    QCOMPARE(f.console.Timer2.interval(), 0);
    QVERIFY(f.console.session.connectDialogModel()->isShown());
    QCOMPARE(f.controls().hostLabel(), QStringLiteral("Host Name"));

    // Corrected and pressed again, the same dialog connects.
    f.transport.acceptConnect = true;
    f.console.session.connectDialogModel()->setPortText(QStringLiteral("7777"));
    f.console.session.ConnectButton_Click();
    QVERIFY(f.m().Connected);
    QCOMPARE(f.messages.shown.size(), 1);
}

void SessionTest::unwritableHistoryIsToldOnceAndTheSessionOpens() {
    SessionFixture f;
    f.console.session.setHistoryPath(f.dir.filePath(QStringLiteral("missing/MainfRM_L.Log")));
    f.connectTo(QStringLiteral("127.0.0.1"), QStringLiteral("7777"));

    // The operator reaches the controller, and is told why the host will not be offered again.
    QVERIFY(f.m().Connected);
    QCOMPARE(f.console.Timer2.interval(), 50);
    QCOMPARE(f.transport.closeCount, 0);
    QCOMPARE(f.controls().hostLabel(), QStringLiteral("Host Name 127.0.0.1"));
    QVERIFY(!f.console.session.connectDialogModel()->isShown());
    QCOMPARE(f.messages.shown.size(), 1);
    QVERIFY(f.messages.shown.first().text.contains(QLatin1String("MainfRM_L.Log")));
    QVERIFY(!f.messages.shown.first().text.contains(QLatin1String("Wrong port number")));

    // Once in a run, not at every connect.
    f.console.session.Connect_Click();
    f.console.session.Connect_Click();
    f.console.session.ConnectButton_Click();
    QVERIFY(f.m().Connected);
    QCOMPARE(f.messages.shown.size(), 1);
}

void SessionTest::cancelOnlyChangesTheCaption() {
    SessionFixture f;
    f.openDialog();
    f.console.session.CancelButton_Click();
    QVERIFY(!f.console.session.connectDialogModel()->isShown());
    QCOMPARE(f.transport.closeCount, 1);
    QVERIFY(!f.m().Connected);
    QCOMPARE(f.controls().connectCaption(), QStringLiteral("Connect"));
    QVERIFY(!f.controls().sessionLit());
    QCOMPARE(f.controls().hostLabel(), QStringLiteral("Host Name"));
    QVERIFY(!QFile::exists(f.historyPath));
}

void SessionTest::dialogIsKeptUntilItsCloseBox() {
    SessionFixture f;
    f.writeHistory("a,b,,,,,\r\n");
    ConnectDialogModel* form = &f.openDialog();
    form->setPortText(QStringLiteral("1234"));
    f.console.session.CancelButton_Click();

    // Shown again, it is the same dialog with what was typed.
    QSignalSpy raised(form, &ConnectDialogModel::raiseRequested);
    f.console.session.Connect_Click();
    QCOMPARE(f.console.session.connectDialogModel(), form);
    QCOMPARE(form->portText(), QStringLiteral("1234"));
    // Pressing `Connect` again while it is open only brings it forward.
    f.console.session.Connect_Click();
    QCOMPARE(raised.count(), 1);

    // The close box discards it; the next one reads the history again, which changed meanwhile.
    QSignalSpy discarded(&f.console.session, &Session::connectDialogModelDiscarded);
    f.console.session.ConnectFrm_Closed();
    QCOMPARE(discarded.count(), 1);
    QVERIFY(!f.console.session.connectDialogModel());
    QVERIFY(!f.m().Connected);
    f.writeHistory("c,,,,,,\r\n");
    ConnectDialogModel& fresh = f.openDialog();
    QCOMPARE(fresh.hostList(), (QStringList{"c", "", "", "", "", ""}));
    QCOMPARE(fresh.portText(), QStringLiteral("7777"));
}

void SessionTest::quitAndWindowClose() {
    SessionFixture f;
    QSignalSpy ended(&f.console.session, &Session::endProgram);

    // Disconnected: the window may close, with no question.
    QVERIFY(f.console.session.MainFrm_QueryUnload());
    QVERIFY(f.messages.shown.isEmpty());

    f.connectTo(QStringLiteral("127.0.0.1"));
    QVERIFY(!f.console.session.MainFrm_QueryUnload());
    QCOMPARE(f.messages.shown,
             QList<Message>{
                 (Message{QStringLiteral("Session is still active, Please disconnect before exit."),
                          QStringLiteral("Caution !"), MessageIcon::Information})});
    QVERIFY(f.m().Connected);
    QCOMPARE(f.console.Timer2.interval(), 50);
    QCOMPARE(ended.count(), 0);

    // Quit closes the socket and ends at once, without asking.
    const int closesBefore = f.transport.closeCount;
    f.console.session.Command1_Click();
    QCOMPARE(f.transport.closeCount, closesBefore + 1);
    QCOMPARE(ended.count(), 1);
    QCOMPARE(f.messages.shown.size(), 1);
}

QTEST_GUILESS_MAIN(SessionTest)
#include "tst_session.moc"
