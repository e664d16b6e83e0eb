// SPDX-License-Identifier: Apache-2.0
#include "ReplyPathChecks.h"

#include "FuzzSupport.h"
#include "app/Console.h"
#include "core/CommandSet.h"
#include "link/CommandChannel.h"
#include "table/TableFile.h"

namespace quven::fuzz {

namespace {

namespace ti = tableindex;

enum Group { Positions = 0, Speeds = 1, Switches = 2, LimitStop = 3 };

bool isPollState(int state) {
    for (int allowed : kPollStates) {
        if (state == allowed) {
            return true;
        }
    }
    return false;
}

bool inside(int value, int first, int last) {
    return value >= first && value <= last;
}

// The fields that the reply to (type, row) may set.
bool belongsToRow(Field field, int index, int type, int row) {
    switch (type) {
        case Positions:
            return field == Field::Text2 && index == ti::position(row);
        case Speeds:
            return field == Field::Text1 &&
                   inside(index, ti::speed(row, ti::Hspd), ti::speed(row, ti::Rate));
        case Switches:
            if (field == Field::Option2) {
                return inside(index, ti::drive(row, ti::DriveS), ti::drive(row, ti::DriveC));
            }
            if (field != Field::Check2) {
                return false;
            }
            if (ti::isFunctionRow(row)) {
                const int m = row - ti::kNormalRows;
                return inside(index, ti::axisEnable(m, 0), ti::axisReverse(m, 7));
            }
            return inside(index, ti::normalSwitch(row, ti::CwlsEnable),
                          ti::normalSwitch(row, ti::PulseReverse));
        default:
            return false;
    }
}

}  // namespace

void checkState(const Console& console, const QByteArrayList& sent, qsizetype& checked,
                qsizetype lastArrival) {
    const Module1& m = console.module;
    FUZZ_CHECK(inside(m.TableItemIndex, 0, kMaxItemIndex),
               QStringLiteral("TableItemIndex %1").arg(m.TableItemIndex));
    FUZZ_CHECK(inside(m.TableItemType, 0, kMaxItemType),
               QStringLiteral("TableItemType %1").arg(m.TableItemType));
    FUZZ_CHECK(isPollState(m.PollState), QStringLiteral("PollState %1").arg(m.PollState));
    FUZZ_CHECK(inside(m.ReplyWaitTicks, 0, PollCycle::kReplyTimeoutTicks),
               QStringLiteral("ReplyWaitTicks %1").arg(m.ReplyWaitTicks));
    FUZZ_CHECK(inside(m.DisplayAxis, 0, 7), QStringLiteral("DisplayAxis %1").arg(m.DisplayAxis));
    FUZZ_CHECK(m.ReceiveBuffer.size() <= CommandChannel::kReceiveLimit + lastArrival,
               QStringLiteral("ReceiveBuffer holds %1 characters").arg(m.ReceiveBuffer.size()));
    const QByteArray manual = commands::line(console.manualLine.text()).toLatin1();
    for (; checked < sent.size(); ++checked) {
        const QByteArray& line = sent.at(checked);
        FUZZ_CHECK(line.endsWith("\r\n"),
                   QStringLiteral("a line without CR LF: ") + QString::fromLatin1(line));
        if (line != manual) {
            FUZZ_CHECK(
                line.indexOf('\r') == line.size() - 2 && line.indexOf('\n') == line.size() - 1,
                QStringLiteral("a line with a line end inside: ") + QString::fromLatin1(line));
        }
    }
}

void checkTableChange(const Module1& m, bool inArrival, bool readRuns, Field field, int index) {
    const QString where = QStringLiteral("field %1 index %2, TableItemType %3, TableItemIndex %4")
                              .arg(int(field))
                              .arg(index)
                              .arg(m.TableItemType)
                              .arg(m.TableItemIndex);
    FUZZ_CHECK(inArrival, QStringLiteral("the table changed outside a reply: ") + where);
    FUZZ_CHECK(m.ScreenMode == screenmode::Table && readRuns,
               QStringLiteral("a reply changed the table while no read runs: ") + where);
    if (m.TableItemType == LimitStop) {
        FUZZ_CHECK(field == Field::Option2 && inside(index, ti::EmStop, ti::IndivStop),
                   QStringLiteral("the limit-stop reply changed another field: ") + where);
        return;
    }
    FUZZ_CHECK(inside(m.TableItemIndex, 0, ti::kRowCount - 1),
               QStringLiteral("a reply was applied to a row outside 0-15: ") + where);
    FUZZ_CHECK(belongsToRow(field, index, m.TableItemType, m.TableItemIndex),
               QStringLiteral("a reply changed a field of another row: ") + where);
}

void checkTableFile(const DataTable& table) {
    if (table.isCleared() || !tablefile::unsavableField(table).isEmpty()) {
        return;
    }
    const QString line = tablefile::encode(table);
    if (line.size() > tablefile::kMaxLineLength) {
        return;  // too long for a table file (left to the table file's own checks)
    }
    const QString path = scratchPath(QStringLiteral("table.txt"));
    FUZZ_CHECK(!tablefile::save(path, line), QStringLiteral("the table could not be saved"));
    const tablefile::Loaded loaded = tablefile::load(path);
    FUZZ_CHECK(loaded.error.isEmpty(),
               QStringLiteral("a saved table does not load: ") + loaded.error);
    DataTable again;
    tablefile::apply(loaded.fields, again);
    FUZZ_CHECK(tablefile::encode(again) == line,
               QStringLiteral("a saved table loads as another: ") + tablefile::encode(again));
}

}  // namespace quven::fuzz
