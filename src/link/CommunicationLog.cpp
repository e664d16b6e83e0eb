// SPDX-License-Identifier: Apache-2.0
#include "link/CommunicationLog.h"

#include <QDateTime>
#include <algorithm>
#include <utility>

namespace quven {

CommunicationLog::CommunicationLog(QObject* parent)
    : QObject(parent), clock_([] { return QDateTime::currentMSecsSinceEpoch(); }) {}

void CommunicationLog::addSent(const QString& line, LineOrigin origin) {
    add(LogEntry::Kind::Sent, origin, line);
}

void CommunicationLog::addReceived(const QString& block, LineOrigin origin) {
    add(LogEntry::Kind::Received, origin, block);
}

void CommunicationLog::addEvent(const QString& text) {
    add(LogEntry::Kind::Event, LineOrigin::Unasked, text);
}

const LogEntry* CommunicationLog::at(qint64 sequence) const {
    if (sequence < first_ || sequence >= next_) {
        return nullptr;
    }
    return &ring_[std::size_t(sequence % kCapacity)];
}

void CommunicationLog::clear() {
    first_ = next_;
    ring_.clear();  // the texts go now, not when their slots are reused
    ring_.shrink_to_fit();
}

void CommunicationLog::setPaused(bool paused) {
    if (paused == paused_) {
        return;
    }
    if (paused) {
        addEvent(QStringLiteral("Log paused"));
    }
    paused_ = paused;
    if (!paused) {
        const qint64 leftOut = std::exchange(leftOutWhilePaused_, 0);
        addEvent(leftOut == 0 ? QStringLiteral("Log resumed")
                              : QStringLiteral("Log resumed; %1 lines came while it was paused "
                                               "and full, and were not kept")
                                    .arg(leftOut));
    }
    Q_EMIT pausedChanged(paused_);
}

void CommunicationLog::add(LogEntry::Kind kind, LineOrigin origin, const QString& text) {
    const bool full = size() == kCapacity;
    if (paused_ && full) {
        ++leftOutWhilePaused_;
        return;
    }
    if (full) {
        ++first_;
    }
    // The ring grows as it fills, so a console that logs little keeps little.
    const std::size_t index = std::size_t(next_ % kCapacity);
    if (index >= ring_.size()) {
        ring_.resize(std::min<std::size_t>(
            kCapacity, std::max({index + 1, ring_.size() * 2, std::size_t(64)})));
    }
    LogEntry& entry = ring_[index];
    ++next_;
    entry.time = clock_();
    entry.kind = kind;
    entry.origin = origin;
    if (text.size() > kMaxEntryLength) {
        entry.cut = int(text.size()) - kMaxEntryLength;
        entry.text = text.left(kMaxEntryLength);
    } else {
        entry.cut = 0;
        entry.text = text;
    }
}

}  // namespace quven
