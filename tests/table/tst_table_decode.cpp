// SPDX-License-Identifier: Apache-2.0
#include <QtTest>

#include <QRandomGenerator>

#include <algorithm>
#include <climits>

#include "TableCodesProbe.h"

using quven::CodeSource;
using namespace tablecodestest;

namespace {

QList<int> sorted(QList<int> list) {
    std::sort(list.begin(), list.end());
    return list;
}

// A table the text encoding cannot tell apart: the documented losses applied.
void applyEncodingLosses(DataTable& table) {
    for (int row = 0; row < ti::kRowCount; ++row) {
        if (table.selectedInFrame(ti::driveFrame(row)) < 0) {
            table.selectOption2(ti::drive(row, ti::DriveC));
        }
    }
    for (int n = 0; n < 8; ++n) {
        for (int enable : {ti::CwlsEnable, ti::CcwlsEnable, ti::PulseEnable}) {
            if (!table.Check2(ti::normalSwitch(n, enable))) {
                table.setCheck2(ti::normalSwitch(n, enable + 1), false);
            }
        }
        for (int a = 0; a < 8; ++a) {
            if (!table.Check2(ti::axisEnable(n, a))) {
                table.setCheck2(ti::axisReverse(n, a), false);
            }
        }
    }
    if (!table.Option2(ti::EmStop)) {
        table.selectOption2(ti::SlowStop);
    }
    if (!table.Option2(ti::AllStop)) {
        table.selectOption2(ti::IndivStop);
    }
}

void fillRandomly(DataTable& table, QRandomGenerator& random) {
    for (int i = 0; i < DataTable::kCheck2Count; ++i) {
        table.setCheck2(i, random.bounded(2) == 1);
    }
    for (int row = 0; row < ti::kRowCount; ++row) {
        selectDrive(table, row, random.bounded(4) - 1);
    }
    const int action = random.bounded(3);
    const int scope = random.bounded(3);
    if (action > 0) {
        table.selectOption2(action == 1 ? ti::EmStop : ti::SlowStop);
    }
    if (scope > 0) {
        table.selectOption2(scope == 1 ? ti::AllStop : ti::IndivStop);
    }
}

}  // namespace

Q_DECLARE_METATYPE(CodeSource)

// What a block, read from the controller or a table file, sets in the table; and a table's
// blocks decoded back into a table.
class TableDecodeTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void decodeBlock_data();
    void decodeBlock();
    void decodeNeverClears_data();
    void decodeNeverClears();
    void decodeOutsideTheTableDoesNothing();
    void decodeLimitStop_data();
    void decodeLimitStop();
    void roundTrip_data();
    void roundTrip();
};

void TableDecodeTest::decodeBlock_data() {
    QTest::addColumn<CodeSource>("source");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("block");
    QTest::addColumn<QList<int>>("checked");
    QTest::addColumn<QList<int>>("selected");
    const CodeSource file = CodeSource::TableFile;
    const CodeSource controller = CodeSource::Controller;
    const int n = 2;
    const auto sw = [n](int column) { return ti::normalSwitch(n, column); };
    const auto drv = [n](int column) { return ti::drive(n, column); };
    const QList<int> none;
    const QList<int> enOnlyAll{sw(ti::CwlsEnable), sw(ti::CcwlsEnable), sw(ti::PulseEnable),
                               sw(ti::PulseReverse)};
    const QList<int> s122{sw(ti::CwlsEnable), sw(ti::CwlsNc), sw(ti::CcwlsEnable),
                          sw(ti::PulseEnable), sw(ti::PulseReverse)};

    QTest::newRow("file X9Z2") << file << n << "X9Z2" << enOnlyAll << QList<int>{drv(ti::DriveC)};
    // The controller knows "2" as a pulse code, so only the unknown characters are lost.
    QTest::newRow("controller X9Z2")
        << controller << n << "X9Z2" << QList<int>{sw(ti::PulseEnable), sw(ti::PulseReverse)}
        << none;
    QTest::newRow("controller X9Z0") << controller << n << "X9Z0" << none << none;
    QTest::newRow("file S122") << file << n << "S122" << s122 << QList<int>{drv(ti::DriveS)};
    QTest::newRow("controller S122")
        << controller << n << "S122" << s122 << QList<int>{drv(ti::DriveS)};
    QTest::newRow("controller s122") << controller << n << "s122" << s122 << none;
    QTest::newRow("file T210") << file << n << "T210"
                               << QList<int>{sw(ti::CwlsEnable), sw(ti::CcwlsEnable),
                                             sw(ti::CcwlsNc)}
                               << QList<int>{drv(ti::DriveT)};
    QTest::newRow("controller C021")
        << controller << n << "C021" << QList<int>{sw(ti::CcwlsEnable), sw(ti::PulseEnable)}
        << QList<int>{drv(ti::DriveC)};
    QTest::newRow("file C000") << file << n << "C000" << none << QList<int>{drv(ti::DriveC)};
    QTest::newRow("controller C000")
        << controller << n << "C000" << none << QList<int>{drv(ti::DriveC)};
    QTest::newRow("file empty") << file << n << "" << enOnlyAll << QList<int>{drv(ti::DriveC)};
    QTest::newRow("controller empty") << controller << n << "" << none << none;
    QTest::newRow("file S") << file << n << "S" << enOnlyAll << QList<int>{drv(ti::DriveS)};
    QTest::newRow("controller S") << controller << n << "S" << none << QList<int>{drv(ti::DriveS)};

    const int m = 1;
    const int row = ti::kNormalRows + m;
    const auto mdrv = [row](int column) { return ti::drive(row, column); };
    QTest::newRow("controller T10000200")
        << controller << row << "T10000200"
        << QList<int>{ti::axisEnable(m, 0), ti::axisEnable(m, 5), ti::axisReverse(m, 5)}
        << QList<int>{mdrv(ti::DriveT)};
    QTest::newRow("file T10010200") << file << row << "T10010200"
                                    << QList<int>{ti::axisEnable(m, 0), ti::axisEnable(m, 3),
                                                  ti::axisEnable(m, 5), ti::axisReverse(m, 5)}
                                    << QList<int>{mdrv(ti::DriveT)};
    const QList<int> axis2Reversed{ti::axisEnable(m, 2), ti::axisReverse(m, 2)};
    QTest::newRow("file X9Z2 axes")
        << file << row << "X9Z2" << axis2Reversed << QList<int>{mdrv(ti::DriveC)};
    QTest::newRow("controller X9Z2 axes") << controller << row << "X9Z2" << axis2Reversed << none;
    QTest::newRow("file empty axes") << file << row << "" << none << QList<int>{mdrv(ti::DriveC)};
    QTest::newRow("controller empty axes") << controller << row << "" << none << none;
    QTest::newRow("beyond axis 7 ignored")
        << controller << row << "S000000012" << QList<int>{ti::axisEnable(m, 7)}
        << QList<int>{mdrv(ti::DriveS)};
}

// Through decodeRowBlock and through the row kind's own decoder, with the same outcome.
void TableDecodeTest::decodeBlock() {
    QFETCH(CodeSource, source);
    QFETCH(int, row);
    QFETCH(QString, block);
    QFETCH(QList<int>, checked);
    QFETCH(QList<int>, selected);
    DataTable byRow;
    DataTable byKind;
    quven::decodeRowBlock(byRow, row, block, source);
    if (ti::isFunctionRow(row)) {
        quven::decodeAxisBlock(byKind, row - ti::kNormalRows, block, source);
    } else {
        quven::decodeSwitchBlock(byKind, row, block, source);
    }
    for (const DataTable* table : {&byRow, &byKind}) {
        QCOMPARE(checkedOf(*table), sorted(checked));
        QCOMPARE(selectedOf(*table), sorted(selected));
    }
}

void TableDecodeTest::decodeNeverClears_data() {
    QTest::addColumn<CodeSource>("source");
    QTest::addColumn<QString>("switches");
    QTest::addColumn<QString>("axes");
    QTest::newRow("file, all off") << CodeSource::TableFile << "S000"
                                   << "S00000000";
    QTest::newRow("controller, all off") << CodeSource::Controller << "S000"
                                         << "S00000000";
    QTest::newRow("controller, unknown") << CodeSource::Controller << "?..."
                                         << "?........";
    QTest::newRow("controller, empty") << CodeSource::Controller << ""
                                       << "";
}

void TableDecodeTest::decodeNeverClears() {
    QFETCH(CodeSource, source);
    QFETCH(QString, switches);
    QFETCH(QString, axes);
    DataTable table;
    QList<int> driveS;
    for (int row = 0; row < ti::kRowCount; ++row) {
        driveS << ti::drive(row, ti::DriveS);
        table.selectOption2(driveS.last());
    }
    for (int i = 0; i < DataTable::kCheck2Count; ++i) {
        table.setCheck2(i, true);
    }
    for (int row = 0; row < ti::kRowCount; ++row) {
        quven::decodeRowBlock(table, row, ti::isFunctionRow(row) ? axes : switches, source);
    }
    QCOMPARE(checkedOf(table).size(), DataTable::kCheck2Count);
    QCOMPARE(selectedOf(table), driveS);
}

void TableDecodeTest::decodeOutsideTheTableDoesNothing() {
    for (CodeSource source : {CodeSource::TableFile, CodeSource::Controller}) {
        DataTable table;
        for (int row : {-1, ti::kRowCount, INT_MIN, INT_MAX}) {
            quven::decodeRowBlock(table, row, QStringLiteral("S222"), source);
        }
        for (int n : {-1, 8}) {
            quven::decodeSwitchBlock(table, n, QStringLiteral("S222"), source);
            quven::decodeAxisBlock(table, n, QStringLiteral("S22222222"), source);
        }
        QVERIFY(table.isCleared());
    }
}

void TableDecodeTest::decodeLimitStop_data() {
    QTest::addColumn<QChar>("action");
    QTest::addColumn<QChar>("scope");
    QTest::addColumn<QList<int>>("selected");
    QTest::newRow("E A") << QChar(u'E') << QChar(u'A') << QList<int>{ti::EmStop, ti::AllStop};
    QTest::newRow("S S") << QChar(u'S') << QChar(u'S') << QList<int>{ti::SlowStop, ti::IndivStop};
    QTest::newRow("missing") << QChar() << QChar() << QList<int>{ti::SlowStop, ti::IndivStop};
    QTest::newRow("E S") << QChar(u'E') << QChar(u'S') << QList<int>{ti::EmStop, ti::IndivStop};
    QTest::newRow("lower case") << QChar(u'e') << QChar(u'a')
                                << QList<int>{ti::SlowStop, ti::IndivStop};
}

void TableDecodeTest::decodeLimitStop() {
    QFETCH(QChar, action);
    QFETCH(QChar, scope);
    QFETCH(QList<int>, selected);
    DataTable table;
    quven::decodeLimitStop(table, action, scope);
    QCOMPARE(selectedOf(table), selected);
    QVERIFY(checkedOf(table).isEmpty());
}

void TableDecodeTest::roundTrip_data() {
    QTest::addColumn<CodeSource>("source");
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 20; ++seed) {
        QTest::addRow("file %u", seed) << CodeSource::TableFile << seed;
        QTest::addRow("controller %u", seed) << CodeSource::Controller << seed;
    }
}

void TableDecodeTest::roundTrip() {
    QFETCH(CodeSource, source);
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    DataTable original;
    fillRandomly(original, random);

    DataTable decoded;
    for (int row = 0; row < ti::kRowCount; ++row) {
        quven::decodeRowBlock(decoded, row, quven::RowBlock(original, row), source);
    }
    const QString limitStop = quven::LimitStopCode(original);
    quven::decodeLimitStop(decoded, limitStop.at(2), limitStop.at(3));

    applyEncodingLosses(original);
    QCOMPARE(checkedOf(decoded), checkedOf(original));
    QCOMPARE(selectedOf(decoded), selectedOf(original));
}

QTEST_MAIN(TableDecodeTest)
#include "tst_table_decode.moc"
