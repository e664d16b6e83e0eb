// SPDX-License-Identifier: Apache-2.0
#include "RecordedMessages.h"

#include <QCoreApplication>
#include <cstdio>

void RecordedMessages::show(const quven::Message& message) {
    ++count;
    if (keep == Keep::Messages) {
        shown.append(message);
    }
    if (echo == Echo::Stderr) {
        std::fprintf(stderr, "%s: the console would show \"%s\"\n",
                     qPrintable(QCoreApplication::applicationName()), qPrintable(message.text));
    }
    if (whileShown) {
        whileShown(message);
    }
}

bool RecordedMessages::ask(const quven::Message& question) {
    if (keep == Keep::Messages) {
        asked.append(question);
    }
    return answer;
}

QStringList RecordedMessages::texts() const {
    QStringList list;
    for (const quven::Message& message : shown) {
        list.append(message.text);
    }
    return list;
}
