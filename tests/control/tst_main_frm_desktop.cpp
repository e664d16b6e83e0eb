// SPDX-License-Identifier: Apache-2.0
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "DesktopLook.h"
#include "MainFrmScreen.h"
#include "ui/kit/Colours.h"
#include "ui/kit/Lamp.h"
#include "ui/kit/WidgetLook.h"

using namespace quven;
using namespace mainfrmtest;
using desktoplook::DesktopTheme;
using desktoplook::placesAndFonts;

namespace {

// The control screen with what it shows in a session: keys lit, a lamp on, the session's
// buttons in their colour; its displays dimmed, as no answer has come.
struct LitScreen : Screen {
    LitScreen() {
        console.panel.setKeyLit(PanelState::kNormalKey, true);
        console.panel.setKeyLit(3, true);
        console.panel.setLampOn(2, true);
        console.sessionControls.setSessionLit(true);
    }

    // The window a test looks at: the control screen, or the one its menu opens.
    QWidget* open(const QString& window) {
        if (window == QLatin1String("control screen")) {
            return &main;
        }
        const bool log = window == QLatin1String("communication log");
        for (QAction* action : main.menuBar()->actions()) {
            if (action->objectName() == QLatin1String(log ? "Menu_Log" : "Menu_About")) {
                action->trigger();
            }
        }
        QWidget* opened = log ? static_cast<QWidget*>(windows.logFrm())
                              : main.findChild<QMessageBox*>(QStringLiteral("AboutBox"));
        if (opened == nullptr) {
            qFatal("no %s", qPrintable(window));
        }
        return opened;
    }
};

// How many pixels of the widget's rim, from its left edge at half its height, are dark in a
// greyscale view.
int darkRim(QWidget* widget) {
    const QImage grey = widget->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
    int dark = 0;
    while (dark < grey.width() && qGray(grey.pixel(dark, grey.height() / 2)) < 0x60) {
        ++dark;
    }
    return dark;
}

}  // namespace

// The control screen and the windows it opens on the operator's desktop as it comes: a dark
// theme, a small or large system font, a view without colour. (tst_main_frm_scaling: the
// screen at the desktop's scales.)
class MainFrmDesktopTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() {
        useConsoleStyle(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    }

    // Every text keeps its colour and its background under a dark theme, whether the theme was
    // there before the window or came after it, and every one reads at WCAG AA contrast: the
    // dimmed displays and keys, the lit keys, the session buttons, the boxes and lists.
    void looksTheSameUnderADarkTheme_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("texts");
        QTest::newRow("control screen") << QStringLiteral("control screen") << 60;
        QTest::newRow("communication log") << QStringLiteral("communication log") << 5;
        QTest::newRow("About box") << QStringLiteral("About box") << 2;
    }
    void looksTheSameUnderADarkTheme() {
        QFETCH(QString, window);
        QFETCH(int, texts);
        const DesktopTheme theme;
        LitScreen before;
        const auto light = desktoplook::everyColour(before.open(window));
        QVERIFY(light.size() >= texts);
        QApplication::setPalette(desktoplook::darkPalette());
        LitScreen after;
        for (QWidget* shown : {before.open(window), after.open(window)}) {
            const QString mismatch =
                desktoplook::darkThemeMismatch(light, desktoplook::everyColour(shown));
            QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        }
    }

    // The panel does not take the desktop's font: at 8 and at 14 points every control stands
    // where it does at the desktop's usual size, in the same font, inside the window; only the
    // menu bar follows the desktop.
    void keepsItsLayoutAtAnyDesktopFont_data() {
        QTest::addColumn<int>("points");
        QTest::newRow("8 pt") << 8;
        QTest::newRow("14 pt") << 14;
    }
    void keepsItsLayoutAtAnyDesktopFont() {
        QFETCH(int, points);
        const DesktopTheme theme;
        LitScreen usual;
        const auto expected = placesAndFonts(usual.main.centralWidget());
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), points));
        LitScreen screen;
        QWidget* panel = screen.main.centralWidget();
        QCOMPARE(panel->size(), QSize(MainFrm::kClientWidth, MainFrm::kClientHeight));
        const auto shown = placesAndFonts(panel);
        QCOMPARE(shown.keys(), expected.keys());
        for (const QString& name : shown.keys()) {
            QVERIFY2(shown[name] == expected[name],
                     qPrintable(name + QLatin1String(": ") + shown[name]));
            QWidget* widget = screen.find(name);
            const QRect inWindow(widget->mapTo(&screen.main, QPoint(0, 0)), widget->size());
            QVERIFY2(screen.main.rect().contains(inWindow), qPrintable(name));
        }
    }

    // A lit key and a lamp that is on are told apart without colour: the key's caption bold and
    // its rim dark and heavier, the lamp's rim twice as heavy, both seen in greyscale; the key's
    // face keeps its yellow.
    void tellsLitFromUnlitWithoutColour() {
        Screen screen;
        openSession(screen);
        screen.console.linkHealth.answerReceived();
        auto* key = screen.find<QPushButton>(QStringLiteral("Command3_4"));
        auto* lamp = screen.find<Lamp>(QStringLiteral("Shape1_28"));
        const int keyRim = darkRim(key);
        const int lampRim = darkRim(lamp);
        QVERIFY(!key->font().bold());
        screen.console.panel.setKeyLit(4, true);
        screen.console.panel.setLampOn(28, true);
        QVERIFY(key->font().bold() && isLit(key));
        QCOMPARE(backColour(key), colours::Yellow);
        QVERIFY2(darkRim(key) >= keyRim + 2, qPrintable(QString::number(darkRim(key))));
        QVERIFY(lamp->isLit());
        QVERIFY2(darkRim(lamp) > lampRim, qPrintable(QString::number(darkRim(lamp))));
        screen.console.panel.setKeyLit(4, false);
        screen.console.panel.setLampOn(28, false);
        QVERIFY(!key->font().bold() && !isLit(key) && !lamp->isLit());
        QCOMPARE(darkRim(key), keyRim);
        QCOMPARE(darkRim(lamp), lampRim);
    }
};

QTEST_MAIN(MainFrmDesktopTest)
#include "tst_main_frm_desktop.moc"
