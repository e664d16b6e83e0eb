#pragma once

#include <QObject>

#include "app/Module1.h"

namespace quven {

class IntervalTimer;

// The data-table screen's side of the link hand-over: leaving the screen gives the replies
// back to the control screen and restarts its status poll.
class TableScreen : public QObject {
    Q_OBJECT
  public:
    // The poll period after "To Control Screen", and after the window was closed.
    static constexpr int kPollPeriodAfterReturn = 100;
    static constexpr int kPollPeriodAfterClose = 20;

    TableScreen(Module1& module, IntervalTimer& timer2, QObject* parent = nullptr);

    // "To Control Screen": the window is hidden and kept for the next visit.
    void Command1_Click();
    // The window's close box: the window is discarded.
    void Form_Unload();

  Q_SIGNALS:
    void hideRequested();

  private:
    Module1& module_;
    IntervalTimer& timer2_;
};

}  // namespace quven
