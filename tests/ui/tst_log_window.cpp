// SPDX-License-Identifier: Apache-2.0
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "FileBytes.h"
#include "ScratchFolder.h"
#include "WidgetProbe.h"
#include "WindowedConsole.h"
#include "ui/kit/WidgetLook.h"

using namespace quven;

namespace {

// The console with its windows on a recording transport and manual timers, a session open, in a
// folder of its own.
struct Screen : ScratchFolder, WindowedConsole<> {
    Screen() {
        main.show();
        openSession(*this);
    }

    // Opens the log as the operator does, with Ctrl+L on the control screen.
    LogFrm* openLog() {
        main.activateWindow();
        if (!QTest::qWaitForWindowActive(&main)) {
            return nullptr;
        }
        QTest::keyClick(&main, Qt::Key_L, Qt::ControlModifier);
        return windows.logFrm();
    }

    // One poll query and its answer.
    void pollOnce() {
        console.poll.Timer2_Timer();
        transport.arrive("+0000042\r\n");
    }

    template <typename W = QWidget>
    W* in(LogFrm* log, const char* name) {
        return widgetprobe::find<W>(*log, QLatin1String(name));
    }
};

QStringList rows(const QListView* view) {
    QStringList shown;
    for (int row = 0; row < view->model()->rowCount(); ++row) {
        shown.append(view->model()->index(row, 0).data().toString());
    }
    return shown;
}

}  // namespace

// The communication log's window: opened by Ctrl+L and "&Log", showing the traffic as it comes,
// following the newest line, hiding the poll, and saving what it shows.
class LogWindowTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() {
        useConsoleStyle(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    }
    void opensByCtrlLAndFromTheMenu();
    void showsTheTrafficAndFollowsTheNewest();
    void hidesThePollAndSavesWhatItShows();
};

void LogWindowTest::opensByCtrlLAndFromTheMenu() {
    Screen s;
    s.pollOnce();
    // Until it is opened there is no window: the log only keeps its entries.
    QVERIFY(s.windows.logFrm() == nullptr);
    QCOMPARE(s.console.log.size(), 2);

    LogFrm* log = s.openLog();
    QVERIFY(log != nullptr);
    QVERIFY(log->isVisible());
    QCOMPARE(log->objectName(), QStringLiteral("LogFrm"));
    QCOMPARE(log->windowTitle(), QStringLiteral("Communication Log"));
    QVERIFY(!log->isModal());
    QCOMPARE(s.in<QCheckBox>(log, "LogHidePoll")->text(), QStringLiteral("Hide status poll"));
    QVERIFY(!s.in<QCheckBox>(log, "LogHidePoll")->isChecked());
    QCOMPARE(s.in<QPushButton>(log, "LogPause")->text(), QStringLiteral("Pause"));
    QCOMPARE(s.in<QPushButton>(log, "LogClear")->text(), QStringLiteral("Clear"));
    QCOMPARE(s.in<QPushButton>(log, "LogSave")->text(), QStringLiteral("Save..."));
    QCOMPARE(rows(s.in<QListView>(log, "LogView")).size(), 2);

    // Closed, it is kept; "&Log" brings the same window back.
    log->close();
    QVERIFY(!log->isVisible());
    const QList<QAction*> menu = s.main.menuBar()->actions();
    QCOMPARE(menu.last()->objectName(), QStringLiteral("Menu_Log"));
    menu.last()->trigger();
    QCOMPARE(s.windows.logFrm(), log);
    QVERIFY(log->isVisible());
}

void LogWindowTest::showsTheTrafficAndFollowsTheNewest() {
    Screen s;
    LogFrm* log = s.openLog();
    QVERIFY(log != nullptr);
    auto* view = s.in<QListView>(log, "LogView");
    QScrollBar* bar = view->verticalScrollBar();

    // Lines come in with the window's refresh tick, not one by one.
    for (int poll = 0; poll < 100; ++poll) {
        s.pollOnce();
    }
    QCOMPARE(rows(view).size(), 0);
    log->tmrRefresh_Timer();
    QCOMPARE(rows(view).size(), 200);
    QVERIFY(rows(view).last().endsWith(QStringLiteral(" <- +0000042\\r\\n")));
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());

    // Scrolled up, the operator's place stays put while lines come in.
    bar->setValue(10);
    s.pollOnce();
    log->tmrRefresh_Timer();
    QCOMPARE(rows(view).size(), 202);
    QCOMPARE(bar->value(), 10);
    // Back at the bottom, it follows again.
    bar->setValue(bar->maximum());
    s.pollOnce();
    log->tmrRefresh_Timer();
    QCOMPARE(bar->value(), bar->maximum());

    // Paused, it stands still; "Clear" empties it.
    QTest::mouseClick(s.in(log, "LogPause"), Qt::LeftButton);
    QVERIFY(s.console.log.isPaused());
    s.pollOnce();
    log->tmrRefresh_Timer();
    QCOMPARE(rows(view).size(), 204);
    QTest::mouseClick(s.in(log, "LogPause"), Qt::LeftButton);
    log->tmrRefresh_Timer();
    QCOMPARE(rows(view).size(), 208);  // with "Log paused" and "Log resumed"
    QTest::mouseClick(s.in(log, "LogClear"), Qt::LeftButton);
    QCOMPARE(rows(view).size(), 0);
}

void LogWindowTest::hidesThePollAndSavesWhatItShows() {
    Screen s;
    LogFrm* log = s.openLog();
    QVERIFY(log != nullptr);
    s.pollOnce();
    s.console.manualLine.setText(QStringLiteral("VER?\r\n"), 6);
    s.console.module.ReplyPending = false;
    s.pollOnce();
    QTest::mouseClick(s.in(log, "LogHidePoll"), Qt::LeftButton);
    log->tmrRefresh_Timer();
    auto* view = s.in<QListView>(log, "LogView");
    const QStringList shown = rows(view);
    QCOMPARE(shown.size(), 2);
    QVERIFY(shown.at(0).endsWith(QStringLiteral(" -> VER?\\r\\n")));
    QVERIFY(shown.at(1).endsWith(QStringLiteral(" <- +0000042\\r\\n")));

    // "Save..." asks for the file in Qt's file dialog, and writes the lines shown.
    QTest::mouseClick(s.in(log, "LogSave"), Qt::LeftButton);
    auto* dialog = log->findChild<QFileDialog*>(QStringLiteral("LogSaveDialog"));
    QVERIFY(dialog != nullptr);
    QTRY_VERIFY(dialog->isVisible());
    const QString path = s.scratchDir.filePath(QStringLiteral("session.txt"));
    dialog->selectFile(path);
    static_cast<QDialog*>(dialog)->accept();  // "Save", as the operator presses it
    QCOMPARE(readBytes(path),
             (shown.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    QVERIFY(s.messages.shown.isEmpty());
}

QTEST_MAIN(LogWindowTest)
#include "tst_log_window.moc"
