// SPDX-License-Identifier: Apache-2.0
#include "link/ManualHistory.h"

namespace quven {

void ManualHistory::add(const QString& line) {
    stopBrowsing();
    if (line.isEmpty() || (!lines_.isEmpty() && lines_.last() == line)) {
        return;
    }
    lines_.append(line);
    if (lines_.size() > kLength) {
        lines_.removeFirst();
    }
}

std::optional<QString> ManualHistory::older(const QString& draft) {
    if (position_ == kNotBrowsing) {
        if (lines_.isEmpty()) {
            return std::nullopt;
        }
        draft_ = draft;
        position_ = int(lines_.size());
    }
    if (position_ == 0) {
        return std::nullopt;
    }
    return lines_.at(--position_);
}

std::optional<QString> ManualHistory::newer() {
    if (position_ == kNotBrowsing) {
        return std::nullopt;
    }
    if (++position_ < int(lines_.size())) {
        return lines_.at(position_);
    }
    stopBrowsing();
    return draft_;
}

}  // namespace quven
