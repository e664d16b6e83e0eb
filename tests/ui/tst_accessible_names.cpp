#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include "AccessibleTree.h"
#include "ScratchFolder.h"
#include "WidgetProbe.h"
#include "WindowedConsole.h"
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
    }

    quven::TableScreen screen{console.tableLinks()};
    SetupFrm setup{screen};
    ConnectFrm* dialog = nullptr;
};

QAccessibleInterface* accessible(QWidget& window, const QString& name) {
    return QAccessible::queryAccessibleInterface(widgetprobe::find(window, name));
}

}  // namespace

// What a screen reader says for the data-table window and the connect dialog: every control
// in words, not its documented name, which stays its objectName.
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
        QVERIFY(accessibletree::walk(&w.setup).size() > 400);
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
        };
        for (const auto& [name, spoken] : controls) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(spoken);
        }
    }
    void namesTheControls() {
        QFETCH(QString, name);
        QFETCH(QString, spoken);
        Windows w;
        QAccessibleInterface* control = accessible(w.setup, name);
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
};

QTEST_MAIN(AccessibleNamesTest)
#include "tst_accessible_names.moc"
