#include "table/TableRead.h"

#include <QRegularExpression>

#include "link/CommandChannel.h"
#include "link/CommandSet.h"
#include "table/DataTable.h"
#include "table/TableCodes.h"
#include "table/TransferStatus.h"
#include "ui/IntervalTimer.h"

namespace quven {

namespace ti = tableindex;

namespace {

// The item groups, in the order they are read.
enum Group { Positions = 0, Speeds = 1, Switches = 2, LimitStop = 3 };

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
    status_.setText(TransferStatus::kReading);
    tmrTokei_.setInterval(kPeriodMs);
    module_.ReplyPending = false;
    module_.TableItemType = Positions;
    module_.TableItemIndex = 0;
}

void TableRead::tmrTokei_Timer() {
    // A failed send's message is open; its event loop keeps the timer ticking.
    if (channel_.failureMessageOpen()) {
        return;
    }
    if (module_.TableItemType >= kFinished) {
        tmrTokei_.setInterval(0);
        status_.setText(QString());
        return;
    }
    if (module_.ReplyPending) {
        if (++readWaitTicks_ > kTimeoutTicks) {
            timeOut();
        }
        return;
    }
    if (module_.TableItemIndex >= ti::kRowCount) {
        module_.TableItemIndex = 0;
        ++module_.TableItemType;
        return;
    }
    const int row = module_.TableItemIndex;
    channel_.SendCommand(query());
    if (row % 2 == 1) {
        status_.toggle(TransferStatus::kReading);
    }
    readWaitTicks_ = 0;
    module_.ReplyPending = true;
}

// The rest of the group is skipped. The wait is dropped too, so that one missing reply does not
// end the whole read; after the limit stop there is nothing left to ask.
void TableRead::timeOut() {
    module_.TableItemIndex = 0;
    ++module_.TableItemType;
    if (module_.TableItemType > LimitStop) {
        module_.TableItemType = kFinished;
    }
    readWaitTicks_ = 0;
    module_.ReplyPending = false;
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
    // Line noise in front of an answer does not hide it; noise alone is no answer.
    const std::optional<QString> block = commands::withoutLeadingNoise(received);
    if (!block || !isReplyToAwaitedQuery(*block)) {
        return false;
    }
    applyAwaitedReply(*block);
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

void TableRead::applyAwaitedReply(const QString& block) {
    const int row = module_.TableItemIndex;
    switch (module_.TableItemType) {
        case Positions:
            table_.setText2(ti::position(row), commands::positionText(block));
            break;
        case Speeds: {
            const commands::SpeedFields speeds = commands::readSpeedFields(block);
            table_.setText1(ti::speed(row, ti::Hspd), speeds.hspd);
            table_.setText1(ti::speed(row, ti::Mspd), speeds.mspd);
            table_.setText1(ti::speed(row, ti::Lspd), speeds.lspd);
            table_.setText1(ti::speed(row, ti::Rate), speeds.rate);
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
