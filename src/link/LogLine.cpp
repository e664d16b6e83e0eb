// SPDX-License-Identifier: Apache-2.0
#include "link/LogLine.h"

#include <QDateTime>

#include "core/CommandSet.h"
#include "link/CommunicationLog.h"

namespace quven {

namespace {

QLatin1String direction(LogEntry::Kind kind) {
    switch (kind) {
        case LogEntry::Kind::Sent:
            return QLatin1String(" -> ");
        case LogEntry::Kind::Received:
            return QLatin1String(" <- ");
        case LogEntry::Kind::Event:
            break;
    }
    return QLatin1String(" -- ");
}

// "hh:mm:ss.zzz" in local time. Turning a time into local time is the costly part, and it can
// only change at a minute's start (a zone's offset changes on whole minutes), so it is done once
// a minute: a view drawing its rows, or a save of thousands of them, pays for it once.
QString timeOfDay(qint64 msecsSinceEpoch) {
    constexpr qint64 kMinute = 60 * 1000;
    thread_local qint64 minuteStart = -1;
    thread_local QString hoursAndMinutes;
    const qint64 minute = msecsSinceEpoch - msecsSinceEpoch % kMinute;
    if (minute != minuteStart) {
        minuteStart = minute;
        hoursAndMinutes =
            QDateTime::fromMSecsSinceEpoch(minute).time().toString(QStringLiteral("hh:mm:"));
    }
    const qint64 inMinute = msecsSinceEpoch - minute;
    return hoursAndMinutes + QStringLiteral("%1.%2")
                                 .arg(inMinute / 1000, 2, 10, QLatin1Char('0'))
                                 .arg(inMinute % 1000, 3, 10, QLatin1Char('0'));
}

}  // namespace

QString logLine(const LogEntry& entry) {
    QString line = timeOfDay(entry.time) + direction(entry.kind);
    line += entry.kind == LogEntry::Kind::Event ? entry.text : commands::escapedText(entry.text);
    if (entry.cut > 0) {
        line += QStringLiteral(" ... (%1 more characters)").arg(entry.cut);
    }
    return line;
}

}  // namespace quven
