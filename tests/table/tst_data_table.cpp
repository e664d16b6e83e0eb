// SPDX-License-Identifier: Apache-2.0
#include <QtTest>

#include <algorithm>
#include <climits>

#include "table/DataTable.h"

using quven::DataTable;
namespace ti = quven::tableindex;

namespace {

enum class Control { Text1, Text2, Check2, Option2 };

using ChangedSignal = void (DataTable::*)(int);

ChangedSignal signalOf(Control control) {
    switch (control) {
        case Control::Text1:
            return &DataTable::text1Changed;
        case Control::Text2:
            return &DataTable::text2Changed;
        case Control::Check2:
            return &DataTable::check2Changed;
        case Control::Option2:
            break;
    }
    return &DataTable::option2Changed;
}

// Moves one control away from its cleared state.
void setOn(DataTable& table, Control control, int index) {
    switch (control) {
        case Control::Text1:
            table.setText1(index, QStringLiteral("x"));
            break;
        case Control::Text2:
            table.setText2(index, QStringLiteral("x"));
            break;
        case Control::Check2:
            table.setCheck2(index, true);
            break;
        case Control::Option2:
            table.selectOption2(index);
            break;
    }
}

bool isOn(const DataTable& table, Control control, int index) {
    switch (control) {
        case Control::Text1:
            return !table.Text1(index).isEmpty();
        case Control::Text2:
            return !table.Text2(index).isEmpty();
        case Control::Check2:
            return table.Check2(index);
        case Control::Option2:
            break;
    }
    return table.Option2(index);
}

// Every text and box on, and the last button of every frame selected.
void fillAll(DataTable& table) {
    for (int i = 0; i < DataTable::kText1Count; ++i) {
        setOn(table, Control::Text1, i);
    }
    for (int i = 0; i < DataTable::kText2Count; ++i) {
        setOn(table, Control::Text2, i);
    }
    for (int i = 0; i < DataTable::kCheck2Count; ++i) {
        setOn(table, Control::Check2, i);
    }
    for (int i = 0; i < DataTable::kOption2Count; ++i) {
        setOn(table, Control::Option2, i);
    }
}

// A table with every control on (fillAll), then a spy on each of its change signals.
struct FullTable {
    DataTable table;
    bool filled = (fillAll(table), true);
    QSignalSpy text1{&table, &DataTable::text1Changed};
    QSignalSpy text2{&table, &DataTable::text2Changed};
    QSignalSpy check2{&table, &DataTable::check2Changed};
    QSignalSpy option2{&table, &DataTable::option2Changed};
};

QList<int> buttonsOfFrame(int frame) {
    if (frame == 16) {
        return {ti::EmStop, ti::SlowStop};
    }
    if (frame == 17) {
        return {ti::AllStop, ti::IndivStop};
    }
    return {ti::drive(frame, ti::DriveS), ti::drive(frame, ti::DriveT),
            ti::drive(frame, ti::DriveC)};
}

}  // namespace

Q_DECLARE_METATYPE(Control)

class TestDataTable : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void indexFormulasReachEachControlOnce_data();
    void indexFormulasReachEachControlOnce();
    void frameOf_data();
    void frameOf();
    void driveButtonsBelongToTheirRowFrame();
    void frameIsExclusive_data();
    void frameIsExclusive();
    void selectionSignalsFollowTheFrame();
    void signalOnlyOnRealChange_data();
    void signalOnlyOnRealChange();
    void outOfRangeIndexIsIgnored_data();
    void outOfRangeIndexIsIgnored();
    void clearReachesEveryControl_data();
    void clearReachesEveryControl();
    void clearOfFullTable();
};

void TestDataTable::indexFormulasReachEachControlOnce_data() {
    QTest::addColumn<QList<int>>("indexes");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");

    QList<int> pos, normalSpeed, functionSpeed, normalDrive, functionDrive;
    for (int row = 0; row < ti::kRowCount; ++row) {
        pos << ti::position(row);
        for (int k : {ti::Hspd, ti::Mspd, ti::Lspd, ti::Rate}) {
            (ti::isFunctionRow(row) ? functionSpeed : normalSpeed) << ti::speed(row, k);
        }
        for (int k : {ti::DriveS, ti::DriveT, ti::DriveC}) {
            (ti::isFunctionRow(row) ? functionDrive : normalDrive) << ti::drive(row, k);
        }
    }
    QList<int> normalSwitches, axisSwitches;
    for (int n = 0; n < 8; ++n) {
        for (int k = ti::CwlsEnable; k <= ti::PulseReverse; ++k) {
            normalSwitches << ti::normalSwitch(n, k);
        }
        for (int a = 0; a < 8; ++a) {
            axisSwitches << ti::axisEnable(n, a) << ti::axisReverse(n, a);
        }
    }
    const QList<int> common{ti::EmStop, ti::SlowStop, ti::AllStop, ti::IndivStop};

    QTest::newRow("Text2 POS") << pos << 0 << 16;
    QTest::newRow("Text1 normal") << normalSpeed << 0 << 32;
    QTest::newRow("Text1 function") << functionSpeed << 32 << 32;
    QTest::newRow("Check2 normal") << normalSwitches << 0 << 48;
    QTest::newRow("Check2 function") << axisSwitches << 48 << 128;
    QTest::newRow("Option2 normal DRIVE") << normalDrive << 0 << 24;
    QTest::newRow("Option2 function DRIVE") << functionDrive << 24 << 24;
    QTest::newRow("Option2 common") << common << 48 << 4;
}

void TestDataTable::indexFormulasReachEachControlOnce() {
    QFETCH(QList<int>, indexes);
    QFETCH(int, first);
    QFETCH(int, count);

    std::sort(indexes.begin(), indexes.end());
    QCOMPARE(indexes.size(), count);
    for (int i = 0; i < count; ++i) {
        QCOMPARE(indexes.at(i), first + i);
    }
}

void TestDataTable::frameOf_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("frame");

    QTest::newRow("first S") << 0 << 0;
    QTest::newRow("row 0 C") << 2 << 0;
    QTest::newRow("row 1 S") << 3 << 1;
    QTest::newRow("row 7 C") << 23 << 7;
    QTest::newRow("mode 0 S") << 24 << 8;
    QTest::newRow("mode 0 C") << 26 << 8;
    QTest::newRow("mode 7 C") << 47 << 15;
    QTest::newRow("EM STOP") << 48 << 16;
    QTest::newRow("SLOW STOP") << 49 << 16;
    QTest::newRow("ALL STOP") << 50 << 17;
    QTest::newRow("INDIV. STOP") << 51 << 17;
    QTest::newRow("-1") << -1 << -1;
    QTest::newRow("52") << 52 << -1;
    QTest::newRow("INT_MIN") << INT_MIN << -1;
    QTest::newRow("INT_MAX") << INT_MAX << -1;
}

void TestDataTable::frameOf() {
    QFETCH(int, index);
    QFETCH(int, frame);
    QCOMPARE(DataTable::frameOf(index), frame);
}

void TestDataTable::driveButtonsBelongToTheirRowFrame() {
    for (int row = 0; row < ti::kRowCount; ++row) {
        for (int k : {ti::DriveS, ti::DriveT, ti::DriveC}) {
            QCOMPARE(DataTable::frameOf(ti::drive(row, k)), ti::driveFrame(row));
        }
    }
}

void TestDataTable::frameIsExclusive_data() {
    QTest::addColumn<int>("frame");
    for (int frame = 0; frame < DataTable::kFrame1Count; ++frame) {
        QTest::addRow("frame %d", frame) << frame;
    }
}

void TestDataTable::frameIsExclusive() {
    QFETCH(int, frame);
    const QList<int> buttons = buttonsOfFrame(frame);
    DataTable table;
    QCOMPARE(table.selectedInFrame(frame), -1);

    // Every other frame holds a selection that must survive.
    QList<int> others;
    for (int f = 0; f < DataTable::kFrame1Count; ++f) {
        if (f != frame) {
            others << buttonsOfFrame(f).first();
            table.selectOption2(others.last());
        }
    }
    for (int chosen : buttons) {
        table.selectOption2(chosen);
        QCOMPARE(table.selectedInFrame(frame), chosen);
        for (int button : buttons) {
            QCOMPARE(table.Option2(button), button == chosen);
        }
    }
    table.deselectOption2(buttons.first());  // not the selected one
    QCOMPARE(table.selectedInFrame(frame), buttons.last());
    table.deselectOption2(buttons.last());
    QCOMPARE(table.selectedInFrame(frame), -1);
    for (int other : others) {
        QCOMPARE(table.selectedInFrame(DataTable::frameOf(other)), other);
    }
}

void TestDataTable::selectionSignalsFollowTheFrame() {
    DataTable table;
    const int first = ti::drive(1, ti::DriveS);
    const int second = ti::drive(1, ti::DriveC);
    QList<int> heard;
    connect(&table, &DataTable::option2Changed, this, [&](int index) {
        heard << index;
        // A listener never sees two selected buttons in one frame.
        int selected = 0;
        for (int button : buttonsOfFrame(1)) {
            selected += table.Option2(button) ? 1 : 0;
        }
        QVERIFY(selected <= 1);
    });

    table.selectOption2(first);
    QCOMPARE(heard, QList<int>{first});
    heard.clear();
    table.selectOption2(second);
    std::sort(heard.begin(), heard.end());
    QCOMPARE(heard, (QList<int>{first, second}));
    heard.clear();
    table.selectOption2(second);
    QVERIFY(heard.isEmpty());
    table.deselectOption2(first);
    QVERIFY(heard.isEmpty());
    table.deselectOption2(second);
    QCOMPARE(heard, QList<int>{second});
}

void TestDataTable::signalOnlyOnRealChange_data() {
    QTest::addColumn<Control>("control");
    QTest::addColumn<int>("index");
    QTest::newRow("Text1 first") << Control::Text1 << 0;
    QTest::newRow("Text1 last") << Control::Text1 << 63;
    QTest::newRow("Text2 last") << Control::Text2 << 15;
    QTest::newRow("Check2 first") << Control::Check2 << 0;
    QTest::newRow("Check2 last") << Control::Check2 << 175;
    QTest::newRow("Option2 drive") << Control::Option2 << 25;
    QTest::newRow("Option2 common") << Control::Option2 << 51;
}

void TestDataTable::signalOnlyOnRealChange() {
    QFETCH(Control, control);
    QFETCH(int, index);
    DataTable table;
    QSignalSpy spy(&table, signalOf(control));

    setOn(table, control, index);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), index);
    setOn(table, control, index);
    QCOMPARE(spy.count(), 1);
    table.clear();
    QCOMPARE(spy.count(), 2);
    QVERIFY(!isOn(table, control, index));
    table.clear();
    QCOMPARE(spy.count(), 2);
}

void TestDataTable::outOfRangeIndexIsIgnored_data() {
    QTest::addColumn<Control>("control");
    QTest::addColumn<int>("index");
    const QList<QPair<Control, int>> arrays{{Control::Text1, DataTable::kText1Count},
                                            {Control::Text2, DataTable::kText2Count},
                                            {Control::Check2, DataTable::kCheck2Count},
                                            {Control::Option2, DataTable::kOption2Count}};
    for (const auto& [control, count] : arrays) {
        for (int index : {-1, count, INT_MIN, INT_MAX}) {
            QTest::addRow("%d at %d", int(control), index) << control << index;
        }
    }
}

void TestDataTable::outOfRangeIndexIsIgnored() {
    QFETCH(Control, control);
    QFETCH(int, index);
    FullTable full;
    DataTable& table = full.table;

    QVERIFY(!isOn(table, control, index));
    setOn(table, control, index);
    table.deselectOption2(index);
    QVERIFY(!isOn(table, control, index));
    QCOMPARE(full.text1.count() + full.text2.count() + full.check2.count() + full.option2.count(),
             0);
    QCOMPARE(table.selectedInFrame(-1), -1);
    QCOMPARE(table.selectedInFrame(DataTable::kFrame1Count), -1);
}

void TestDataTable::clearReachesEveryControl_data() {
    QTest::addColumn<Control>("control");
    QTest::addColumn<int>("count");
    QTest::newRow("Text1") << Control::Text1 << int(DataTable::kText1Count);
    QTest::newRow("Text2") << Control::Text2 << int(DataTable::kText2Count);
    QTest::newRow("Check2") << Control::Check2 << int(DataTable::kCheck2Count);
    QTest::newRow("Option2") << Control::Option2 << int(DataTable::kOption2Count);
}

// One control at a time: isCleared notices it, clear resets it and tells only of it.
void TestDataTable::clearReachesEveryControl() {
    QFETCH(Control, control);
    QFETCH(int, count);
    DataTable table;
    QSignalSpy spy(&table, signalOf(control));
    for (int index = 0; index < count; ++index) {
        setOn(table, control, index);
        QVERIFY2(!table.isCleared(), qPrintable(QString::number(index)));
        spy.clear();
        table.clear();
        QVERIFY(table.isCleared());
        QVERIFY(!isOn(table, control, index));
        QCOMPARE(spy.count(), 1);
    }
}

void TestDataTable::clearOfFullTable() {
    FullTable full;
    DataTable& table = full.table;

    table.clear();
    QVERIFY(table.isCleared());
    QCOMPARE(full.text1.count(), DataTable::kText1Count);
    QCOMPARE(full.text2.count(), DataTable::kText2Count);
    QCOMPARE(full.check2.count(), DataTable::kCheck2Count);
    QCOMPARE(full.option2.count(), DataTable::kFrame1Count);
    for (int frame = 0; frame < DataTable::kFrame1Count; ++frame) {
        QCOMPARE(table.selectedInFrame(frame), -1);
    }
}

QTEST_MAIN(TestDataTable)
#include "tst_data_table.moc"
