// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>

#include "core/Module1.h"

namespace quven {

class IntervalTimer;
class MessageSeam;

// "To Setup Screen": hands the link to the data-table screen, but only while a session is open.
// From then on every reply goes to the table reader and the status poll stops.
class ScreenChange : public QObject {
    Q_OBJECT
  public:
    ScreenChange(Module1& module, IntervalTimer& timer2, MessageSeam& messages,
                 QObject* parent = nullptr);

    void SetupPb_Click();

  Q_SIGNALS:
    // The data-table window is to be shown (created first if it does not exist).
    void tableScreenRequested();

  private:
    Module1& module_;
    IntervalTimer& timer2_;
    MessageSeam& messages_;
};

}  // namespace quven
