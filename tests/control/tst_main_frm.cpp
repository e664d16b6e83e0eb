// SPDX-License-Identifier: Apache-2.0
#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "MainFrmScreen.h"
#include "control/LineBreaks.h"
#include "ui/kit/Colours.h"
#include "ui/kit/Lamp.h"
#include "ui/kit/WidgetLook.h"

using namespace quven;
using namespace mainfrmtest;

// The control screen's front panel on its real widgets: what it shows, where, in which colours,
// and that clicks, typing and the logic's changes travel between widgets and logic.
class MainFrmTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() {
        useConsoleStyle(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    }

    void mapsLineBreaksBetweenBoxAndLine() {
        const QString box = QStringLiteral("AB\nCD\n");
        const QString line = QStringLiteral("AB\r\nCD\r\n");
        QCOMPARE(lineTextFromBox(box), line);
        QCOMPARE(boxTextFromLine(line), box);
        QCOMPARE(lineCaretFromBox(box, 2), 2);
        QCOMPARE(lineCaretFromBox(box, 3), 4);
        QCOMPARE(lineCaretFromBox(box, 99), 8);
        QCOMPARE(boxCaretFromLine(line, 4), 3);
        QCOMPARE(boxCaretFromLine(line, 8), 6);
        QCOMPARE(boxCaretFromLine(line, 3), 2);  // between CR and LF: before the break
    }

    void showsEveryControlAsDocumented() {
        Screen screen;
        QCOMPARE(screen.main.windowTitle(), QStringLiteral("Control via Telnet"));
        const QList<QAction*> menu = screen.main.menuBar()->actions();
        QCOMPARE(menu.size(), 2);
        QCOMPARE(menu.first()->text(), QStringLiteral("&About"));
        QCOMPARE(menu.first()->objectName(), QStringLiteral("Menu_About"));
        QCOMPARE(menu.last()->text(), QStringLiteral("&Log"));
        QCOMPARE(menu.last()->objectName(), QStringLiteral("Menu_Log"));

        // Name | caption | tooltip.
        const QString controls = QStringLiteral(R"(lbl0|QUVEN-01|
Label11_0|LCD DISPLAY|
Label1|MODE|
Label2_0|NORMAL CTRL|Position display
Label3|COUNT|
Label2_1|0000000|Position display
Label5|0   1    2    3   4   5   6   7|
Label10_5|cwls|
Label16|cwp|
Label17|ccwp|
Label18|ccwls|
Command3_8|8:F|
Command3_9|9:N|
Command3_0|0|
Command3_7|7|
Ctr_0|RES|position data preset
Frame2|SPEED|Speed select
Option2_0|H|Speed select
Option2_1|M|Speed select
Option2_2|L|Speed select
Label7|JOG|
Command6|+|CW jog
Command7|-|CCW jog
Label4|REMOTE CONTROL ONLY|
Connect|&Connect...|Remote connection control
SetupPb|To Setup Screen|To data table and setup
Label10_0|SET DATA|
Text1_0|-0012345|Set data input
Ctr_4|Preset|position data preset
Label6|CONTROL|
Ctr_5|Start|scan start
Ctr_6|Stop|scan stop
Frame1|MODE|Control mode select
Option1_0|+SCN|Control mode select
Option1_3|-SCN|Control mode select
Option1_2|ABS|Control mode select
Option1_1|REL|Control mode select
Command1|Quit|
Text2||
Label20|Send Data(with return Key)|
Label19||
Label21|Receive Data|
Command2|CLR|
Label8|Host Name|
Label9|Port No.|
Label13|Firmware version|
LinkCaption|LINK|LINK: no session)");
        QCOMPARE(widgetprobe::shownMismatch(screen.main, controls), QString());
        for (const char* name : {"lbl0", "Label1", "Label2_0", "Label2_1", "Label3", "Command6"}) {
            QVERIFY2(screen.find(QLatin1String(name))->font().bold(), name);
        }
        QVERIFY(screen.find(QStringLiteral("Label2_1"))->font().pointSizeF() >=
                1.8 * screen.find(QStringLiteral("Label2_0"))->font().pointSizeF());
        QCOMPARE(screen.find(QStringLiteral("Shape1_31"))->accessibleName(),
                 QStringLiteral("Counter-clockwise limit lamp, axis 7"));
    }

    void paintsItsColours() {
        Screen screen;
        QCOMPARE(paintedAt(screen.main.centralWidget(), QPoint(2, 2)), colours::PanelGrey);
        const std::pair<const char*, QColor> painted[] = {
            {"Label2_0", colours::LightYellow}, {"Label2_1", colours::LightYellow},
            {"SetupPb", colours::LightCyan},    {"Ctr_4", colours::Yellow},
            {"Ctr_5", colours::LightGreen},     {"Ctr_6", colours::LightRed},
            {"Label19", colours::LightCyan},    {"Command2", colours::Cyan}};
        for (const auto& [name, colour] : painted) {
            QWidget* widget = screen.find(QLatin1String(name));
            QCOMPARE(backColour(widget), colour);
            QCOMPARE(paintedBeside(widget), colour);
        }
        // The selectors are light grey: seen beside the frames' titles.
        for (const char* name : {"Frame1", "Frame2", "Option1_0", "Option2_1"}) {
            QWidget* widget = screen.find(QLatin1String(name));
            QCOMPARE(backColour(widget), colours::PanelGrey);
            QCOMPARE(paintedAt(widget, QPoint(widget->width() - 2, 1)), colours::PanelGrey);
        }
        // Entry fields stay white on the grey panel.
        QCOMPARE(paintedBeside(screen.find(QStringLiteral("Text1_0"))), QColor(Qt::white));
    }

    void arrangesThePanel() {
        Screen screen;
        QCOMPARE(screen.main.centralWidget()->size(), QSize(560, 450));
        const auto at = [&screen](const QString& name) { return screen.at(name); };
        const auto rightOf = [&screen](QStringList names) {
            return screen.outOfOrder(names, Qt::Horizontal);
        };
        const auto below = [&screen](QStringList names) {
            return screen.outOfOrder(names, Qt::Vertical);
        };

        // Top to bottom down the left edge, and the rows left to right.
        QCOMPARE(
            below({"lbl0", "Label11_0", "Label2_0", "Label2_1", "Command3_8", "Command3_0", "Ctr_0",
                   "Line5", "Label4", "Connect", "Command1", "Label20", "Line3", "Label8"}),
            QString());
        QStringList axisKeys;
        for (int key = 0; key < 8; ++key) {
            axisKeys << indexed("Command3", key);
            QCOMPARE(at(axisKeys.last()).top(), at("Command3_0").top());
            QCOMPARE(at(axisKeys.last()).width(), at(axisKeys.last()).height());
        }
        QCOMPARE(rightOf(axisKeys << "Command6") + rightOf({"Command3_8", "Command3_9"}) +
                     rightOf({"Ctr_0", "Option2_0", "Option2_1", "Option2_2"}) +
                     rightOf({"Label1", "Label2_0"}) + rightOf({"Label3", "Label2_1"}) +
                     rightOf({"Line4", "Connect", "SetupPb", "Text1_0", "Ctr_4", "Ctr_5", "Ctr_6",
                              "Frame1", "Line2"}) +
                     rightOf({"Command1", "Text2", "Label19", "Command2"}) +
                     rightOf({"Label8", "Label9", "Label13", "LinkLamp", "LinkCaption"}),
                 QString());
        QCOMPARE(below({"Label7", "Command6", "Command7", "Line5"}) +
                     below({"Option1_0", "Option1_3", "Option1_2", "Option1_1"}) +
                     below({"Label10_0", "Text1_0"}) + below({"Label6", "Ctr_5"}) +
                     below({"Label6", "Ctr_6"}) + below({"Text2", "Label20"}) +
                     below({"Label19", "Label21"}),
                 QString());

        // The counter display directly below the mode display, the same width; "0" under
        // "8:F", "RES" under "0"; MODE from the area's top down to the first row's bottom.
        QCOMPARE(at("Label2_1").left(), at("Label2_0").left());
        QCOMPARE(at("Label2_1").width(), at("Label2_0").width());
        QVERIFY(at("Label2_1").top() - at("Label2_0").bottom() < 10);
        QCOMPARE(at("Command3_8").left(), at("Command3_0").left());
        QCOMPARE(at("Ctr_0").left(), at("Command3_0").left());
        QCOMPARE(at("Frame1").bottom(), at("Connect").bottom());
        QVERIFY(at("Frame1").top() - at("Line5").bottom() < 10);
        QCOMPARE(at("Command2").right(), at("Frame1").right());
        QVERIFY(at("Text2").left() <= at("SetupPb").right() &&
                at("Text2").right() >= at("SetupPb").left());
        const double share =
            double(at("Line5").top() - at("Line1").top()) / (at("Line3").top() - at("Line1").top());
        QVERIFY2(share > 0.6 && share < 0.72, qPrintable(QString::number(share)));

        // Lamps: four rows of eight in the right half below the header, captions at their
        // left, the index rising from left to right, each column under its digit.
        const QString header = QStringLiteral("0   1    2    3   4   5   6   7");
        const QFontMetrics metrics(screen.find(QStringLiteral("Label5"))->font());
        const char* rowCaptions[] = {"Label10_5", "Label16", "Label17", "Label18"};
        for (int lamp = 0; lamp < 32; ++lamp) {
            const QRect rect = at(indexed("Shape1", lamp));
            const int column = lamp % 8;
            QCOMPARE(rect.top(), at(indexed("Shape1", lamp - column)).top());
            QCOMPARE(
                below({lamp < 8 ? "Label5" : indexed("Shape1", lamp - 8), indexed("Shape1", lamp)}),
                QString());
            const int digit = header.indexOf(QString::number(column));
            const int digitCentre = at("Label5").left() +
                                    metrics.horizontalAdvance(header.left(digit)) +
                                    metrics.horizontalAdvance(header.at(digit)) / 2;
            QVERIFY2(qAbs(rect.center().x() - digitCentre) <= 2, qPrintable(QString::number(lamp)));
            const QRect rowCaption = at(rowCaptions[lamp / 8]);
            QVERIFY(rowCaption.right() < rect.left() && rect.left() > 280);
            QVERIFY(rowCaption.top() <= rect.center().y() &&
                    rect.center().y() <= rowCaption.bottom());
        }
    }

    void keepsEveryCaptionVisible() {
        Screen screen;
        QWidget* panel = screen.main.centralWidget();
        // Nothing overlaps anything else on the panel, whichever of its parts holds it; the
        // drawn lines only meet each other.
        const auto placed = widgetprobe::placedControls(panel);
        QVERIFY(placed.size() > 60);
        for (const auto& [widget, at] : placed) {
            for (const auto& [other, otherAt] : placed) {
                const bool lines = widget->objectName().startsWith(QLatin1String("Line")) &&
                                   other->objectName().startsWith(QLatin1String("Line"));
                QVERIFY2(
                    other == widget || lines || !at.intersects(otherAt),
                    qPrintable(widget->objectName() + QLatin1String(" on ") + other->objectName()));
            }
        }
        // Every caption fits its control, in the control's own font.
        for (QWidget* widget : panel->findChildren<QWidget*>()) {
            const QString text = caption(widget).remove(QLatin1Char('&'));
            const int needed = QFontMetrics(widget->font()).horizontalAdvance(text);
            int room = widget->contentsRect().width();
            if (qobject_cast<QRadioButton*>(widget) != nullptr) {
                room = widget->width() - (widget->sizeHint().width() - needed);
            } else if (qobject_cast<QPushButton*>(widget) || qobject_cast<QLineEdit*>(widget)) {
                room -= 8;  // border and padding
            }
            QVERIFY2(text.isEmpty() || needed <= room, qPrintable(widget->objectName()));
        }
    }

    void startsInTheDocumentedState() {
        Screen screen;
        QVERIFY(screen.find<QRadioButton>(QStringLiteral("Option2_1"))->isChecked());
        QVERIFY(screen.find<QRadioButton>(QStringLiteral("Option1_1"))->isChecked());
        for (int lamp = 0; lamp < 32; ++lamp) {
            QCOMPARE(screen.find<Lamp>(indexed("Shape1", lamp))->fillColour(), colours::LampOff);
        }
        Lamp* lamp = screen.find<Lamp>(QStringLiteral("Shape1_0"));
        QCOMPARE(paintedAt(lamp, lamp->rect().center()), colours::LampOff);
        const QColor buttonFace = paintedBeside(screen.find(QStringLiteral("Ctr_0")));
        for (int key = 0; key < 10; ++key) {
            QWidget* button = screen.find(indexed("Command3", key));
            QVERIFY(!backColour(button).isValid());
            QVERIFY(sameShade(paintedBeside(button), buttonFace));
        }
        QVERIFY(screen.transport.sent.isEmpty() && screen.messages.shown.isEmpty());
    }

    void clicksReachTheCommands() {
        Screen screen;
        screen.connectSession();
        Module1& module = screen.console.module;
        screen.click(QStringLiteral("Command3_3"));
        QCOMPARE(module.KeyRequest, 4);
        QCOMPARE(module.LastKeyIndex, 3);
        screen.click(QStringLiteral("Command3_9"));
        QCOMPARE(module.KeyRequest, 10);
        screen.click(QStringLiteral("Ctr_0"));
        QCOMPARE(module.PresetRequest, 1);
        screen.click(QStringLiteral("Ctr_4"));
        QCOMPARE(module.PresetRequest, 2);
        screen.click(QStringLiteral("Option1_3"));
        screen.click(QStringLiteral("Ctr_5"));
        QCOMPARE(module.ScanRequest, 2);

        // A speed range reported by the controller is shown, and nothing goes out for it.
        screen.console.panel.setSpeedOption(PanelState::SpeedL);
        QVERIFY(screen.find<QRadioButton>(QStringLiteral("Option2_2"))->isChecked());
        QVERIFY(screen.transport.sent.isEmpty());
        for (const char* name : {"Option2_0", "Command6", "Command7", "Ctr_6"}) {
            screen.click(QLatin1String(name));
        }
        QVERIFY(screen.find<QRadioButton>(QStringLiteral("Option2_0"))->isChecked());
        QCOMPARE(screen.console.panel.speedOption(), int(PanelState::SpeedH));
        QCOMPARE(module.ScanRequest, 0);
        QCOMPARE(screen.transport.sent,
                 (QByteArrayList{"SPDH\r\n", "+J\r\n", "-J\r\n", "STOPS\r\n"}));

        screen.console.receiveDisplay.setText(QStringLiteral("N00010000\r\n"));
        QCOMPARE(screen.text(QStringLiteral("Label19")), QStringLiteral("N00010000\r\n"));
        screen.click(QStringLiteral("Command2"));
        QCOMPARE(screen.text(QStringLiteral("Label19")), QString());

        screen.console.Timer2.setInterval(50);
        screen.click(QStringLiteral("SetupPb"));
        QCOMPARE(module.ScreenMode, screenmode::Table);
        QCOMPARE(screen.console.Timer2.interval(), 0);
        QVERIFY(screen.messages.shown.isEmpty());
    }

    void modeAndSetDataFollowTheLogic() {
        Screen screen;
        OperatorCommands& commands = screen.console.commands;
        commands.setModeOption(OperatorCommands::Abs);
        QVERIFY(screen.find<QRadioButton>(QStringLiteral("Option1_2"))->isChecked());
        auto* setData = screen.find<QLineEdit>(QStringLiteral("Text1_0"));
        setData->selectAll();
        QTest::keyClicks(setData, QStringLiteral("12345"));
        QCOMPARE(commands.FormatSetData(), QStringLiteral("+0012345"));
        commands.setSetDataText(QStringLiteral("-50"));
        QCOMPARE(setData->text(), QStringLiteral("-50"));
    }

    void manualBoxMarksTheCommandOnEnter() {
        Screen screen;
        screen.connectSession();
        auto* box = screen.find<QPlainTextEdit>(QStringLiteral("Text2"));
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("MODE?"));
        QCOMPARE(screen.console.manualLine.text(), QStringLiteral("MODE?"));
        QVERIFY(!screen.console.module.ManualCommandPending);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->toPlainText(), QStringLiteral("MODE?"));
        QCOMPARE(box->textCursor().position(), 5);
        QVERIFY(screen.console.module.ManualCommandPending);

        // Pasted lines end up joined into one, the caret at the end.
        box->selectAll();
        box->insertPlainText(QStringLiteral("VER?\nLS?\nSPD?"));
        QCOMPARE(box->toPlainText(), QStringLiteral("VER?LS?SPD?"));
        QCOMPARE(box->textCursor().position(), 11);
        QCOMPARE(screen.console.manualLine.text(), QStringLiteral("VER?LS?SPD?"));
        QVERIFY(screen.messages.shown.isEmpty());

        // Once sent, Up brings the line back, and Down what was typed after it.
        screen.console.poll.Timer2_Timer();
        QTest::keyClicks(box, QStringLiteral("X"));
        QTest::keyClick(box, Qt::Key_Up);
        QCOMPARE(box->toPlainText(), QStringLiteral("VER?LS?SPD?"));
        QCOMPARE(box->textCursor().position(), 11);
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->toPlainText(), QStringLiteral("VER?LS?SPD?X"));
        QCOMPARE(screen.transport.sent, QByteArrayList{"VER?LS?SPD?\r\n"});
    }

    void withoutASession() {
        Screen screen;
        screen.click(QStringLiteral("SetupPb"));
        QCOMPARE(screen.messages.shown, QList<Message>{kNotConnected});
        QCOMPARE(screen.console.module.ScreenMode, screenmode::Control);

        // Typing: one message per change, and every change stays, the line break too.
        auto* box = screen.find<QPlainTextEdit>(QStringLiteral("Text2"));
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("AB"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(screen.messages.shown, QList<Message>(4, kNotConnected));
        QCOMPARE(box->toPlainText(), QStringLiteral("AB\n"));
        QCOMPARE(screen.console.manualLine.text(), QStringLiteral("AB\r\n"));
        QCOMPARE(screen.console.manualLine.caret(), 4);

        // After connecting, the next change takes the line break out and marks the command.
        screen.connectSession();
        QTest::keyClicks(box, QStringLiteral("C"));
        QCOMPARE(box->toPlainText(), QStringLiteral("ABC"));
        QCOMPARE(box->textCursor().position(), 3);
        QVERIFY(screen.console.module.ManualCommandPending);
    }

    void showsThePanelState() {
        Screen screen;
        PanelState& panel = screen.console.panel;
        panel.setCounterText(QStringLiteral("+0012345"));
        panel.setModeText(QStringLiteral("FUNCTION  Mode 5"));
        panel.setFirmwareText(QStringLiteral("Firmware Version  QUVEN01 V1.20"));
        QCOMPARE(screen.text(QStringLiteral("Label2_1")), QStringLiteral("+0012345"));
        QCOMPARE(screen.text(QStringLiteral("Label2_0")), QStringLiteral("FUNCTION  Mode 5"));
        QCOMPARE(screen.text(QStringLiteral("Label13")),
                 QStringLiteral("Firmware Version  QUVEN01 V1.20"));
        // Controller and file text is never read as markup.
        for (const char* name :
             {"Label2_0", "Label2_1", "Label13", "Label19", "Label8", "Label9"}) {
            QCOMPARE(screen.find<QLabel>(QLatin1String(name))->textFormat(), Qt::PlainText);
        }

        QWidget* key = screen.find(QStringLiteral("Command3_5"));
        const QColor buttonFace = paintedBeside(key);
        panel.setKeyLit(5, true);
        QCOMPARE(backColour(key), colours::Yellow);
        QCOMPARE(paintedBeside(key), colours::Yellow);
        panel.setKeyLit(5, false);
        QVERIFY(!backColour(key).isValid());
        QCOMPARE(paintedBeside(key), buttonFace);

        Lamp* lamp = screen.find<Lamp>(QStringLiteral("Shape1_24"));
        panel.setLampOn(24, true);
        QCOMPARE(lamp->fillColour(), colours::LampOn);
        QCOMPARE(paintedAt(lamp, lamp->rect().center()), colours::LampOn);
        QCOMPARE(screen.find<Lamp>(QStringLiteral("Shape1_25"))->fillColour(), colours::LampOff);
        panel.setLampOn(24, false);
        QCOMPARE(lamp->fillColour(), colours::LampOff);
    }
};

QTEST_MAIN(MainFrmTest)
#include "tst_main_frm.moc"
