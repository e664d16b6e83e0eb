// SPDX-License-Identifier: Apache-2.0
#include "table/TableRead.h"

#include <QRegularExpression>

#include "core/CommandSet.h"
#include "core/IntervalTimer.h"
#include "link/CommandChannel.h"
#include "table/DataTable.h"
#include "table/TableCodes.h"
#include "table/TableItems.h"
#include "table/TransferStatus.h"

namespace quven {

namespace ti = tableindex;
using namespace tableitems;

namespace {

bool isTableRow(int row) {
    return row >= 0 && row < ti::kRowCount;
}

// The name and row digit a speed or switch-block reply repeats: "NSPD2", "FSET5".
QString echoOf(const QString& query) {
    return query.left(5);
}

// A reply that repeats a table query's name, or the limit-stop reply: the answer to some
// other query than a position.
bool namesATableQuery(const QString& block) {
    static const QRegularExpression echo(QStringLiteral("^(?:[NF](?:CNT|SPD|SET)[0-7]|LS)"));
    return echo.match(block).hasMatch();
}

}  // namespace

TableRead::TableRead(Module1& module, CommandChannel& channel, DataTable& table,
                     IntervalTimer& tmrTokei, TransferStatus& status)
    : module_(module), channel_(channel), table_(table), tmrTokei_(tmrTokei), status_(status) {}

bool TableRead::running() const {
    return tmrTokei_.isRunning();
}

void TableRead::start() {
    itemRead_.fill(false);
    askedItem_ = -1;
    attempt_ = 0;
    settleTicks_ = 0;
    status_.setText(TransferStatus::kReading);
    tmrTokei_.setInterval(kPeriodMs);
    module_.ReplyPending = false;
    module_.TableItemType = Positions;
    module_.TableItemIndex = 0;
}

bool TableRead::tmrTokei_Timer() {
    // A failed send's message is open; its event loop keeps the timer ticking.
    if (channel_.failureMessageOpen()) {
        return false;
    }
    ++tick_;
    return step();
}

bool TableRead::advanceAfterReply() {
    while (running() && !module_.ReplyPending && settleTicks_ == 0 &&
           !channel_.failureMessageOpen()) {
        if (step()) {
            return true;
        }
    }
    return false;
}

// What a tick does once it is counted.
bool TableRead::step() {
    if (module_.TableItemType >= kFinished) {
        const bool ended = running();
        tmrTokei_.setInterval(0);
        status_.setText(QString());
        return ended;
    }
    if (module_.ReplyPending) {
        if (++readWaitTicks_ > kTimeoutTicks) {
            timeOut();
        }
        return false;
    }
    if (module_.TableItemIndex >= ti::kRowCount) {
        module_.TableItemIndex = 0;
        ++module_.TableItemType;
        return false;
    }
    if (settleTicks_ > 0) {
        --settleTicks_;
        return false;
    }
    const int row = module_.TableItemIndex;
    channel_.SendCommand(query(), LineOrigin::TableRead);
    const int asked = item(module_.TableItemType, row);
    if (asked != askedItem_) {
        askedItem_ = asked;
        attempt_ = 0;
    }
    if (attempt_++ == 0) {
        firstAskTick_ = tick_;
    }
    lastAskTick_ = tick_;
    if (row % 2 == 1) {
        status_.toggle(TransferStatus::kReading);
    }
    readWaitTicks_ = 0;
    module_.ReplyPending = true;
    return false;
}

// A lost reply is asked for again, as the poll does; only when the query has gone unanswered
// kAttempts times is the rest of its group skipped. The wait is dropped either way, so that one
// missing reply does not end the whole read; after the limit stop there is nothing left to ask.
void TableRead::timeOut() {
    if (onTimeOut_) {
        onTimeOut_(channel_.awaitedLine(), attempt_ >= kAttempts);
    }
    readWaitTicks_ = 0;
    module_.ReplyPending = false;
    if (attempt_ < kAttempts) {
        return;  // the next tick asks again
    }
    askedItem_ = -1;
    module_.TableItemIndex = 0;
    ++module_.TableItemType;
    if (module_.TableItemType > LimitStop) {
        module_.TableItemType = kFinished;
    }
}

QList<int> TableRead::unreadItems() const {
    QList<int> items;
    for (int item = 0; item < kCount; ++item) {
        if (!itemRead_[item]) {
            items.append(item);
        }
    }
    return items;
}

QString TableRead::query() const {
    const int row = module_.TableItemIndex;
    switch (module_.TableItemType) {
        case Positions:
            return commands::positionQuery(row);
        case Speeds:
            return commands::speedQuery(row);
        case Switches:
            return commands::switchQuery(row);
        case LimitStop:
            return commands::limitStopQuery();
        default:
            return commands::emptyQuery();
    }
}

bool TableRead::awaitsReply() const {
    const int type = module_.TableItemType;
    return running() && module_.ReplyPending && type >= Positions && type <= LimitStop &&
           (type == LimitStop || isTableRow(module_.TableItemIndex));
}

bool TableRead::ApplyTableReply(const QString& received) {
    if (!awaitsReply()) {
        return true;  // no query awaits it: the table is not touched
    }
    // Line noise in front of an answer does not hide it.
    const QString block = commands::withoutLeadingNoise(received);
    if (!isReplyToAwaitedQuery(block)) {
        return false;
    }
    applyAwaitedReply(block);
    return true;
}

bool TableRead::isReplyToAwaitedQuery(const QString& block) const {
    if (commands::isServiceRequest(block)) {
        return false;  // the controller's notice, not an answer
    }
    switch (module_.TableItemType) {
        case Positions:
            // The value stands alone, so only an answer that names another query is known
            // not to be it.
            return !namesATableQuery(block);
        case Speeds:
        case Switches:
            return block.startsWith(echoOf(query()));
        default:
            return block.startsWith(QLatin1String("LS"));
    }
}

// Values go into one-line boxes: a line end that a short reply brings along stays out, and odd
// bytes are made visible.
void TableRead::applyAwaitedReply(const QString& block) {
    const int row = module_.TableItemIndex;
    itemRead_[item(module_.TableItemType, row)] = true;
    // A query asked more than once may still be answered again by a slow controller, as far
    // apart as it was asked. A position answer does not name its query, so the next query waits
    // until those late answers are in: they are dropped instead of filling the next row.
    if (attempt_ > 1) {
        settleTicks_ = lastAskTick_ - firstAskTick_ + kSettleMarginTicks;
    }
    askedItem_ = -1;
    switch (module_.TableItemType) {
        case Positions:
            table_.setText2(ti::position(row),
                            commands::oneLineValue(commands::positionText(block)));
            break;
        case Speeds: {
            const commands::SpeedFields speeds = commands::readSpeedFields(block);
            table_.setText1(ti::speed(row, ti::Hspd), commands::oneLineValue(speeds.hspd));
            table_.setText1(ti::speed(row, ti::Mspd), commands::oneLineValue(speeds.mspd));
            table_.setText1(ti::speed(row, ti::Lspd), commands::oneLineValue(speeds.lspd));
            table_.setText1(ti::speed(row, ti::Rate), commands::oneLineValue(speeds.rate));
            break;
        }
        case Switches:
            decodeRowBlock(table_, row, commands::switchBlockText(block, row),
                           CodeSource::Controller);
            break;
        default:
            decodeLimitStop(table_, commands::limitStopActionLetter(block),
                            commands::limitStopScopeLetter(block));
            module_.TableItemType = kFinished;
            return;
    }
    ++module_.TableItemIndex;
}

}  // namespace quven
