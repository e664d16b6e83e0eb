// SPDX-License-Identifier: Apache-2.0
#include "link/LinkHealth.h"

#include <QElapsedTimer>

namespace quven {

namespace {
qint64 steadyMilliseconds() {
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.elapsed();
}

QString ago(qint64 milliseconds) {
    if (milliseconds < 1000) {
        return QStringLiteral("less than a second ago");
    }
    return QStringLiteral("%1 s ago").arg(milliseconds / 1000);
}
}  // namespace

LinkHealth::LinkHealth(const Module1& module, IntervalTimer::Mode timerMode, QObject* parent)
    : QObject(parent), tmrLink(timerMode), module_(module), clock_(&steadyMilliseconds) {
    connect(&tmrLink, &IntervalTimer::timeout, this, &LinkHealth::tmrLink_Timer);
    describe();
}

void LinkHealth::sessionChanged() {
    waiting_ = false;
    answered_ = false;
    setState(State::NoSession);
    if (module_.Connected) {
        keepChecking();
    }
    describe();
}

void LinkHealth::querySent() {
    if (!module_.Connected) {
        return;
    }
    keepChecking();
    if (!waiting_) {
        waiting_ = true;
        waitingSince_ = clock_();
    }
}

void LinkHealth::answerReceived() {
    if (!module_.Connected) {
        return;
    }
    keepChecking();
    waiting_ = false;
    answered_ = true;
    lastAnswer_ = clock_();
    // Answers come many a second: the description's age is brought up to date by the check.
    if (state_ != State::Live) {
        setState(State::Live);
        describe();
    }
}

void LinkHealth::tmrLink_Timer() {
    if (!module_.Connected) {
        tmrLink.setInterval(0);
        sessionChanged();
        return;
    }
    if (waiting_ && clock_() - waitingSince_ > kAnswerWaitMs) {
        setState(State::NoAnswer);
    }
    describe();
}

void LinkHealth::keepChecking() {
    if (!tmrLink.isRunning()) {
        tmrLink.setInterval(kCheckPeriodMs);
    }
}

void LinkHealth::setState(State state) {
    if (state != state_) {
        state_ = state;
        Q_EMIT stateChanged(state_);
    }
}

void LinkHealth::describe() {
    QString text;
    if (!module_.Connected) {
        text = QStringLiteral("LINK: no session");
    } else if (!answered_) {
        text = state_ == State::NoAnswer ? QStringLiteral("LINK: no answer yet in this session")
                                         : QStringLiteral("LINK: waiting for the first answer");
    } else {
        const QString last = QStringLiteral("last answer ") + ago(clock_() - lastAnswer_);
        text = state_ == State::NoAnswer ? QStringLiteral("LINK: no answer, ") + last
                                         : QStringLiteral("LINK: answering, ") + last;
    }
    if (text != description_) {
        description_ = text;
        Q_EMIT descriptionChanged(description_);
    }
}

}  // namespace quven
