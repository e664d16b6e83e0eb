// SPDX-License-Identifier: Apache-2.0
#include <QtTest>
#include <functional>

#include "ToolHarness.h"
#include "table/DataTable.h"
#include "table/TableFile.h"
#include "table/TableItems.h"
#include "tool/GridText.h"
#include "tool/TableComparison.h"
#include "tool/TableJson.h"

using namespace quven;
using namespace quven::tool;
namespace ti = tableindex;

namespace {

using Edit = std::function<void(DataTable&)>;

// The simulator's factory table, as a table file gives it.
void loadFactory(DataTable& table) {
    QStringList fields = QString::fromLatin1(factoryTableFile()).split(QLatin1Char(','));
    fields.removeLast();  // the line end after the last comma
    tablefile::apply(fields, table);
}

QStringList lines(const QList<Difference>& differences) {
    QStringList texts;
    for (const Difference& difference : differences) {
        texts.append(differenceLine(difference));
    }
    return texts;
}

}  // namespace

Q_DECLARE_METATYPE(Edit)

// Tables compared, written as JSON and read back, and shown as a grid.
class ToolTablesTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void comparesAsARoundTripKeeps_data();
    void comparesAsARoundTripKeeps();
    void leavesUnreadItemsOut();
    void jsonKeepsEveryField();
    void refusesJsonThatIsNoTable_data();
    void refusesJsonThatIsNoTable();
    void showsTheGridLikeTheScreen();
};

void ToolTablesTest::comparesAsARoundTripKeeps_data() {
    QTest::addColumn<Edit>("editA");
    QTest::addColumn<Edit>("editB");
    QTest::addColumn<QStringList>("roundTrip");
    QTest::addColumn<QStringList>("strict");
    const auto hspd3 = [](const char* value) {
        return Edit([value](DataTable& t) { t.setText1(ti::speed(3, ti::Hspd), value); });
    };
    const Edit none = [](DataTable&) {};

    QTest::newRow("a speed") << hspd3("01000") << hspd3("02000")
                             << QStringList{"NORMAL MODE CH 3 HSPD: 01000 -> 02000"}
                             << QStringList{"NORMAL MODE CH 3 HSPD: 01000 -> 02000"};
    QTest::newRow("leading zeros") << hspd3("01000") << hspd3("1000") << QStringList{}
                                   << QStringList{"NORMAL MODE CH 3 HSPD: 01000 -> 1000"};
    QTest::newRow("not a whole number")
        << hspd3("1e3") << hspd3("01000") << QStringList{"NORMAL MODE CH 3 HSPD: 1e3 -> 01000"}
        << QStringList{"NORMAL MODE CH 3 HSPD: 1e3 -> 01000"};
    QTest::newRow("empty speed is written as 0")
        << Edit([](DataTable& t) { t.setText1(ti::speed(12, ti::Mspd), QString()); })
        << Edit([](DataTable& t) { t.setText1(ti::speed(12, ti::Mspd), "00000"); }) << QStringList{}
        << QStringList{"FUNCTION MODE 4 MSPD: (empty) -> 00000"};
    QTest::newRow("position as the write sends it")
        << Edit([](DataTable& t) { t.setText2(ti::position(9), "12.6"); })
        << Edit([](DataTable& t) { t.setText2(ti::position(9), "+0000013"); }) << QStringList{}
        << QStringList{"FUNCTION MODE 1 POS: 12.6 -> +0000013"};
    QTest::newRow("no drive comes back as C")
        << Edit([](DataTable& t) { t.deselectOption2(ti::drive(2, ti::DriveT)); })
        << Edit([](DataTable& t) { t.selectOption2(ti::drive(2, ti::DriveC)); }) << QStringList{}
        << QStringList{"NORMAL MODE CH 2 DRIVE: (none) -> C"};
    QTest::newRow("a drive") << none << Edit([](DataTable& t) {
        t.selectOption2(ti::drive(2, ti::DriveS));
    }) << QStringList{"NORMAL MODE CH 2 DRIVE: T -> S"}
                             << QStringList{"NORMAL MODE CH 2 DRIVE: T -> S"};
    QTest::newRow("second box without EN") << Edit([](DataTable& t) {
        t.setCheck2(ti::normalSwitch(1, ti::CwlsEnable), false);
        t.setCheck2(ti::normalSwitch(1, ti::CwlsNc), true);
    }) << Edit([](DataTable& t) { t.setCheck2(ti::normalSwitch(1, ti::CwlsEnable), false); })
                                           << QStringList{}
                                           << QStringList{"NORMAL MODE CH 1 CWLS: NC -> (none)"};
    QTest::newRow("a switch") << none << Edit([](DataTable& t) {
        t.setCheck2(ti::normalSwitch(6, ti::PulseReverse), true);
    }) << QStringList{"NORMAL MODE CH 6 PLS: EN -> EN -DIR"}
                              << QStringList{"NORMAL MODE CH 6 PLS: EN -> EN -DIR"};
    QTest::newRow("an axis") << Edit([](DataTable& t) {
        t.setCheck2(ti::axisEnable(5, 2), true);
        t.setCheck2(ti::axisReverse(5, 2), true);
    }) << Edit([](DataTable& t) { t.setCheck2(ti::axisEnable(5, 2), true); })
                             << QStringList{"FUNCTION MODE 5 axis 2: E- -> E"}
                             << QStringList{"FUNCTION MODE 5 axis 2: E- -> E"};
    QTest::newRow("limit stop") << Edit([](DataTable& t) { t.selectOption2(ti::EmStop); }) << none
                                << QStringList{"LIMIT STOP: EM STOP -> SLOW STOP"}
                                << QStringList{"LIMIT STOP: EM STOP -> SLOW STOP"};
    QTest::newRow("unselected limit stop")
        << Edit([](DataTable& t) { t.deselectOption2(ti::AllStop); })
        << Edit([](DataTable& t) { t.selectOption2(ti::IndivStop); }) << QStringList{}
        << QStringList{"LIMIT STOP: (none) -> INDIV. STOP"};
    QTest::newRow("every difference, in the screen's order")
        << Edit([](DataTable& t) {
               t.selectOption2(ti::EmStop);
               t.setText1(ti::speed(15, ti::Rate), "03");
               t.setText2(ti::position(0), "5");
           })
        << Edit([](DataTable& t) {
               t.setText1(ti::speed(15, ti::Rate), "04");
               t.setText1(ti::speed(0, ti::Lspd), "\x1b");
           })
        << QStringList{"NORMAL MODE CH 0 POS: 5 -> +0000000",
                       "NORMAL MODE CH 0 LSPD: 00500 -> \\x1B", "FUNCTION MODE 7 RATE: 03 -> 04",
                       "LIMIT STOP: EM STOP -> SLOW STOP"}
        << QStringList{"NORMAL MODE CH 0 POS: 5 -> +0000000",
                       "NORMAL MODE CH 0 LSPD: 00500 -> \\x1B", "FUNCTION MODE 7 RATE: 03 -> 04",
                       "LIMIT STOP: EM STOP -> SLOW STOP"};
}

void ToolTablesTest::comparesAsARoundTripKeeps() {
    QFETCH(Edit, editA);
    QFETCH(Edit, editB);
    QFETCH(QStringList, roundTrip);
    QFETCH(QStringList, strict);
    DataTable a;
    DataTable b;
    loadFactory(a);
    loadFactory(b);
    editA(a);
    editB(b);
    QCOMPARE(lines(compareTables(a, b, Comparison::RoundTrip)), roundTrip);
    QCOMPARE(lines(compareTables(a, b, Comparison::Strict)), strict);
}

void ToolTablesTest::leavesUnreadItemsOut() {
    DataTable a;
    DataTable b;
    loadFactory(a);
    b.setText2(ti::position(3), "+0000001");
    // Only the position of row 3 was read into b: every other item differs but is unknown.
    QSet<int> unread;
    for (int item = 0; item < tableitems::kCount; ++item) {
        unread.insert(item);
    }
    unread.remove(tableitems::item(tableitems::Positions, 3));
    QCOMPARE(lines(compareTables(a, b, Comparison::Strict, unread)),
             QStringList{"NORMAL MODE CH 3 POS: +0000000 -> +0000001"});
}

void ToolTablesTest::jsonKeepsEveryField() {
    DataTable table;
    loadFactory(table);
    table.setText1(ti::speed(4, ti::Hspd), QString::fromLatin1("1,0\xb5"));
    table.setText2(ti::position(11), QString());
    table.deselectOption2(ti::drive(7, ti::DriveT));
    table.setCheck2(ti::normalSwitch(2, ti::CcwlsEnable), false);
    table.setCheck2(ti::normalSwitch(2, ti::CcwlsNc), true);
    table.setCheck2(ti::axisReverse(3, 6), true);
    table.selectOption2(ti::EmStop);
    table.deselectOption2(ti::AllStop);
    const QList<int> unread{tableitems::item(tableitems::Speeds, 9),
                            tableitems::item(tableitems::LimitStop, 0)};

    const QByteArray json = jsonText(tableToJson(table, QStringLiteral("here"), unread));
    DataTable back;
    const JsonTable read = tableFromJson(json, back);
    QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
    QCOMPARE(read.unread, unread);
    QCOMPARE(lines(compareTables(table, back, Comparison::Strict)), QStringList{});
    QCOMPARE(tablefile::encode(back), tablefile::encode(table));
}

void ToolTablesTest::refusesJsonThatIsNoTable_data() {
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("error");
    QTest::newRow("not JSON") << QByteArray("\"format\"") << QByteArray("\"format") << "not JSON";
    QTest::newRow("another version")
        << QByteArray("\"version\": 1") << QByteArray("\"version\": 2") << "version 1";
    QTest::newRow("a row missing") << QByteArray("\"ch\": 7") << QByteArray("\"ch\": 6")
                                   << "NORMAL MODE CH 7 does not say \"ch\": 7";
    QTest::newRow("a text missing") << QByteArray("\"hspd\"") << QByteArray("\"speed\"")
                                    << "FUNCTION MODE 0 has no text \"hspd\"";
    QTest::newRow("a switch value")
        << QByteArray("\"cwls\": \"EN\"") << QByteArray("\"cwls\": \"ON\"")
        << "NORMAL MODE CH 0 \"cwls\" is not one of its values";
    QTest::newRow("an axis value")
        << QByteArray("\"E\",") << QByteArray("\"X\",") << "FUNCTION MODE 0 axis 0 is not";
    QTest::newRow("a drive") << QByteArray("\"drive\": \"T\"") << QByteArray("\"drive\": \"Q\"")
                             << "FUNCTION MODE 0 \"drive\" is not";
    QTest::newRow("beyond Latin-1") << QByteArray("\"10000\"") << QByteArray("\"1\\u20ac\"")
                                    << "\"hspd\" holds a character outside Latin-1";
    QTest::newRow("a limit stop") << QByteArray("\"SLOW STOP\"") << QByteArray("\"SLOW\"")
                                  << "\"limitStop\" action is not";
    QTest::newRow("an unread item")
        << QByteArray("\"unread\": [") << QByteArray("\"unread\": [\"NORMAL MODE CH 9 POS\"")
        << "\"unread\" names no item of the table";
}

void ToolTablesTest::refusesJsonThatIsNoTable() {
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, error);
    DataTable table;
    loadFactory(table);
    QByteArray json = jsonText(tableToJson(table, QStringLiteral("here"), {}));
    const qsizetype at = json.indexOf(from);
    QVERIFY(at >= 0);
    json.replace(at, from.size(), to);
    DataTable back;
    const JsonTable read = tableFromJson(json, back);
    QVERIFY2(read.error.contains(error), qPrintable(read.error));
}

void ToolTablesTest::showsTheGridLikeTheScreen() {
    DataTable table;
    loadFactory(table);
    table.setCheck2(ti::normalSwitch(1, ti::CwlsNc), true);
    table.setText1(ti::speed(1, ti::Hspd), "123456");
    const QStringList grid = gridText(table, QStringLiteral("127.0.0.1:7777"),
                                      {tableitems::item(tableitems::Switches, 2)})
                                 .split(QLatin1Char('\n'));
    QCOMPARE(grid.mid(0, 7),
             (QStringList{
                 "127.0.0.1:7777",
                 "",
                 "NORMAL MODE SETTING",
                 "                                          CWLS   CCWLS  PLS      DRIVE",
                 "CH  POS       HSPD    MSPD   LSPD   RATE  EN NC  EN NC  EN -DIR  S T C",
                 "0   +0000000  10000   02000  00500  05    x  .   x  .   x  .     . x .",
                 "1   +0000000  123456  02000  00500  05    x  x   x  .   x  .     . x .",
             }));
    QCOMPARE(
        grid.at(7),
        QStringLiteral("2   +0000000  10000   02000  00500  05    ?  ?   ?  ?   ?  ?     ? ? ?"));
    QVERIFY(
        grid.contains(QStringLiteral("MODE  POS       HSPD   MSPD   LSPD   RATE  E -  E -  E -  E "
                                     "-  E -  E -  E -  E -  S T C")));
    QVERIFY(
        grid.contains(QStringLiteral("5     +0000000  05000  01000  00200  03    . .  . .  . .  . "
                                     ".  . .  x .  . .  . .  . x .")));
    QVERIFY(grid.contains(QStringLiteral("LIMIT STOP  . EM STOP  x SLOW STOP")));
    QVERIFY(grid.contains(
        QStringLiteral("Not read (shown as ?): NORMAL MODE CH 2 switches and DRIVE")));
}

QTEST_MAIN(ToolTablesTest)
#include "tst_tool_tables.moc"
