// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QList>
#include <QString>
#include <array>
#include <functional>

#include "core/Module1.h"
#include "table/TableItems.h"

namespace quven {

class CommandChannel;
class DataTable;
class IntervalTimer;
class TransferStatus;

// "Data Read": the whole table fetched from the controller, 49 queries one at a time, paced by
// `tmrTokei`: each waits for its reply, which is matched to it by its place in the sequence
// (TableItemType, TableItemIndex), or times out after more than ten ticks and is asked again;
// after its third time-out the rest of its group is skipped and the read goes on with the next
// group.
class TableRead {
  public:
    static constexpr int kPeriodMs = 20;
    static constexpr int kTimeoutTicks = 10;
    static constexpr int kAttempts = 3;   // times a query is asked before its group is skipped
    static constexpr int kFinished = 17;  // TableItemType once the read is over

    TableRead(Module1& module, CommandChannel& channel, DataTable& table, IntervalTimer& tmrTokei,
              TransferStatus& status);

    bool running() const;
    // The table must have been cleared by the caller (when it could be).
    void start();
    // One tick; true when it ended the read (every group asked).
    bool tmrTokei_Timer();
    // Does at once what the next ticks would do once a reply has been handled: moves on to the
    // next group when one is done and sends the next query, or ends the read. A wait for late
    // answers is left to the ticks, and so are the time-outs. True when it ended the read. For
    // a read paced by its replies rather than by the timer (the table tool's --read-pace 0).
    bool advanceAfterReply();
    // A block that arrived while the data-table screen owns the replies. Applied only when the
    // read awaits a reply and the block can be that reply: not an "SRQ" notice, and, where the
    // reply repeats its query's name and row digit, the one awaited (a late reply to a query
    // that timed out is not). Returns false when the read goes on waiting for its reply.
    bool ApplyTableReply(const QString& block);

    // The items (tableitems) the read started last has not read, in transfer order.
    QList<int> unreadItems() const;

    // Told of every time-out: the query left unanswered, and whether its group is given up.
    using TimeOutObserver = std::function<void(const QString& query, bool givenUp)>;
    void setTimeOutObserver(TimeOutObserver observer) { onTimeOut_ = std::move(observer); }

  private:
    bool step();
    bool awaitsReply() const;
    bool isReplyToAwaitedQuery(const QString& block) const;
    void applyAwaitedReply(const QString& block);
    QString query() const;
    void timeOut();

    Module1& module_;
    CommandChannel& channel_;
    DataTable& table_;
    IntervalTimer& tmrTokei_;
    TransferStatus& status_;
    int readWaitTicks_ = 0;
    // Late answers are let in for as long as a time-out lasts after the asks were spread out.
    static constexpr int kSettleMarginTicks = kTimeoutTicks + 1;

    int tick_ = 0;
    int askedItem_ = -1;  // the item (tableitems) asked last, until it is answered or given up
    int attempt_ = 0;     // times it has been asked
    int firstAskTick_ = 0;
    int lastAskTick_ = 0;
    int settleTicks_ = 0;  // ticks to wait for late answers before the next query
    std::array<bool, tableitems::kCount> itemRead_{};
    TimeOutObserver onTimeOut_;
};

}  // namespace quven
