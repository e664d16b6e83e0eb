// SPDX-License-Identifier: Apache-2.0
#pragma once

// The reply path's invariants, apart from the harness that drives it (fuzz_reply_path.cpp, whose
// head describes them): what a step may leave in the console's state, which fields of the data
// table a reply may change, and that the table a read leaves saves to a table file and loads
// back as it was.

#include <QByteArrayList>

#include "control/PollCycle.h"
#include "core/Module1.h"
#include "table/DataTable.h"
#include "table/TableRead.h"

namespace quven {
class Console;
}

namespace quven::fuzz {

constexpr int kPollStates[] = {pollstate::Counter,       pollstate::Mode,     pollstate::SpeedRange,
                               pollstate::LimitSwitches, pollstate::Firmware, pollstate::Manual};
// One past the last row, before the group turns.
constexpr int kMaxItemIndex = tableindex::kRowCount;
constexpr int kMaxItemType = TableRead::kFinished;
// Ticks within which a transfer ends, or the poll sends, when nothing arrives (with room).
constexpr int kReadTicksBound = 4 * tableindex::kRowCount * (TableRead::kTimeoutTicks + 2);
constexpr int kWriteTicksBound = 2 * (3 * tableindex::kRowCount + 1);
constexpr int kPollTicksBound = 2 * (PollCycle::kReplyTimeoutTicks + 1);

// The data table's kinds of field, as its change signals name them.
enum class Field { Text1, Text2, Check2, Option2 };

// After every step: the table counters, PollState, the reply wait and the shown axis in range;
// ReceiveBuffer no longer than kReceiveLimit plus the last arrival; each line sent since the
// last check (`checked` of `sent`) ends in CR LF and, unless it is the manual command, holds no
// other line end.
void checkState(const Console& console, const QByteArrayList& sent, qsizetype& checked,
                qsizetype lastArrival);

// A field changed outside the operator's clear, read or write: only inside an arrival, while a
// read runs on the data-table screen, and only a field of the row (or the limit stop) that the
// counters name, that row being one of 0-15.
void checkTableChange(const Module1& m, bool inArrival, bool readRuns, Field field, int index);

// The table, unless it is cleared or the save refuses one of its fields, saves to a table file
// that loads back as the same table.
void checkTableFile(const DataTable& table);

}  // namespace quven::fuzz
