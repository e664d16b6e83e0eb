// SPDX-License-Identifier: Apache-2.0
#include <QtTest>

#include "TableCodesProbe.h"

using namespace tablecodestest;

namespace {

// Every normal row and every function row but `except` still encodes as cleared.
void verifyOtherRowsCleared(const DataTable& table, int except) {
    for (int row = 0; row < ti::kRowCount; ++row) {
        if (row != except) {
            QCOMPARE(quven::RowBlock(table, row),
                     ti::isFunctionRow(row) ? QStringLiteral("C00000000") : QStringLiteral("C000"));
        }
    }
}

}  // namespace

// What the table encodes for the controller and the table file: the pair codes, each row's
// block and the limit stop.
class TableEncodeTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void pairCodes_data();
    void pairCodes();
    void clearedTableEncodes();
    void driveCode_data();
    void driveCode();
    void switchBlock_data();
    void switchBlock();
    void axisBlock_data();
    void axisBlock();
    void limitStopCode_data();
    void limitStopCode();
    void rowsOutsideTheTableEncodeNothing();
};

void TableEncodeTest::pairCodes_data() {
    QTest::addColumn<bool>("limitSwitch");
    QTest::addColumn<bool>("enable");
    QTest::addColumn<bool>("second");
    QTest::addColumn<QString>("code");
    QTest::newRow("LS off") << true << false << false << "0";
    QTest::newRow("LS off, NC checked") << true << false << true << "0";
    QTest::newRow("LS EN NC") << true << true << true << "1";
    QTest::newRow("LS EN") << true << true << false << "2";
    QTest::newRow("PLS off") << false << false << false << "0";
    QTest::newRow("PLS off, reverse checked") << false << false << true << "0";
    QTest::newRow("PLS EN") << false << true << false << "1";
    QTest::newRow("PLS EN reverse") << false << true << true << "2";
}

void TableEncodeTest::pairCodes() {
    QFETCH(bool, limitSwitch);
    QFETCH(bool, enable);
    QFETCH(bool, second);
    QFETCH(QString, code);
    const QChar actual =
        limitSwitch ? quven::LimitSwitchCode(enable, second) : quven::PulseOutCode(enable, second);
    QCOMPARE(QString(actual), code);
}

void TableEncodeTest::clearedTableEncodes() {
    DataTable table;
    verifyOtherRowsCleared(table, -1);
    for (int n = 0; n < 8; ++n) {
        QCOMPARE(quven::SwitchBlock(table, n), QStringLiteral("C000"));
        QCOMPARE(quven::AxisBlock(table, n), QStringLiteral("C00000000"));
    }
    QCOMPARE(quven::LimitStopCode(table), QStringLiteral("LSSS"));
}

void TableEncodeTest::driveCode_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("code");
    for (int row : {0, 7, 8, 15}) {
        QTest::addRow("row %d none", row) << row << -1 << "C";
        QTest::addRow("row %d S", row) << row << int(ti::DriveS) << "S";
        QTest::addRow("row %d T", row) << row << int(ti::DriveT) << "T";
        QTest::addRow("row %d C", row) << row << int(ti::DriveC) << "C";
    }
}

void TableEncodeTest::driveCode() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, code);
    DataTable table;
    selectDrive(table, row, column);
    QCOMPARE(QString(quven::DriveCode(table, row)), code);
    QCOMPARE(quven::RowBlock(table, row).left(1), code);
    verifyOtherRowsCleared(table, row);
}

void TableEncodeTest::switchBlock_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("drive");
    QTest::addColumn<QList<int>>("columns");
    QTest::addColumn<QString>("block");
    const QList<int> example{ti::CwlsEnable, ti::CwlsNc, ti::CcwlsEnable, ti::PulseEnable,
                             ti::PulseReverse};
    for (int n : {0, 7}) {
        QTest::addRow("S122 row %d", n) << n << int(ti::DriveS) << example << "S122";
        QTest::addRow("second boxes only, row %d", n)
            << n << -1 << QList<int>{ti::CwlsNc, ti::CcwlsNc, ti::PulseReverse} << "C000";
        QTest::addRow("EN only, row %d", n)
            << n << int(ti::DriveT) << QList<int>{ti::CwlsEnable, ti::CcwlsEnable, ti::PulseEnable}
            << "T221";
        QTest::addRow("CCWLS NC, row %d", n)
            << n << int(ti::DriveC) << QList<int>{ti::CcwlsEnable, ti::CcwlsNc} << "C010";
    }
}

void TableEncodeTest::switchBlock() {
    QFETCH(int, n);
    QFETCH(int, drive);
    QFETCH(QList<int>, columns);
    QFETCH(QString, block);
    DataTable table;
    selectDrive(table, n, drive);
    for (int column : columns) {
        table.setCheck2(ti::normalSwitch(n, column), true);
    }
    QCOMPARE(quven::SwitchBlock(table, n), block);
    QCOMPARE(quven::RowBlock(table, n), block);
    verifyOtherRowsCleared(table, n);
}

void TableEncodeTest::axisBlock_data() {
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("drive");
    QTest::addColumn<QList<int>>("enabled");
    QTest::addColumn<QList<int>>("reversed");
    QTest::addColumn<QString>("block");
    const QList<int> all{0, 1, 2, 3, 4, 5, 6, 7};
    for (int m : {0, 7}) {
        QTest::addRow("T10010200 mode %d", m)
            << m << int(ti::DriveT) << QList<int>{0, 3, 5} << QList<int>{5} << "T10010200";
        QTest::addRow("reverse only, mode %d", m) << m << -1 << QList<int>{} << all << "C00000000";
        QTest::addRow("all reversed, mode %d", m)
            << m << int(ti::DriveS) << all << all << "S22222222";
    }
    for (int a = 0; a < 8; ++a) {
        QString block = QStringLiteral("C00000000");
        block[1 + a] = QLatin1Char('1');
        QTest::addRow("axis %d alone", a) << 3 << -1 << QList<int>{a} << QList<int>{} << block;
    }
}

void TableEncodeTest::axisBlock() {
    QFETCH(int, m);
    QFETCH(int, drive);
    QFETCH(QList<int>, enabled);
    QFETCH(QList<int>, reversed);
    QFETCH(QString, block);
    DataTable table;
    selectDrive(table, ti::kNormalRows + m, drive);
    for (int a : enabled) {
        table.setCheck2(ti::axisEnable(m, a), true);
    }
    for (int a : reversed) {
        table.setCheck2(ti::axisReverse(m, a), true);
    }
    QCOMPARE(quven::AxisBlock(table, m), block);
    QCOMPARE(quven::RowBlock(table, ti::kNormalRows + m), block);
    verifyOtherRowsCleared(table, ti::kNormalRows + m);
}

void TableEncodeTest::limitStopCode_data() {
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("scope");
    QTest::addColumn<QString>("code");
    QTest::newRow("EM, ALL") << int(ti::EmStop) << int(ti::AllStop) << "LSEA";
    QTest::newRow("EM, INDIV") << int(ti::EmStop) << int(ti::IndivStop) << "LSES";
    QTest::newRow("EM, none") << int(ti::EmStop) << -1 << "LSES";
    QTest::newRow("SLOW, ALL") << int(ti::SlowStop) << int(ti::AllStop) << "LSSA";
    QTest::newRow("SLOW, INDIV") << int(ti::SlowStop) << int(ti::IndivStop) << "LSSS";
    QTest::newRow("none, ALL") << -1 << int(ti::AllStop) << "LSSA";
    QTest::newRow("none, none") << -1 << -1 << "LSSS";
}

void TableEncodeTest::limitStopCode() {
    QFETCH(int, action);
    QFETCH(int, scope);
    QFETCH(QString, code);
    DataTable table;
    table.selectOption2(action);
    table.selectOption2(scope);
    QCOMPARE(quven::LimitStopCode(table), code);
    verifyOtherRowsCleared(table, -1);
}

void TableEncodeTest::rowsOutsideTheTableEncodeNothing() {
    DataTable table;
    for (int i = 0; i < DataTable::kOption2Count; ++i) {
        table.selectOption2(i);
    }
    QVERIFY(quven::DriveCode(table, -1).isNull());
    QVERIFY(quven::DriveCode(table, ti::kRowCount).isNull());
    for (int row : {-1, ti::kRowCount}) {
        QVERIFY(quven::RowBlock(table, row).isEmpty());
    }
    for (int n : {-1, 8}) {
        QVERIFY(quven::SwitchBlock(table, n).isEmpty());
        QVERIFY(quven::AxisBlock(table, n).isEmpty());
    }
}

QTEST_MAIN(TableEncodeTest)
#include "tst_table_encode.moc"
