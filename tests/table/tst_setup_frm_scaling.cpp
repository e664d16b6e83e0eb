// SPDX-License-Identifier: Apache-2.0
#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "PaintedLines.h"
#include "SetupFrmWindow.h"
#include "ui/kit/Hairline.h"
#include "ui/kit/ScreenFit.h"
#include "ui/kit/WidgetLook.h"

using namespace quven;
using namespace setupfrmtest;
using paintedlines::missingEdges;

namespace {

// The layout's size at 96 dots per inch.
const QSize kLayout(px(14535), px(10260));

}  // namespace

// The data-table window on a 1920 x 1080 screen at the scale CTest gives it (1, 1.25, 1.5, 2):
// its frames and its cells' borders stay whole lines, and a window the screen cannot hold
// scrolls instead of running off it.
class SetupFrmScalingTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() {
        useConsoleStyle(*qobject_cast<QApplication*>(QCoreApplication::instance()));
        qInfo("scale %g", QGuiApplication::primaryScreen()->devicePixelRatio());
    }

    // The sections' frames and the cells' borders, drawn where the layout puts them, each edge
    // a whole line at least one device pixel thick.
    void keepsEveryLine() {
        Window window;
        QWidget* canvas = window.find(QStringLiteral("SetupCanvas"));
        const QImage painted = canvas->grab().toImage();
        QCOMPARE(painted.devicePixelRatio(), window.frm.devicePixelRatioF());
        for (const char* name : {"NormalSection", "FunctionSection", "CommonSection"}) {
            QWidget* frame = window.find(QLatin1String(name));
            const QRect box(frame->mapTo(canvas, QPoint(0, 0)), frame->size());
            QCOMPARE(missingEdges(painted, box, frame->palette().color(QPalette::WindowText)),
                     QString());
        }
        // Cells in every column and both sections, at different offsets from the pixel grid.
        for (int row : {0, 3, 8, 13}) {
            for (const QString& name :
                 {indexed("Text2", ti::position(row)), indexed("Text1", ti::speed(row, ti::Hspd)),
                  indexed("Text1", ti::speed(row, ti::Rate))}) {
                QWidget* cell = window.find(name);
                const QRect box(cell->mapTo(canvas, QPoint(0, 0)), cell->size());
                QVERIFY2(
                    missingEdges(painted, box, cell->palette().color(QPalette::Dark)).isEmpty(),
                    qPrintable(name +
                               missingEdges(painted, box, cell->palette().color(QPalette::Dark))));
            }
        }
    }

    // The table's boxes stand on a grid of four layout pixels, which every scale here puts on
    // whole device pixels; the kit's hairline frames must hold anywhere, so here they stand at
    // every offset from that grid and in every size around it.
    void hairlinesHoldOffTheGrid() {
        QWidget window;
        window.resize(400, 300);
        QList<QWidget*> boxes;
        for (int offset = 0; offset < 4; ++offset) {
            for (int size = 0; size < 4; ++size) {
                auto* box = new kit::HairlineBox(&window);
                box->setGeometry(10 + offset + 90 * size, 10 + 70 * offset + size, 50 + size,
                                 30 + offset);
                boxes << box;
            }
        }
        window.show();
        const QImage painted = window.grab().toImage();
        for (QWidget* box : boxes) {
            QVERIFY2(missingEdges(painted, box->geometry(), Qt::black).isEmpty(),
                     qPrintable(QStringLiteral("%1,%2 %3x%4%5")
                                    .arg(box->x())
                                    .arg(box->y())
                                    .arg(box->width())
                                    .arg(box->height())
                                    .arg(missingEdges(painted, box->geometry(), Qt::black))));
        }
    }

    // 969 x 684 with a title bar fits 1920 x 1080 at 1 and 1.25, not at 1.5 and 2: there the
    // window opens at what fits, may be resized, and scrolls to whatever the focus reaches.
    void fitsTheScreenOrScrolls() {
        Window window;
        QVERIFY(QTest::qWaitForWindowExposed(&window.frm));
        const QRect available = window.frm.screen()->availableGeometry();
        const bool fits = window.frm.devicePixelRatioF() < 1.5;
        QCOMPARE(kit::fitsAvailableArea(kLayout, available), fits);
        QCOMPARE(window.find(QStringLiteral("SetupCanvas"))->size(), kLayout);
        auto* scroll = window.frm.findChild<QScrollArea*>();
        if (fits) {
            QCOMPARE(window.frm.size(), kLayout);
            QCOMPARE(window.frm.minimumSize(), window.frm.maximumSize());
            QVERIFY(scroll == nullptr);
            return;
        }
        QVERIFY(scroll != nullptr);
        const QSize room = available.size() - kit::kWindowFrameAllowance;
        QVERIFY(window.frm.width() <= room.width() && window.frm.height() <= room.height());
        QVERIFY(window.frm.minimumHeight() < window.frm.height());
        QVERIFY(window.frm.maximumHeight() >= kLayout.height());
        QVERIFY(scroll->verticalScrollBar()->isVisible());
        QCOMPARE(scroll->horizontalScrollBar()->isVisible(), kLayout.width() > room.width());

        // Scrolled to the foot, Tab from "Load from File" to the table's first box brings it
        // into view.
        window.frm.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window.frm));
        scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
        QWidget* load = window.find(QStringLiteral("cmdRead"));
        load->setFocus();
        QTest::keyClick(load, Qt::Key_Tab);
        QWidget* first = window.find(QStringLiteral("Text2_0"));
        QCOMPARE(QApplication::focusWidget(), first);
        const QRect shown(first->mapTo(scroll->viewport(), QPoint(0, 0)), first->size());
        QVERIFY(scroll->viewport()->rect().contains(shown));
    }
};

QTEST_MAIN(SetupFrmScalingTest)
#include "tst_setup_frm_scaling.moc"
