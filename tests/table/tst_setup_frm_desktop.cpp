// SPDX-License-Identifier: Apache-2.0
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "DesktopLook.h"
#include "SetupFrmWindow.h"
#include "table/TableRead.h"
#include "table/TableWrite.h"
#include "ui/kit/WidgetLook.h"

using namespace quven;
using namespace setupfrmtest;
using desktoplook::DesktopTheme;
using desktoplook::placesAndFonts;

namespace {

// The Tab key's stops through the whole window, from the control that has the focus.
QStringList tabStops(QWidget& window, int count) {
    QStringList stops;
    for (int stop = 0; stop < count; ++stop) {
        stops << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    Q_UNUSED(window);
    return stops;
}

// The stops of the table, row by row: POS, the speeds and rate, the switches, DRIVE; then the
// limit stop.
QStringList tableStops() {
    QStringList stops;
    for (int row = 0; row < ti::kRowCount; ++row) {
        stops << indexed("Text2", ti::position(row));
        for (int column = ti::Hspd; column <= ti::Rate; ++column) {
            stops << indexed("Text1", ti::speed(row, column));
        }
        const int m = row - ti::kNormalRows;
        for (int k = 0; k < (ti::isFunctionRow(row) ? 16 : 6); ++k) {
            stops << indexed("Check2", ti::isFunctionRow(row) ? ti::axisEnable(m, 0) + k
                                                              : ti::normalSwitch(row, k));
        }
        for (int column = ti::DriveS; column <= ti::DriveC; ++column) {
            stops << indexed("Option2", ti::drive(row, column));
        }
    }
    for (int option = ti::EmStop; option <= ti::IndivStop; ++option) {
        stops << indexed("Option2", option);
    }
    return stops;
}

}  // namespace

// The data-table window on the operator's desktop as it comes: a dark theme, a small or large
// system font, the keyboard alone. (tst_setup_frm_scaling: the window at the desktop's scales.)
class SetupFrmDesktopTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() {
        useConsoleStyle(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    }

    // Every text keeps its colour and its background under a dark theme, whether the theme was
    // there before the window or came after it, and every one reads at WCAG AA contrast.
    void looksTheSameUnderADarkTheme() {
        const DesktopTheme theme;
        Window before;
        const auto light = desktoplook::windowColours(&before.frm);
        QVERIFY(light.size() > 300);
        QApplication::setPalette(desktoplook::darkPalette());
        Window after;
        for (QWidget* window : std::initializer_list<QWidget*>{&before.frm, &after.frm}) {
            const QString mismatch =
                desktoplook::darkThemeMismatch(light, desktoplook::windowColours(window));
            QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        }
    }

    // The window does not take the desktop's font: at 8 and at 14 points every control stands
    // where it does at the desktop's usual size, in the same font, inside the window.
    void keepsItsLayoutAtAnyDesktopFont_data() {
        QTest::addColumn<int>("points");
        QTest::newRow("8 pt") << 8;
        QTest::newRow("14 pt") << 14;
    }
    void keepsItsLayoutAtAnyDesktopFont() {
        QFETCH(int, points);
        const DesktopTheme theme;
        Window usual;
        const auto expected = placesAndFonts(&usual.frm);
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), points));
        Window window;
        const auto shown = placesAndFonts(&window.frm);
        QCOMPARE(shown.keys(), expected.keys());
        for (const QString& name : shown.keys()) {
            QVERIFY2(shown[name] == expected[name],
                     qPrintable(name + QLatin1String(": ") + shown[name]));
            QWidget* widget = window.find(name);
            QVERIFY2(window.frm.rect().contains(
                         QRect(widget->mapTo(&window.frm, QPoint(0, 0)), widget->size())),
                     qPrintable(name));
        }
    }

    // F5 reads, F6 writes, Esc stops, Ctrl+Shift+Del clears, Ctrl+S saves and Ctrl+O loads,
    // wherever the focus is; the focus stays. Each button's tooltip names its key.
    void keysPressTheButtons() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        Window window;
        window.screen.files.setDirectory(folder.path());
        window.frm.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window.frm));
        auto* cell = window.find<QLineEdit>(indexed("Text1", 5));
        cell->setFocus();
        const auto press = [cell](QKeySequence key) {
            QTest::keySequence(cell, key);
            QCOMPARE(QApplication::focusWidget(), cell);
        };

        press(QKeySequence(Qt::Key_F5));
        QCOMPARE(window.screen.tmrTokei.interval(), TableRead::kPeriodMs);
        press(QKeySequence(Qt::Key_Escape));
        QCOMPARE(window.screen.tmrTokei.interval(), 0);
        fillEveryRow(window.table);
        press(QKeySequence(Qt::Key_F6));
        QCOMPARE(window.screen.tmrWrite.interval(), TableWrite::kPeriodMs);
        press(QKeySequence(Qt::Key_Escape));
        QCOMPARE(window.screen.tmrWrite.interval(), 0);

        window.screen.setFileName(QStringLiteral("keys"));
        press(QKeySequence(QStringLiteral("Ctrl+S")));
        QVERIFY(QFile::exists(QDir(folder.path()).filePath(QStringLiteral("keys.txt"))));
        press(QKeySequence(QStringLiteral("Ctrl+Shift+Del")));
        QVERIFY(window.table.isCleared());
        window.screen.files.selectFile(QStringLiteral("keys.txt"));
        press(QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(window.table.Text1(0), QStringLiteral("10000"));
        QVERIFY(window.messages.shown.isEmpty());

        const std::pair<const char*, const char*> tips[] = {
            {"cmdDataRead", "Data table read from ORBEL (F5)"},
            {"cmdDataWrite", "Data table write into ORBEL (F6)"},
            {"Command2", "(Esc)"},
            {"cmdDataClear", "Clear all data table (Ctrl+Shift+Del)"},
            {"cmdWrite", "Save data table to the file(xxx.txt) (Ctrl+S)"},
            {"cmdRead", "Load data table from the file(xxx.txt) (Ctrl+O)"},
            {"Command1", "Quit Editor"}};
        for (const auto& [name, tip] : tips) {
            QCOMPARE(window.find(QLatin1String(name))->toolTip(), QLatin1String(tip));
        }
    }

    // The Tab key starts on the buttons an operator starts with, then the file area, then the
    // table row by row and the limit stop, and comes round to "Data Read" again.
    void tabsFromTheButtonsThroughTheRows() {
        Window window;
        window.frm.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window.frm));
        const QStringList expected =
            QStringList{"cmdDataRead", "cmdDataWrite", "Command2", "cmdDataClear",
                        "Command1",    "txtFileName",  "Drive1",   "Dir1",
                        "File1",       "cmdWrite",     "cmdRead"} +
            tableStops();
        QCOMPARE(expected.size(), 319);
        const QStringList stops = tabStops(window.frm, expected.size() + 1);
        QCOMPARE(stops.mid(0, expected.size()), expected);
        QCOMPARE(stops.last(), QStringLiteral("cmdDataRead"));
    }

    // A sign and up to nine digits show whole in a POS box, its caret beside them, at the
    // box's size and 9.75 pt: the text does not scroll away from its sign.
    void showsLongPositionsWhole() {
        Window window;
        for (const int row : {0, 15}) {
            auto* box = window.find<QLineEdit>(indexed("Text2", ti::position(row)));
            QCOMPARE(box->size(), QSize(px(1035), px(285)));
            QCOMPARE(box->font().pointSizeF(), 9.75);
            for (const char* number : {"+12345678", "-123456789", "+0000000"}) {
                const QString text = QLatin1String(number);
                window.table.setText2(ti::position(row), text);
                const QFontMetrics metrics(box->font());
                // The one-pixel borders and one pixel beside each, then the text and the caret.
                QVERIFY2(metrics.horizontalAdvance(text) + 1 <= box->width() - 2, number);
                box->setCursorPosition(text.size());
                QCOMPARE(box->cursorPositionAt(QPoint(1, box->height() / 2)), 0);
            }
        }
    }
};

QTEST_MAIN(SetupFrmDesktopTest)
#include "tst_setup_frm_desktop.moc"
