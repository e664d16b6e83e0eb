#pragma once

#include <QList>
#include <functional>

#include "core/MessageSeam.h"

// The test side of the message seam: records each box instead of showing it. whileShown runs
// inside show(), where the program would be inside a modal box's nested event loop.
class RecordedMessages : public quven::MessageSeam {
  public:
    void show(const quven::Message& message) override {
        shown.append(message);
        if (whileShown) {
            whileShown(message);
        }
    }
    // Questions are recorded apart from the messages and answered with `answer`.
    bool ask(const quven::Message& question) override {
        asked.append(question);
        return answer;
    }

    QStringList texts() const {
        QStringList list;
        for (const quven::Message& message : shown) {
            list.append(message.text);
        }
        return list;
    }

    QList<quven::Message> shown;
    QList<quven::Message> asked;
    bool answer = true;
    std::function<void(const quven::Message&)> whileShown;
};
