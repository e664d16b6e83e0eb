// SPDX-License-Identifier: Apache-2.0
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "SetupFrmWindow.h"
#include "table/TableRead.h"
#include "table/TableWrite.h"
#include "ui/kit/WidgetLook.h"

using namespace quven;
using namespace setupfrmtest;

// The data-table window on its real widgets, as the operator uses it: edits and clicks reach
// the table and the screen's handlers, and the file area follows its lists.
class SetupFrmInputTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() {
        useConsoleStyle(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    }

    void editsGoBackToTheTable() {
        Window window;
        DataTable& table = window.table;
        auto* rate = window.find<QLineEdit>(QStringLiteral("Text1_37"));
        rate->setFocus();
        QTest::keyClicks(rate, QStringLiteral("05"));
        QCOMPARE(table.Text1(37), QStringLiteral("05"));
        QTest::keyClicks(window.find(QStringLiteral("Text2_15")), QStringLiteral("+7"));
        QCOMPARE(table.Text2(15), QStringLiteral("+7"));

        window.click(QStringLiteral("Check2_175"));
        QVERIFY(table.Check2(175));
        window.click(QStringLiteral("Check2_175"));
        QVERIFY(!table.Check2(175));
        window.click(QStringLiteral("Option2_51"));
        QCOMPARE(table.selectedInFrame(17), ti::IndivStop);

        // The table's own changes are shown, and not handed back as edits.
        QSignalSpy texts(&table, &DataTable::text1Changed);
        QSignalSpy checks(&table, &DataTable::check2Changed);
        table.setText1(37, QStringLiteral("12"));
        table.setCheck2(4, true);
        QCOMPARE(rate->text(), QStringLiteral("12"));
        QVERIFY(window.find<QCheckBox>(QStringLiteral("Check2_4"))->isChecked());
        QCOMPARE(texts.count(), 1);
        QCOMPARE(checks.count(), 1);
    }

    void eachFrameHoldsOneOrNone() {
        Window window;
        DataTable& table = window.table;
        const auto checked = [&window](int index) {
            return window.find<QRadioButton>(indexed("Option2", index))->isChecked();
        };

        window.click(QStringLiteral("Option2_0"));
        QVERIFY(checked(0) && table.Option2(0));
        window.click(QStringLiteral("Option2_2"));
        QVERIFY(!checked(0) && !checked(1) && checked(2));
        QCOMPARE(table.selectedInFrame(0), 2);
        // A second click keeps the selection; other frames are untouched.
        window.click(QStringLiteral("Option2_2"));
        QVERIFY(checked(2) && table.Option2(2));
        QVERIFY(!checked(3) && !checked(4) && !checked(5));

        // None selected shows as none.
        table.deselectOption2(2);
        QVERIFY(!checked(0) && !checked(1) && !checked(2));

        window.click(QStringLiteral("Option2_48"));
        window.click(QStringLiteral("Option2_49"));
        window.click(QStringLiteral("Option2_50"));
        QVERIFY(!checked(48) && checked(49) && checked(50) && !checked(51));
        QCOMPARE(table.selectedInFrame(16), ti::SlowStop);
        QCOMPARE(table.selectedInFrame(17), ti::AllStop);
        table.clear();
        for (int index = 0; index < DataTable::kOption2Count; ++index) {
            QVERIFY2(!checked(index), qPrintable(QString::number(index)));
        }
    }

    void buttonsReachTheHandlers() {
        Window window;
        Module1& module = window.console.module;
        module.ScreenMode = screenmode::Table;
        fillEveryRow(window.table);

        // "Data Clear" waits while a transfer runs, and clears once "R/W Stop" has ended it.
        window.screen.tmrTokei.setInterval(TableRead::kPeriodMs);
        window.click(QStringLiteral("cmdDataClear"));
        QVERIFY(!window.table.isCleared());
        window.click(QStringLiteral("Command2"));
        QCOMPARE(window.screen.tmrTokei.interval(), 0);
        window.click(QStringLiteral("cmdDataClear"));
        QVERIFY(window.table.isCleared());
        QVERIFY(window.find<QLineEdit>(QStringLiteral("Text2_0"))->text().isEmpty());
        QVERIFY(!window.find<QCheckBox>(QStringLiteral("Check2_0"))->isChecked());
        QVERIFY(!window.find<QRadioButton>(QStringLiteral("Option2_1"))->isChecked());

        window.click(QStringLiteral("cmdDataWrite"));
        QCOMPARE(window.screen.tmrWrite.interval(), TableWrite::kPeriodMs);
        QCOMPARE(window.find<QLabel>(QStringLiteral("Label17"))->text(), TransferStatus::kWriting);
        QCOMPARE(window.find<QLineEdit>(QStringLiteral("Text1_63"))->text(), QStringLiteral("0"));
        window.click(QStringLiteral("Command2"));
        window.click(QStringLiteral("cmdDataRead"));
        QCOMPARE(window.screen.tmrTokei.interval(), TableRead::kPeriodMs);
        QCOMPARE(window.find<QLabel>(QStringLiteral("Label17"))->text(), TransferStatus::kReading);
        window.screen.status.setText(QString());
        QCOMPARE(window.find<QLabel>(QStringLiteral("Label17"))->text(), QString());

        // "To Control Screen" hides the window and hands the link back.
        window.click(QStringLiteral("Command1"));
        QVERIFY(window.frm.isHidden());
        QCOMPARE(module.ScreenMode, screenmode::Control);
        QCOMPARE(window.console.Timer2.interval(), TableScreen::kPollPeriodAfterReturn);
        QCOMPARE(window.screen.tmrTokei.interval(), 0);

        // Closing it cannot be refused and hands the link back too.
        window.frm.show();
        module.ScreenMode = screenmode::Table;
        window.screen.tmrWrite.setInterval(TableWrite::kPeriodMs);
        QSignalSpy closed(&window.frm, &SetupFrm::closed);
        QVERIFY(window.frm.close());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(module.ScreenMode, screenmode::Control);
        QCOMPARE(window.console.Timer2.interval(), TableScreen::kPollPeriodAfterClose);
        QCOMPARE(window.screen.tmrWrite.interval(), 0);
        QVERIFY(window.messages.shown.isEmpty());
    }

    void fileAreaFollowsTheLists() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        for (const char* name : {"b.txt", "a.txt", "c.dat"}) {
            QFile file(QDir(folder.path()).filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub")));

        Window window;
        FileLists& files = window.screen.files;
        files.setDirectory(folder.path());
        auto* file1 = window.find<QListWidget>(QStringLiteral("File1"));
        auto* dir1 = window.find<QListWidget>(QStringLiteral("Dir1"));
        auto* drive1 = window.find<QComboBox>(QStringLiteral("Drive1"));
        auto* name = window.find<QLineEdit>(QStringLiteral("txtFileName"));
        QCOMPARE(itemTexts(file1), (QStringList{"a.txt", "b.txt"}));
        QCOMPARE(itemTexts(dir1), (QStringList{"..", "sub"}));
        QCOMPARE(drive1->currentText(), files.drive());
        QVERIFY(!drive1->currentText().isEmpty());

        // A click on a file takes its name; the name box and the screen follow each other.
        clickItem(file1, QStringLiteral("b.txt"));
        QCOMPARE(files.selectedFile(), QStringLiteral("b.txt"));
        QCOMPARE(name->text(), QStringLiteral("b.txt"));
        name->clear();
        QTest::keyClicks(name, QStringLiteral("t"));
        QCOMPARE(window.screen.fileName(), QStringLiteral("t"));
        clickItem(file1, QStringLiteral("b.txt"));
        QCOMPARE(name->text(), QStringLiteral("b.txt"));

        // "Save to File" under a typed name, then the saved file in the list.
        name->clear();
        QTest::keyClicks(name, QStringLiteral("t"));
        window.table.setText1(0, QStringLiteral("777"));
        window.click(QStringLiteral("cmdWrite"));
        QCOMPARE(name->text(), QStringLiteral("t.txt"));
        QVERIFY(QFile::exists(QDir(folder.path()).filePath(QStringLiteral("t.txt"))));
        QCOMPARE(itemTexts(file1), (QStringList{"a.txt", "b.txt", "t.txt"}));

        // "Load from File" reads the file selected in the list.
        window.table.clear();
        clickItem(file1, QStringLiteral("t.txt"));
        window.click(QStringLiteral("cmdRead"));
        QCOMPARE(window.find<QLineEdit>(QStringLiteral("Text1_0"))->text(), QStringLiteral("777"));
        QVERIFY(window.messages.shown.isEmpty());

        // A double click opens a folder, Enter on ".." goes back up.
        const QRect sub =
            dir1->visualItemRect(dir1->findItems(QStringLiteral("sub"), Qt::MatchExactly).first());
        // QTest sends only the second click of a double click; the first comes before it.
        QTest::mouseClick(dir1->viewport(), Qt::LeftButton, {}, sub.center());
        QTest::mouseDClick(dir1->viewport(), Qt::LeftButton, {}, sub.center());
        QCOMPARE(QDir(files.directory()).dirName(), QStringLiteral("sub"));
        QCOMPARE(itemTexts(dir1), QStringList{".."});
        QVERIFY(itemTexts(file1).isEmpty());
        dir1->setFocus();
        dir1->setCurrentRow(0);
        QTest::keyClick(dir1, Qt::Key_Return);
        QCOMPARE(QDir(files.directory()), QDir(folder.path()));
        QCOMPARE(itemTexts(file1), (QStringList{"a.txt", "b.txt", "t.txt"}));
    }
};

QTEST_MAIN(SetupFrmInputTest)
#include "tst_setup_frm_input.moc"
