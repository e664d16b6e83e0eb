// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "link/LineOrigin.h"

namespace quven {

// One line of the communication log, as it was taken: nothing is formatted until a view asks.
struct LogEntry {
    enum class Kind : quint8 { Sent, Received, Event };

    qint64 time = 0;  // milliseconds since the epoch
    Kind kind = Kind::Event;
    LineOrigin origin = LineOrigin::Unasked;
    int cut = 0;   // characters left out beyond kMaxEntryLength
    QString text;  // the line or block as it went or came (one character a byte), or the event
};

// Everything the console sends and receives, and its own events, the newest last: a ring of the
// last kCapacity entries, each at most kMaxEntryLength characters long, so that its memory stays
// bounded whatever the controller sends. Recording costs a clock reading and a shared copy of
// the text; views read the entries by their sequence numbers, which only ever grow.
//
// While paused, entries are still kept as long as there is room, so a view that resumes has
// them all; once the ring is full they are counted instead of pushing out what the view shows.
class CommunicationLog : public QObject {
    Q_OBJECT
  public:
    static constexpr int kCapacity = 20000;
    static constexpr int kMaxEntryLength = 1000;
    using Clock = std::function<qint64()>;

    explicit CommunicationLog(QObject* parent = nullptr);

    // The wall clock by default.
    void setClock(Clock clock) { clock_ = std::move(clock); }

    void addSent(const QString& line, LineOrigin origin);
    void addReceived(const QString& block, LineOrigin origin);
    void addEvent(const QString& text);

    // Entries first() to next() - 1 are kept; an entry's sequence number never changes.
    qint64 first() const { return first_; }
    qint64 next() const { return next_; }
    int size() const { return int(next_ - first_); }
    // The entry of that sequence number; nullptr once it has been dropped or cleared.
    const LogEntry* at(qint64 sequence) const;

    // Drops every entry.
    void clear();
    bool isPaused() const { return paused_; }
    void setPaused(bool paused);

  Q_SIGNALS:
    void pausedChanged(bool paused);

  private:
    void add(LogEntry::Kind kind, LineOrigin origin, const QString& text);

    Clock clock_;
    std::vector<LogEntry> ring_;
    qint64 first_ = 0;
    qint64 next_ = 0;
    bool paused_ = false;
    qint64 leftOutWhilePaused_ = 0;
};

}  // namespace quven
