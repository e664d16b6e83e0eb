// SPDX-License-Identifier: Apache-2.0
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QtTest>

#include "DesktopLook.h"
#include "Loopback.h"
#include "ScratchFolder.h"
#include "WidgetProbe.h"
#include "WindowedConsole.h"
#include "link/TcpTransport.h"
#include "ui/kit/Contrast.h"
#include "ui/kit/WidgetLook.h"
#include "ui/link/ConnectFrm.h"

using namespace quven;

namespace {

// The console on the real socket with the control screen shown, in a working folder of its own
// (the session keeps its host history there), and the connect dialog opened from it.
struct Dialog : ScratchFolder, WindowedConsole<TcpTransport> {
    Dialog() {
        QVERIFY(inScratchFolder);
        main.show();
        open();
    }

    void open() {
        QTest::mouseClick(widgetprobe::find<QPushButton>(main, QStringLiteral("Connect")),
                          Qt::LeftButton);
        frm = windows.connectFrm();
        QVERIFY(frm != nullptr && frm->isVisible());
        frm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frm));
    }

    // Never the default address: the peer the test listens with, on 127.0.0.1.
    void aimAt(quint16 port) {
        frm->hostEdit()->setEditText(QStringLiteral("127.0.0.1"));
        frm->portEdit()->setText(QString::number(port));
    }

    ConnectFrm* frm = nullptr;
};

// The application's look for the life of a test: palette and font put back afterwards.
struct DesktopTheme {
    ~DesktopTheme() {
        QApplication::setPalette(QApplication::style()->standardPalette());
        QApplication::setFont(font);
    }
    QFont font = QApplication::font();
};

}  // namespace

// The connect dialog as a keyboard and a desktop's theme and fonts use it.
class ConnectFrmKeysTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() {
        useConsoleStyle(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    }

    // Enter in either box connects, Escape cancels; a button with the focus takes Enter itself.
    void enterConnectsEscapeCancels() {
        LoopbackPeer controller(LoopbackPort::Dialog);
        QVERIFY(controller.listening);
        Dialog d;
        d.aimAt(controller.port());
        d.frm->hostEdit()->setFocus();
        QTest::keyClick(d.frm->hostEdit(), Qt::Key_Return);
        // A key, unlike a click, leaves the socket's connect to the event loop.
        QTRY_VERIFY(controller.server.hasPendingConnections());
        QVERIFY(controller.accept());
        QVERIFY(!d.frm->isVisible());
        QVERIFY(d.console.module.Connected);
        QTest::mouseClick(widgetprobe::find<QPushButton>(d.main, QStringLiteral("Connect")),
                          Qt::LeftButton);
        QVERIFY(!d.console.module.Connected);

        d.open();
        d.aimAt(controller.port());
        d.frm->portEdit()->setFocus();
        QTest::keyClick(d.frm->portEdit(), Qt::Key_Escape);
        QVERIFY(!d.frm->isVisible());
        QVERIFY(!d.console.module.Connected);

        d.open();
        d.aimAt(controller.port());
        d.frm->cancelButton()->setFocus();
        QTest::keyClick(d.frm->cancelButton(), Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(!d.frm->isVisible());
        QVERIFY(!d.console.module.Connected);

        d.open();
        d.aimAt(controller.port());
        d.frm->portEdit()->setFocus();
        QTest::keyClick(d.frm->portEdit(), Qt::Key_Enter, Qt::KeypadModifier);
        QTRY_VERIFY(controller.server.hasPendingConnections());
        QVERIFY(controller.accept());
        QVERIFY(d.console.module.Connected);
        QVERIFY(d.messages.shown.isEmpty());
    }

    // Under a dark theme the dialog keeps its light colours, every text readable; at a small or
    // large desktop font it grows with its text: no caption is cut, no control leaves it.
    void readableAtAnyThemeAndFont_data() {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<int>("points");
        QTest::newRow("dark, 9 pt") << true << 9;
        QTest::newRow("light, 8 pt") << false << 8;
        QTest::newRow("dark, 14 pt") << true << 14;
    }
    void readableAtAnyThemeAndFont() {
        QFETCH(bool, dark);
        QFETCH(int, points);
        const DesktopTheme theme;
        const auto light = [] {
            Dialog usual;
            return desktoplook::windowColours(usual.frm);
        }();
        if (dark) {
            QApplication::setPalette(desktoplook::darkPalette());
        }
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), points));
        Dialog d;
        const auto shown = desktoplook::windowColours(d.frm);
        QCOMPARE(shown.size(), light.size());
        for (int i = 0; i < shown.size(); ++i) {
            const auto& colours = shown[i].second;
            QVERIFY2(colours.text == light[i].second.text &&
                         colours.background == light[i].second.background,
                     qPrintable(shown[i].first));
            QVERIFY2(kit::contrastRatio(colours.text, colours.background) >= kit::kReadableContrast,
                     qPrintable(shown[i].first));
        }
        for (QWidget* widget : d.frm->findChildren<QWidget*>()) {
            if (widget->objectName().isEmpty() || !widget->isVisibleTo(d.frm)) {
                continue;
            }
            const QString name = widget->objectName();
            QVERIFY2(d.frm->rect().contains(widget->geometry()), qPrintable(name));
            if (qobject_cast<QLabel*>(widget) || qobject_cast<QPushButton*>(widget)) {
                QVERIFY2(widget->width() >= widget->sizeHint().width() &&
                             widget->height() >= widget->sizeHint().height(),
                         qPrintable(name));
            }
        }
    }
};

QTEST_MAIN(ConnectFrmKeysTest)
#include "tst_connect_frm_keys.moc"
