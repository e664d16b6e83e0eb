// SPDX-License-Identifier: Apache-2.0
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include "AccessibleTree.h"
#include "ScratchFolder.h"
#include "SessionSetUp.h"
#include "WidgetProbe.h"
#include "WindowedConsole.h"
#include "control/PanelState.h"
#include "link/ConnectDialogModel.h"
#include "table/TableScreen.h"
#include "ui/kit/WidgetLook.h"
#include "ui/link/ConnectFrm.h"
#include "ui/table/SetupFrm.h"

using namespace quven;

namespace {

// The console's windows on a recording transport, the data-table window and the connect
// dialog shown, in a working folder of its own (the dialog reads the host history there).
struct Windows : ScratchFolder, WindowedConsole<RecordingTransport> {
    Windows() {
        QVERIFY(inScratchFolder);
        main.show();
        setup.show();
        QTest::mouseClick(widgetprobe::find<QPushButton>(main, QStringLiteral("Connect")),
                          Qt::LeftButton);
        dialog = windows.connectFrm();
        QVERIFY(dialog != nullptr);
        main.findChild<QAction*>(QStringLiteral("Menu_Log"))->trigger();
        log = windows.logFrm();
        QVERIFY(log != nullptr);
    }

    quven::TableScreen screen{console.tableLinks()};
    SetupFrm setup{screen};
    ConnectFrm* dialog = nullptr;
    LogFrm* log = nullptr;
};

QAccessibleInterface* accessible(QWidget& window, const QString& name) {
    return QAccessible::queryAccessibleInterface(widgetprobe::find(window, name));
}

}  // namespace

// What a screen reader says for the console's windows (the control screen, the data-table
// window, the connect dialog, the communication log): every control in words, not its
// documented name, which stays its objectName.
class AccessibleNamesTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() {
        useConsoleStyle(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    }

    void everyControlIsSpokenInWords() {
        Windows w;
        QCOMPARE(accessibletree::unspokenControls(&w.setup), QStringList());
        QCOMPARE(accessibletree::unspokenControls(w.dialog), QStringList());
        QCOMPARE(accessibletree::unspokenControls(&w.main), QStringList());
        QCOMPARE(accessibletree::unspokenControls(w.log), QStringList());
        QVERIFY(accessibletree::walk(&w.setup).size() > 400);
        QVERIFY(accessibletree::walk(&w.main).size() > 90);
    }

    void namesTheControls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("spoken");
        const std::pair<const char*, const char*> controls[] = {
            {"Text1_13", "Normal mode channel 3 middle speed"},
            {"Text1_32", "Function mode 0 high speed"},
            {"Text1_63", "Function mode 7 rate"},
            {"Text2_12", "Function mode 4 position"},
            {"Check2_1", "Normal mode channel 0 CW limit switch normally closed"},
            {"Check2_41", "Normal mode channel 6 pulse output reverse direction"},
            {"Check2_90", "Function mode 2 axis 5 enable"},
            {"Check2_91", "Function mode 2 axis 5 reverse"},
            {"Option2_0", "Normal mode channel 0 drive S"},
            {"Option2_47", "Function mode 7 drive C"},
            {"Option2_48", "Limit stop EM STOP"},
            {"Option2_51", "Limit stop INDIV. STOP"},
            {"Frame1_3", "Normal mode channel 3 drive"},
            {"lblNormalHspd", "High speed"},
            {"lblMode_7", "Mode 7"},
            {"Label17", "Transfer status"},
            {"cmdDataRead", "Data Read"},
            {"Command2", "Read or write stop"},
            {"Drive1", "Drive"},
            {"Dir1", "Folders"},
            {"File1", "Table files"},
            {"txtFileName", "File name"},
            {"lblFolder", "Current folder"},
            {"main:Command6", "CW jog"},
            {"main:Ctr_6", "Stop"},
            {"main:Label2_1", "Counter display"},
            {"main:Command3_3", "Key 3, axis or function mode 3"},
            {"main:Shape1_9", "Clockwise pulse lamp, axis 1"},
            {"log:LogHidePoll", "Hide status poll"},
        };
        for (const auto& [name, spoken] : controls) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(spoken);
        }
    }
    void namesTheControls() {
        QFETCH(QString, name);
        QFETCH(QString, spoken);
        Windows w;
        // "main:Command2" is the control screen's, "log:LogView" the log's; the rest are the
        // data-table window's.
        QWidget* window = &w.setup;
        if (name.startsWith(QLatin1String("main:"))) {
            window = &w.main;
        } else if (name.startsWith(QLatin1String("log:"))) {
            window = w.log;
        }
        name = name.section(QLatin1Char(':'), -1);
        QAccessibleInterface* control = accessible(*window, name);
        QVERIFY(control != nullptr);
        QCOMPARE(control->object()->objectName(), name);
        if (auto* box = qobject_cast<QComboBox*>(control->object())) {
            // On Linux Qt gives a drop-down's entry as its name and leaves the words to a label
            // or the description; other platforms take its accessible name.
            QCOMPARE(box->accessibleName(), spoken);
            QCOMPARE(control->text(QAccessible::Description), spoken);
            return;
        }
        QCOMPARE(control->text(QAccessible::Name), spoken);
    }

    // The transfer's status line is heard as its description, and follows the transfer; a DRIVE
    // button says what its letter stands for; the dialog's boxes say what they are for.
    void describesWhatChanges() {
        Windows w;
        QAccessibleInterface* status = accessible(w.setup, QStringLiteral("Label17"));
        QCOMPARE(status->text(QAccessible::Description), TransferStatus::kReading);
        w.screen.status.setText(TransferStatus::kWriting);
        QCOMPARE(status->text(QAccessible::Description), TransferStatus::kWriting);
        QCOMPARE(accessible(w.setup, QStringLiteral("Option2_1"))->text(QAccessible::Description),
                 QStringLiteral("trapezoidal"));
        QAccessibleInterface* stop = accessible(w.setup, QStringLiteral("Option2_48"));
        QVERIFY(!stop->state().checked);
        w.screen.table.selectOption2(tableindex::EmStop);
        QVERIFY(stop->state().checked);
        QCOMPARE(accessible(*w.dialog, QStringLiteral("Text1"))->text(QAccessible::Name),
                 QStringLiteral("Port number"));
        QCOMPARE(accessible(*w.dialog, QStringLiteral("Text1"))->text(QAccessible::Value),
                 QStringLiteral("7777"));
        // The host box, a drop-down, is labelled by its caption (see namesTheControls).
        QAccessibleInterface* host = accessible(*w.dialog, QStringLiteral("HostEdit"));
        QCOMPARE(host->object()->property("accessibleName").toString(),
                 QStringLiteral("Host name"));
        const auto labels = host->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->object()->objectName(), QStringLiteral("HostText"));
    }

    // The control screen's states are heard, not only seen as colours: a key lit or not, a lamp
    // on or off, a display's value, each with ", not live" while no answer keeps it live.
    void speaksThePanelsStates() {
        Windows w;
        PanelState& panel = w.console.panel;
        QAccessibleInterface* key = accessible(w.main, QStringLiteral("Command3_2"));
        QAccessibleInterface* lamp = accessible(w.main, QStringLiteral("Shape1_9"));
        QCOMPARE(key->text(QAccessible::Description), QStringLiteral("not lit, not live"));
        QCOMPARE(lamp->text(QAccessible::Description), QStringLiteral("off, not live"));
        panel.setKeyLit(2, true);
        panel.setLampOn(9, true);
        QCOMPARE(key->text(QAccessible::Description), QStringLiteral("lit, not live"));
        QCOMPARE(lamp->text(QAccessible::Description), QStringLiteral("on, not live"));
        QVERIFY(key->object()->property("font").value<QFont>().bold());

        // The dialog the fixture opened connects to the loopback address.
        ConnectDialogModel* form = w.console.session.connectDialogModel();
        form->setHostText(kLoopback);
        form->setPortText(QStringLiteral("7777"));
        w.console.session.ConnectButton_Click();
        w.console.poll.Timer2_Timer();
        w.transport.arrive("QUVEN01 V1.20\r\n");
        QCOMPARE(key->text(QAccessible::Description), QStringLiteral("lit"));
        QCOMPARE(accessible(w.main, QStringLiteral("Label13"))->text(QAccessible::Description),
                 QStringLiteral("Firmware Version  QUVEN01 V1.20"));
        QCOMPARE(accessible(w.main, QStringLiteral("Connect"))->text(QAccessible::Name),
                 QStringLiteral("Disconnect from the controller"));
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "tst_accessible_names.moc"
