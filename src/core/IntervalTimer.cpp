// SPDX-License-Identifier: Apache-2.0
#include "core/IntervalTimer.h"

namespace quven {

IntervalTimer::IntervalTimer(Mode mode, QObject* parent) : QObject(parent), mode_(mode) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &IntervalTimer::timeout);
}

void IntervalTimer::setInterval(int milliseconds) {
    interval_ = milliseconds < 0 ? 0 : milliseconds;
    if (interval_ == 0 || mode_ == Mode::Manual) {
        timer_.stop();
        return;
    }
    timer_.start(interval_);
}

}  // namespace quven
