// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace quven {

// The lines sent from the manual command box during this run, the newest last, and where Up and
// Down stand among them. Browsing starts from the box's current text, the draft, which Down
// gives back after the newest line.
class ManualHistory {
  public:
    static constexpr int kLength = 50;

    // A line that was sent; not kept when it repeats the newest one, or is empty.
    void add(const QString& line);
    // Up: the next older line, the newest first; nothing when there is no older one.
    std::optional<QString> older(const QString& draft);
    // Down: the next newer line, then the draft; nothing when not browsing.
    std::optional<QString> newer();
    // The box was changed by other means than Up and Down: the next Up starts afresh.
    void stopBrowsing() { position_ = kNotBrowsing; }

    QStringList lines() const { return lines_; }

  private:
    static constexpr int kNotBrowsing = -1;

    QStringList lines_;
    int position_ = kNotBrowsing;
    QString draft_;
};

}  // namespace quven
