// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QList>
#include <QStringList>
#include <functional>

#include "core/MessageSeam.h"

// The message seam without a box: each message is recorded (or only counted) instead of shown,
// and each question answered with `answer`. whileShown runs inside show(), where the program
// would be inside a modal box's nested event loop. With echo, each message is also printed on
// stderr under the application's name (a benchmark's run is spoilt by one).
class RecordedMessages : public quven::MessageSeam {
  public:
    enum class Keep { Messages, Count };
    enum class Echo { Off, Stderr };

    void show(const quven::Message& message) override;
    // Questions are recorded apart from the messages.
    bool ask(const quven::Message& question) override;

    QStringList texts() const;

    QList<quven::Message> shown;  // unless keep is Keep::Count
    QList<quven::Message> asked;  // unless keep is Keep::Count
    int count = 0;                // messages shown
    bool answer = true;
    std::function<void(const quven::Message&)> whileShown;
    Keep keep = Keep::Messages;
    Echo echo = Echo::Off;
};
