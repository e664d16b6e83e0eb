// SPDX-License-Identifier: Apache-2.0
#include "table/TableWrite.h"

#include "core/CommandSet.h"
#include "core/IntervalTimer.h"
#include "core/NumberText.h"
#include "link/CommandChannel.h"
#include "table/DataTable.h"
#include "table/TableCodes.h"
#include "table/TableItems.h"
#include "table/TransferStatus.h"

namespace quven {

namespace ti = tableindex;

using namespace tableitems;

namespace {

const QString kZero = QStringLiteral("0");

void zeroIfEmpty(DataTable& table, int text1Index) {
    if (table.Text1(text1Index).isEmpty()) {
        table.setText1(text1Index, kZero);
    }
}

// A speed or rate box can hold a line end that a short controller reply left in it (the read
// takes the characters at their positions). Sent as it stands, it would end the set command
// early and make a command line of the rest: the text goes out up to it.
QString upToLineEnd(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\r') || text.at(i) == QLatin1Char('\n')) {
            return text.left(i);
        }
    }
    return text;
}
}  // namespace

TableWrite::TableWrite(Module1& module, CommandChannel& channel, DataTable& table,
                       IntervalTimer& tmrWrite, TransferStatus& status)
    : module_(module), channel_(channel), table_(table), tmrWrite_(tmrWrite), status_(status) {}

bool TableWrite::running() const {
    return tmrWrite_.isRunning();
}

void TableWrite::start() {
    for (int row = 0; row < ti::kRowCount; ++row) {
        if (table_.Text2(ti::position(row)).isEmpty()) {
            table_.setText2(ti::position(row), kZero);
        }
    }
    for (int index = 0; index < DataTable::kText1Count; ++index) {
        zeroIfEmpty(table_, index);
    }
    status_.setText(TransferStatus::kWriting);
    tmrWrite_.setInterval(kPeriodMs);
    module_.TableItemType = Positions;
    module_.TableItemIndex = 0;
}

void TableWrite::tmrWrite_Timer() {
    // A failed send's message is open; its event loop keeps the timer ticking.
    if (channel_.failureMessageOpen()) {
        return;
    }
    const int type = module_.TableItemType;
    const int row = module_.TableItemIndex;
    if (type < Positions || type > LimitStop || row < 0 || row >= ti::kRowCount) {
        // The counters are shared with the read; a write never addresses a row that is not.
        module_.TableItemType = module_.TableItemIndex = 0;
        tmrWrite_.setInterval(0);
        status_.setText(QString());
        return;
    }
    const QString line = command(type, row);
    if (type == LimitStop) {
        ++module_.TableItemType;
    } else if (++module_.TableItemIndex >= ti::kRowCount) {
        module_.TableItemIndex = 0;
        ++module_.TableItemType;
    }
    channel_.SendCommand(line);
    if (module_.TableItemIndex % 2 == 1) {
        status_.toggle(TransferStatus::kWriting);
    }
    if (module_.TableItemType > LimitStop) {
        module_.TableItemType = module_.TableItemIndex = 0;
        tmrWrite_.setInterval(0);
        status_.setText(QString());
    }
}

QString TableWrite::command(int type, int row) const {
    switch (type) {
        case Positions:
            return commands::positionSet(row, setValueFromText(table_.Text2(ti::position(row))));
        case Speeds:
            return commands::speedSet(row, upToLineEnd(table_.Text1(ti::speed(row, ti::Hspd))),
                                      upToLineEnd(table_.Text1(ti::speed(row, ti::Mspd))),
                                      upToLineEnd(table_.Text1(ti::speed(row, ti::Lspd))),
                                      upToLineEnd(table_.Text1(ti::speed(row, ti::Rate))));
        case Switches:
            return commands::switchSet(row, RowBlock(table_, row));
        default:
            return commands::limitStopSet(LimitStopCode(table_));
    }
}

}  // namespace quven
