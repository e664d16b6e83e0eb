// SPDX-License-Identifier: Apache-2.0
#include <QApplication>
#include <QLabel>
#include <QtTest>

#include "ScratchFolder.h"
#include "WidgetProbe.h"
#include "WindowedConsole.h"
#include "ui/kit/Colours.h"
#include "ui/kit/Lamp.h"
#include "ui/kit/WidgetLook.h"

using namespace quven;
using widgetprobe::indexed;
using widgetprobe::paintedBeside;

namespace {

// The darkest grey a widget paints inside its border: its text.
int darkest(QWidget* widget) {
    constexpr int kBorder = 4;
    const QImage image = widget->grab().toImage();
    int dark = 255;
    for (int y = kBorder; y < image.height() - kBorder; ++y) {
        for (int x = kBorder; x < image.width() - kBorder; ++x) {
            dark = std::min(dark, qGray(image.pixel(x, y)));
        }
    }
    return dark;
}

// Text in the dimmed grey, plainly paler than the live black; the grey is as dark as it must
// be to stay readable (tst_main_frm_desktop checks its contrast).
bool showsPale(QWidget* widget) {
    return qAbs(darkest(widget) - qGray(colours::DimmedText.rgb())) <= 0x10;
}
bool showsLive(QWidget* widget) {
    return darkest(widget) < 0x30;
}

// The control screen on a recording transport with manual timers, in a folder of its own, the
// link's clock in the test's hand.
struct Screen : ScratchFolder, WindowedConsole<> {
    Screen() {
        console.linkHealth.setClock([this] { return now; });
        main.show();
    }

    template <typename W = QWidget>
    W* find(const QString& name) {
        return widgetprobe::find<W>(main, name);
    }
    Lamp* linkLamp() { return find<Lamp>(QStringLiteral("LinkLamp")); }

    // "dimmed", "live", or the first display that differs from the counter display.
    QString panelLook() {
        QStringList live = {QStringLiteral("Label2_0"), QStringLiteral("Label13")};
        for (int key = 0; key < 10; ++key) {
            live << indexed("Command3", key);
        }
        live << indexed("Option2", 0) << indexed("Option2", 2);
        const bool dimmed = isDimmed(find(QStringLiteral("Label2_1")));
        for (const QString& name : live) {
            if (isDimmed(find(name)) != dimmed) {
                return name;
            }
        }
        for (int lamp = 0; lamp < 32; ++lamp) {
            if (find<Lamp>(indexed("Shape1", lamp))->isDimmed() != dimmed) {
                return indexed("Shape1", lamp);
            }
        }
        return QLatin1String(dimmed ? "dimmed" : "live");
    }

    void answer() { transport.arrive("+0000042\r\n"); }
    void checkLink() { console.linkHealth.tmrLink_Timer(); }

    qint64 now = 0;
};

}  // namespace

// The link lamp at the end of the status line, and the panel's live displays dimmed while the
// controller is not answering: grey without a session, green while answers come, amber once a
// query has waited more than a second.
class LinkLampTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() {
        useConsoleStyle(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    }
    void followsTheAnswersAndDimsThePanel();
    void aQueryThatFindsNoConnectionWaitsToo();
};

void LinkLampTest::followsTheAnswersAndDimsThePanel() {
    Screen s;
    QVERIFY(s.inScratchFolder);
    PollCycle& poll = s.console.poll;
    auto* counter = s.find<QLabel>(QStringLiteral("Label2_1"));
    QWidget* normalKey = s.find(QStringLiteral("Command3_9"));
    s.console.panel.setKeyLit(PanelState::kNormalKey, true);
    QCOMPARE(s.linkLamp()->fillColour(), colours::LinkNoSession);
    QCOMPARE(s.linkLamp()->toolTip(), QStringLiteral("LINK: no session"));
    QCOMPARE(s.panelLook(), QStringLiteral("dimmed"));
    QVERIFY(showsPale(counter));
    QVERIFY(showsPale(normalKey));

    // A new session is not live before its first answer.
    QVERIFY(connectThroughDialog(s.console.session, kLoopback, QStringLiteral("7777")));
    poll.Timer2_Timer();
    QCOMPARE(s.linkLamp()->fillColour(), colours::LinkNoSession);
    QCOMPARE(s.linkLamp()->toolTip(), QStringLiteral("LINK: waiting for the first answer"));
    s.transport.arrive("QUVEN01 V1.20\r\n");
    QCOMPARE(s.linkLamp()->fillColour(), colours::LinkLive);
    QCOMPARE(s.panelLook(), QStringLiteral("live"));
    QVERIFY(showsLive(counter));
    QVERIFY(showsLive(normalKey));
    poll.Timer2_Timer();
    s.answer();

    // The next query waits. Asked again after each time-out, it keeps its place in the count:
    // more than a second after it was first asked, the lamp turns amber.
    s.now = 300;
    poll.Timer2_Timer();
    s.now = 1300;
    for (int tick = 0; tick <= 2 * PollCycle::kReplyTimeoutTicks; ++tick) {
        poll.Timer2_Timer();
        s.checkLink();
    }
    QCOMPARE(s.linkLamp()->fillColour(), colours::LinkLive);
    s.now = 1301;
    s.checkLink();
    QCOMPARE(s.linkLamp()->fillColour(), colours::LinkNoAnswer);
    QCOMPARE(s.linkLamp()->toolTip(), QStringLiteral("LINK: no answer, last answer 1 s ago"));
    QCOMPARE(s.panelLook(), QStringLiteral("dimmed"));
    QVERIFY(showsPale(counter));
    // The displays keep their content and their documented back colours.
    QCOMPARE(counter->text(), QStringLiteral("+0000042"));
    QCOMPARE(paintedBeside(counter), colours::LightYellow);
    QCOMPARE(paintedBeside(normalKey), colours::Yellow);

    // An answer makes it live again; while nothing is asked it stays as it is.
    s.answer();
    QCOMPARE(s.linkLamp()->fillColour(), colours::LinkLive);
    QCOMPARE(s.panelLook(), QStringLiteral("live"));
    s.now = 9000;
    s.checkLink();
    QCOMPARE(s.linkLamp()->fillColour(), colours::LinkLive);
    QCOMPARE(s.linkLamp()->toolTip(), QStringLiteral("LINK: answering, last answer 7 s ago"));

    // A notice is no answer to a waiting query.
    poll.Timer2_Timer();
    s.now = 10100;
    s.transport.arrive("SRQ01\r\n");
    s.checkLink();
    QCOMPARE(s.linkLamp()->fillColour(), colours::LinkNoAnswer);

    s.console.session.Connect_Click();  // "Disconnect"
    QCOMPARE(s.linkLamp()->fillColour(), colours::LinkNoSession);
    QCOMPARE(s.panelLook(), QStringLiteral("dimmed"));
    QCOMPARE(counter->text(), QStringLiteral("+0000042"));
}

void LinkLampTest::aQueryThatFindsNoConnectionWaitsToo() {
    Screen s;
    QVERIFY(connectThroughDialog(s.console.session, kLoopback, QStringLiteral("7777")));
    s.console.poll.Timer2_Timer();
    s.transport.arrive("QUVEN01 V1.20\r\n");
    QCOMPARE(s.linkLamp()->fillColour(), colours::LinkLive);

    // The controller has closed the connection: the next query brings "Not connected !", and
    // while the box is open the session is still there, with nothing live in it.
    s.transport.connected = false;
    QColor whileShown;
    s.messages.whileShown = [&s, &whileShown](const Message&) {
        s.now += LinkHealth::kAnswerWaitMs + LinkHealth::kCheckPeriodMs;
        s.checkLink();
        whileShown = s.linkLamp()->fillColour();
    };
    s.console.poll.Timer2_Timer();
    QCOMPARE(s.messages.texts(), QStringList{QStringLiteral("Not connected !")});
    QCOMPARE(whileShown, colours::LinkNoAnswer);
    // Once it is closed the session is dropped.
    QCOMPARE(s.linkLamp()->fillColour(), colours::LinkNoSession);
    QCOMPARE(s.panelLook(), QStringLiteral("dimmed"));
}

QTEST_MAIN(LinkLampTest)
#include "tst_link_lamp.moc"
