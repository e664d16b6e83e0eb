// SPDX-License-Identifier: Apache-2.0
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "MainFrmScreen.h"
#include "PaintedLines.h"
#include "ui/kit/ScreenFit.h"
#include "ui/kit/WidgetLook.h"

using namespace quven;
using namespace mainfrmtest;

namespace {

const QSize kPanel(MainFrm::kClientWidth, MainFrm::kClientHeight);

// The ink a label paints drawn at a device pixel ratio: the darkness of its pixels, added up.
qint64 ink(QLabel* label, qreal ratio) {
    QImage image(label->size() * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    label->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    qint64 sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            sum += 255 - qGray(image.pixel(x, y));
        }
    }
    return sum;
}

// How much more ink the label paints in its bold font than in the same font plain, drawn at a
// device pixel ratio.
double boldness(QLabel* label, qreal ratio) {
    const QFont font = label->font();
    const qint64 bold = ink(label, ratio);
    QFont plain = font;
    plain.setBold(false);
    label->setFont(plain);
    const qint64 regular = ink(label, ratio);
    label->setFont(font);
    return double(bold) / double(regular);
}

}  // namespace

// The control screen on the screen CTest gives it, 1920 x 1080 at 1, 1.25, 1.5 and 2, or a
// small one at 1.5: the frame and the line across it stay whole lines, the title stays bold,
// and a window the screen cannot hold scrolls instead of running off it.
class MainFrmScalingTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() {
        useConsoleStyle(*qobject_cast<QApplication*>(QCoreApplication::instance()));
        qInfo("scale %g", QGuiApplication::primaryScreen()->devicePixelRatio());
    }

    // The frame's four sides and the line between the display and the remote control, drawn
    // where the layout puts them, each a whole line at least one device pixel thick.
    void keepsTheFrameAndItsLine() {
        Screen screen;
        QWidget* panel = screen.find(QStringLiteral("Panel"));
        const QImage painted = panel->grab().toImage();
        QCOMPARE(painted.devicePixelRatio(), screen.main.devicePixelRatioF());
        for (const char* name : {"Line1", "Line2", "Line3", "Line4", "Line5"}) {
            QWidget* line = screen.find(QLatin1String(name));
            const QRect box(line->mapTo(panel, QPoint(0, 0)), line->size());
            const Qt::Orientation orientation = box.height() == 1 ? Qt::Horizontal : Qt::Vertical;
            QVERIFY2(paintedlines::ruleShown(painted, box, orientation,
                                             line->palette().color(line->foregroundRole())),
                     name);
        }
    }

    // The title is as bold at this scale as at 1, in the face it is printed in, whether that
    // face has a bold weight of its own or the font engine makes one.
    void keepsTheTitleBold() {
        Screen screen;
        auto* title = screen.find<QLabel>(QStringLiteral("lbl0"));
        QVERIFY(title->font().bold());
        const double atOne = boldness(title, 1.0);
        const double here = boldness(title, screen.main.devicePixelRatioF());
        QVERIFY2(atOne > 1.25, qPrintable(QString::number(atOne)));
        QVERIFY2(here > atOne - 0.05,
                 qPrintable(QStringLiteral("%1 at this scale, %2 at 1").arg(here).arg(atOne)));
    }

    // 560 x 469 with a title bar fits 1920 x 1080 at every scale; on a smaller screen the
    // panel scrolls below the menu bar, the window opens at what fits and may be resized, and
    // Tab scrolls to whatever it reaches.
    void fitsTheScreenOrScrolls() {
        Screen screen;
        QVERIFY(QTest::qWaitForWindowExposed(&screen.main));
        QWidget* panel = screen.find(QStringLiteral("Panel"));
        QCOMPARE(panel->size(), kPanel);
        const QRect available = screen.main.screen()->availableGeometry();
        const int menu = screen.main.menuWidget()->height();
        const bool fits = kit::fitsAvailableArea(kPanel + QSize(0, menu), available);
        // A screen of 1080 device pixels holds it at every scale up to 2.
        const QSize device =
            screen.main.screen()->geometry().size() * screen.main.devicePixelRatioF();
        QCOMPARE(fits, device.height() >= 1080);
        auto* scroll = screen.main.findChild<QScrollArea*>();
        if (fits) {
            QVERIFY(scroll == nullptr);
            QCOMPARE(screen.main.centralWidget(), panel);
            QCOMPARE(screen.main.size(), kPanel + QSize(0, menu));
            QCOMPARE(screen.main.minimumSize(), screen.main.maximumSize());
            return;
        }
        QVERIFY(scroll != nullptr);
        QCOMPARE(screen.main.centralWidget(), scroll);
        const QSize room = available.size() - kit::kWindowFrameAllowance;
        QVERIFY(screen.main.width() <= room.width() && screen.main.height() <= room.height());
        QVERIFY(screen.main.minimumHeight() < screen.main.height());
        QVERIFY(screen.main.maximumHeight() >= kPanel.height() + menu);
        QVERIFY(scroll->verticalScrollBar()->isVisible());

        // Scrolled to the top, Tab from the manual line to "CLR" brings the foot into view.
        screen.main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&screen.main));
        scroll->verticalScrollBar()->setValue(0);
        QWidget* clear = screen.find(QStringLiteral("Command2"));
        const auto inView = [scroll](QWidget* widget) {
            const QRect at(widget->mapTo(scroll->viewport(), QPoint(0, 0)), widget->size());
            return scroll->viewport()->rect().contains(at);
        };
        QVERIFY(!inView(clear));
        QWidget* manual = screen.find(QStringLiteral("Text2"));
        manual->setFocus();
        QTest::keyClick(manual, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), clear);
        QVERIFY(inView(clear));
    }
};

QTEST_MAIN(MainFrmScalingTest)
#include "tst_main_frm_scaling.moc"
