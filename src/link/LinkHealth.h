// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "core/IntervalTimer.h"
#include "core/Module1.h"

namespace quven {

// Whether the controller is answering: the status line's link lamp, and whether the control
// screen's displays show live values. Grey (no session) while no session is open; live once an
// answer has been handled; no answer once a query has waited more than kAnswerWaitMs without
// one, counted from the first query asked since the last answer, so a poll that asks again after
// each time-out does not restart the count. While nothing is asked the state stays as it is.
// `tmrLink` checks the wait; it runs while a session is open.
class LinkHealth : public QObject {
    Q_OBJECT
  public:
    enum class State { NoSession, Live, NoAnswer };
    static constexpr int kCheckPeriodMs = 100;
    static constexpr int kAnswerWaitMs = 1000;
    using Clock = std::function<qint64()>;  // milliseconds, never going back

    LinkHealth(const Module1& module, IntervalTimer::Mode timerMode, QObject* parent = nullptr);

    // A steady clock by default.
    void setClock(Clock clock) { clock_ = std::move(clock); }

    State state() const { return state_; }
    bool isLive() const { return state_ == State::Live; }
    // What the lamp's tooltip says: the state and how long ago the last answer came.
    QString description() const { return description_; }

    // A session was opened, closed or dropped: the next answer is the first of a session.
    void sessionChanged();
    // A line was sent whose answer is awaited.
    void querySent();
    // A block was handled as the answer to a waiting query.
    void answerReceived();
    void tmrLink_Timer();

    IntervalTimer tmrLink;

  Q_SIGNALS:
    void stateChanged(quven::LinkHealth::State state);
    void descriptionChanged(const QString& text);

  private:
    void setState(State state);
    void describe();
    void keepChecking();

    const Module1& module_;
    Clock clock_;
    State state_ = State::NoSession;
    QString description_;
    bool waiting_ = false;
    qint64 waitingSince_ = 0;
    bool answered_ = false;  // an answer came in this session
    qint64 lastAnswer_ = 0;
};

}  // namespace quven
