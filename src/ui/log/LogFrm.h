// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QWidget>

#include "core/IntervalTimer.h"
#include "link/LogViewModel.h"

class QCheckBox;
class QListView;
class QPushButton;

namespace quven {

class CommunicationLog;
class MessageSeam;

// "Communication Log": a window of its own, beside the control screen, showing the log's lines,
// oldest at the top. "Hide status poll" (LogHidePoll) leaves out the poll's own queries and
// their answers, "Pause" (LogPause) stops the view, "Clear" (LogClear) empties the log, and
// "Save..." (LogSave) writes the lines shown to a text file named in Qt's file dialog. The view
// (LogView) takes in new lines in batches, each `tmrRefresh` tick while the window is shown,
// and follows the newest line unless the operator has scrolled up.
class LogFrm : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kRefreshPeriodMs = 100;

    LogFrm(CommunicationLog& log, MessageSeam& messages, IntervalTimer::Mode timerMode,
           QWidget* parent = nullptr);

    LogViewModel& model() { return model_; }
    // Takes in what the log gained since the last tick.
    void tmrRefresh_Timer();

    IntervalTimer tmrRefresh;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QWidget* buildControls();
    void buildView();
    void bind();
    void LogClear_Click();
    void LogSave_Click();
    void copySelection();
    bool followsNewest() const;

    CommunicationLog& log_;
    LogViewModel model_;
    QCheckBox* hidePoll_ = nullptr;
    QPushButton* pause_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* save_ = nullptr;
    QListView* view_ = nullptr;
};

}  // namespace quven
