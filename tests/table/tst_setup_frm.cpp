// SPDX-License-Identifier: Apache-2.0
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "SetupFrmWindow.h"
#include "ui/kit/Colours.h"
#include "ui/kit/WidgetLook.h"

using namespace quven;
using namespace setupfrmtest;

// The data-table window on its real widgets, as it shows: where each table control sits and
// that the table's index formulas reach it, the captions, fonts and colours, and the marks on
// what a read did not read. (tst_setup_frm_input: what the operator's input does.)
class SetupFrmTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() {
        useConsoleStyle(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    }

    void indexFormulasReachTheirWidgets() {
        Window window;
        DataTable& table = window.table;

        // Normal row 3, MSPD: beside HSPD, in the row of the channel's POS box.
        table.setText1(ti::speed(3, ti::Mspd), QStringLiteral("2000"));
        QCOMPARE(window.find<QLineEdit>(QStringLiteral("Text1_13"))->text(),
                 QStringLiteral("2000"));
        QCOMPARE(window.at(QStringLiteral("Text1_13")),
                 QRect(px(3420), px(1560 + 3 * 360), px(675), px(285)));
        QCOMPARE(window.at(QStringLiteral("Text1_12")).left(), px(2700));

        // Function row 4's POS.
        table.setText2(ti::position(8 + 4), QStringLiteral("-12"));
        QCOMPARE(window.find<QLineEdit>(QStringLiteral("Text2_12"))->text(), QStringLiteral("-12"));
        QCOMPARE(window.at(QStringLiteral("Text2_12")).topLeft(),
                 QPoint(px(1560), px(5580 + 4 * 360)));

        // Function row 2, axis 5, "-": right of that axis's "E", in row 2.
        QCOMPARE(ti::axisReverse(2, 5), 49 + 16 * 2 + 2 * 5);
        table.setCheck2(ti::axisReverse(2, 5), true);
        for (int index = 0; index < DataTable::kCheck2Count; ++index) {
            QCOMPARE(window.find<QCheckBox>(indexed("Check2", index))->isChecked(), index == 91);
        }
        const QRect reverse = window.at(QStringLiteral("Check2_91"));
        const QRect row2 = window.at(QStringLiteral("Text2_10"));
        QCOMPARE(reverse.left(), px(5820 + 5 * 480));
        QCOMPARE(window.at(QStringLiteral("Check2_90")).left(), px(5640 + 5 * 480));
        QVERIFY(reverse.top() > row2.top() && reverse.bottom() < row2.bottom());

        // Function row 7's C: the third button of Frame1_15, in row 7.
        table.selectOption2(ti::drive(8 + 7, ti::DriveC));
        auto* c = window.find<QRadioButton>(QStringLiteral("Option2_47"));
        QVERIFY(c->isChecked());
        QCOMPARE(c->parentWidget()->objectName(), QStringLiteral("Frame1_15"));
        QCOMPARE(window.at(QStringLiteral("Option2_47")).left(), px(9540 + 600));
        QCOMPARE(window.at(QStringLiteral("Frame1_15")).left(), px(9540));
        QVERIFY(qAbs(window.at(QStringLiteral("Frame1_15")).center().y() -
                     window.at(QStringLiteral("Text2_15")).center().y()) <= 1);
        QCOMPARE(window.find(QStringLiteral("Option2_51"))->parentWidget()->objectName(),
                 QStringLiteral("Frame1_17"));

        // Normal row 6's switches, left to right CWLS EN .. PLS -DIR.
        const int lefts[] = {5820, 6300, 6900, 7440, 8040, 8520};
        for (int column = 0; column < 6; ++column) {
            QCOMPARE(window.at(indexed("Check2", 6 * 6 + column)).left(), px(lefts[column]));
        }
    }

    void laysOutByTwips() {
        Window window;
        QCOMPARE(window.frm.twips().dpi(), 96);
        QCOMPARE(window.frm.size(), QSize(px(14535), px(10260)));
        const struct {
            const char* name;
            int left;
            int top;
        } placed[] = {{"Label17", 360, 240},        {"lblTitle", 4500, 120},
                      {"lblNormal", 480, 780},      {"lblFunction", 480, 4800},
                      {"lblCommon", 480, 8880},     {"Text2_0", 1560, 1560},
                      {"Text2_8", 1560, 5580},      {"Text1_63", 4860, 8100},
                      {"Frame1_16", 540, 9240},     {"Frame1_17", 3780, 9240},
                      {"lblFileArea", 10980, 5100}, {"txtFileName", 10860, 5340},
                      {"Drive1", 10860, 5700},      {"Dir1", 10860, 6060},
                      {"File1", 12540, 5700},       {"cmdWrite", 11280, 8100},
                      {"cmdRead", 12780, 8100},     {"cmdDataRead", 7140, 9300},
                      {"cmdDataWrite", 7980, 9300}, {"Command2", 8820, 9300},
                      {"cmdDataClear", 9660, 9300}, {"Command1", 11340, 9300},
                      {"NormalSection", 300, 720},  {"CommonSection", 300, 8580}};
        for (const auto& control : placed) {
            QCOMPARE(window.at(QLatin1String(control.name)).topLeft(),
                     QPoint(px(control.left), px(control.top)));
        }
        QCOMPARE(window.at(QStringLiteral("Text2_0")).size(), QSize(px(1035), px(285)));
        QCOMPARE(window.at(QStringLiteral("NormalSection")).size(), QSize(px(10335), px(3855)));

        // Nothing overlaps anything else, apart from the sections' frames around their content.
        const auto controls = widgetprobe::placedControls(&window.frm);
        QVERIFY(controls.size() > 300);
        const auto isSection = [](const QWidget* widget) {
            return widget->objectName().endsWith(QLatin1String("Section"));
        };
        for (const auto& [widget, at] : controls) {
            for (const auto& [other, otherAt] : controls) {
                QVERIFY2(
                    widget == other || isSection(widget) || isSection(other) ||
                        !at.intersects(otherAt),
                    qPrintable(widget->objectName() + QLatin1String(" on ") + other->objectName()));
            }
            QVERIFY2(window.frm.rect().contains(at), qPrintable(widget->objectName()));
        }
    }

    void keepsEveryCaptionVisible() {
        Window window;
        fillEveryRow(window.table);
        for (QWidget* widget : window.frm.findChildren<QWidget*>()) {
            const QString text = caption(widget);
            if (text.isEmpty()) {
                continue;
            }
            const QFontMetrics metrics(widget->font());
            const QString name = widget->objectName();
            QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()), qPrintable(name));
            if (qobject_cast<QPushButton*>(widget) != nullptr) {
                // Captions may wrap onto a second line, never further, and no word is cut.
                const QRect room = widget->rect().adjusted(6, 4, -6, -4);
                const QRect needed = metrics.boundingRect(room, Qt::TextWordWrap, text);
                QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height() &&
                             needed.height() <= 2 * metrics.lineSpacing(),
                         qPrintable(name));
            } else if (auto* label = qobject_cast<QLabel*>(widget); label && label->wordWrap()) {
                const QRect needed =
                    metrics.boundingRect(label->contentsRect(), Qt::TextWordWrap, text);
                QVERIFY2(needed.height() <= label->contentsRect().height(), qPrintable(name));
            } else if (qobject_cast<QRadioButton*>(widget) != nullptr) {
                QVERIFY2(widget->width() >= widget->sizeHint().width(), qPrintable(name));
            } else if (qobject_cast<QLineEdit*>(widget) != nullptr) {
                // The box's one-pixel border and one pixel beside the text.
                QVERIFY2(metrics.horizontalAdvance(text) <= widget->width() - 2, qPrintable(name));
            } else {
                QVERIFY2(metrics.horizontalAdvance(text) <= widget->contentsRect().width(),
                         qPrintable(name));
                QVERIFY2(metrics.height() <= widget->contentsRect().height(), qPrintable(name));
            }
        }
    }

    void showsItsCaptionsAndNames() {
        Window window;
        QCOMPARE(window.frm.windowTitle(), QStringLiteral("QUVEN-01 DATA READ WRITE control"));
        // Name | caption | tooltip.
        const QString controls = QStringLiteral(R"(Label17|--- Reading ---|
lblTitle|QUVEN-01 DATA RAED & WRITE TABLE|
lblNormal|NORMAL MODE SETTING|
lblFunction|FUNCTION MODE SETTING|
lblCommon|COMMON  SETTING|
lblNormalStc|S  T  C|
lblAxisEnDir_7|E -|
lblChannel_7| 7|
Frame1_16|LIMIT STOP|
Frame1_17|LIMIT STOP|
Option2_48|EM STOP|
Option2_49|SLOW STOP|
Option2_50|ALL STOP|
Option2_51|INDIV. STOP|
lblExplanation_8|E means pulse out enable, "-" means reverse direction.|
lblFileArea|Data Save to or Load from File|
txtFileName||Table data file name(xxx.txt)
cmdWrite|Save to File|Save data table to the file(xxx.txt) (Ctrl+S)
cmdRead|Load from File|Load data table from the file(xxx.txt) (Ctrl+O)
cmdDataRead|Data Read|Data table read from ORBEL (F5)
cmdDataWrite|Data Write|Data table write into ORBEL (F6)
Command2|R/W Stop|(Esc)
cmdDataClear|Data Clear|Clear all data table (Ctrl+Shift+Del)
Command1|To Control Screen|Quit Editor)");
        // A screen reader calls the controls by words (tst_accessible_names); their names stay.
        QCOMPARE(widgetprobe::shownMismatch(window.frm, controls), QString());
        for (const char* name : {"Drive1", "Dir1", "File1"}) {
            QCOMPARE(window.find(QLatin1String(name))->objectName(), QLatin1String(name));
        }

        // Every control of the table's arrays, by name; the cells show no caption.
        const std::pair<const char*, int> arrays[] = {
            {"Text1", 64}, {"Text2", 16}, {"Check2", 176}, {"Option2", 52}, {"Frame1", 18}};
        for (const auto& [name, count] : arrays) {
            for (int index = 0; index < count; ++index) {
                QWidget* widget = window.find(indexed(name, index));
                QCOMPARE(widget->objectName(), indexed(name, index));
                const bool captioned =
                    QLatin1String(name) == QLatin1String("Frame1")
                        ? index >= 16
                        : QLatin1String(name) == QLatin1String("Option2") && index >= 48;
                QCOMPARE(!caption(widget).isEmpty(), captioned);
            }
        }

        const QString family = QFontDatabase::families().contains(QStringLiteral("IPAPGothic"))
                                   ? QStringLiteral("IPAPGothic")
                                   : QFont().family();
        // Point size, bold, and the controls that show it.
        const struct {
            qreal points;
            bool bold;
            const char* names;
        } fonts[] = {{12, true, "Label17 lblTitle lblNormal lblCommon"},
                     {11.25, false, "lblNormalHspd lblAxis_3 lblMode_7"},
                     {9.75, false, "Text1_0 Text2_15 lblExplanation_0"},
                     {9, false, "cmdDataRead cmdWrite File1 txtFileName Option2_48"}};
        for (const auto& font : fonts) {
            for (const QString& name : QString::fromLatin1(font.names).split(QLatin1Char(' '))) {
                const QFont shown = window.find(name)->font();
                QCOMPARE(shown.pointSizeF(), font.points);
                QCOMPARE(shown.bold(), font.bold);
                QCOMPARE(QFontInfo(shown).family(), QFontInfo(QFont(family)).family());
            }
        }
    }

    void paintsItsColours() {
        Window window;
        QCOMPARE(backColour(&window.frm), colours::Peach);
        QCOMPARE(paintedAt(&window.frm, QPoint(2, 2)), colours::Peach);
        const std::pair<const char*, QColor> painted[] = {
            {"cmdDataRead", colours::Green}, {"cmdDataWrite", colours::LightRed},
            {"Command2", colours::Yellow},   {"cmdDataClear", colours::LightCyan},
            {"Command1", colours::Cyan},     {"cmdWrite", colours::LightOrange},
            {"cmdRead", colours::Green}};
        for (const auto& [name, colour] : painted) {
            QWidget* widget = window.find(QLatin1String(name));
            QCOMPARE(backColour(widget), colour);
            QCOMPARE(paintedAt(widget, QPoint(4, 4)), colour);
        }
        // Labels, frames and option buttons: seen right of their captions and buttons.
        for (const char* name : {"Label17", "lblNormalHspd", "lblExplanation_8", "Frame1_3",
                                 "Frame1_17", "Option2_50"}) {
            QWidget* widget = window.find(QLatin1String(name));
            QCOMPARE(backColour(widget), colours::Peach);
            QCOMPARE(paintedAt(widget, QPoint(widget->width() - 2, 1)), colours::Peach);
        }
        // The cells' insides stay white on the peach window.
        QWidget* box = window.find(QStringLiteral("Text1_0"));
        QCOMPARE(paintedAt(box, box->rect().center()), QColor(Qt::white));
        QWidget* check = window.find(QStringLiteral("Check2_0"));
        QCOMPARE(paintedAt(check, check->rect().center()), QColor(Qt::white));
    }

    void marksTheCellsNotRead() {
        Window w;
        using namespace tableitems;
        w.screen.unread.mark({item(Speeds, 3), item(Switches, 9)});
        QWidget* hspd = w.find(indexed("Text1", ti::speed(3, ti::Hspd)));
        QWidget* axis = w.find(indexed("Check2", ti::axisReverse(1, 7)));
        QCOMPARE(backColour(hspd), colours::NotRead);
        QCOMPARE(backColour(axis), colours::NotRead);
        QVERIFY(!hspd->toolTip().isEmpty());
        QVERIFY(!backColour(w.find(indexed("Text2", 3))).isValid());
        // An edit, a load or a read takes the mark away.
        QTest::keyClick(w.find(indexed("Text1", ti::speed(3, ti::Rate))), Qt::Key_5);
        QVERIFY(!backColour(hspd).isValid());
        QVERIFY(hspd->toolTip().isEmpty());
        QCOMPARE(backColour(axis), colours::NotRead);
        w.screen.unread.clearAll();
        QCOMPARE(backColour(axis), colours::Peach);
    }
};

QTEST_MAIN(SetupFrmTest)
#include "tst_setup_frm.moc"
