// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <QTimer>

namespace quven {

// A periodic timer whose interval is its running state: 0 means stopped, any other value
// runs it with that period. The console tests the interval to know whether a transfer runs.
//
// Running timers use Qt's precise timers, because the poll and transfer periods are exact.
// Manual timers keep the interval but never fire by themselves: tests call the tick handlers
// directly, so nothing depends on wall-clock time.
class IntervalTimer : public QObject {
    Q_OBJECT
  public:
    enum class Mode { Running, Manual };

    explicit IntervalTimer(Mode mode, QObject* parent = nullptr);

    int interval() const { return interval_; }
    bool isRunning() const { return interval_ != 0; }
    // Sets the period in milliseconds and (re)starts the timer; 0 stops it.
    void setInterval(int milliseconds);

  Q_SIGNALS:
    void timeout();

  private:
    Mode mode_;
    int interval_ = 0;
    QTimer timer_;
};

}  // namespace quven
