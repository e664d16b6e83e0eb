// SPDX-License-Identifier: Apache-2.0
#include "link/ManualLine.h"

#include <algorithm>

#include "core/MessageSeam.h"

namespace quven {

namespace {
const QString kLineBreak = QStringLiteral("\r\n");

// The text with every line break taken out, also those that taking out others brings together
// ("\r\r\n\n"): what taking them out one at a time leaves, in one pass.
QString withoutLineBreaks(const QString& text) {
    QString joined;
    joined.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\n') && joined.endsWith(QLatin1Char('\r'))) {
            joined.chop(1);
        } else {
            joined += c;
        }
    }
    return joined;
}
}  // namespace

ManualLine::ManualLine(Module1& module, MessageSeam& messages, QObject* parent)
    : QObject(parent), module_(module), messages_(messages) {}

void ManualLine::setText(const QString& text, int caret) {
    if (text == text_) {
        return;
    }
    if (!recalling_) {
        history_.stopBrowsing();
    }
    text_ = text;
    caret_ = std::clamp(caret, 0, int(text_.size()));
    Q_EMIT changed(text_, caret_);
    Text2_Change();
}

QString ManualLine::commandToSend() {
    history_.add(text_);
    return text_;
}

void ManualLine::recallOlder() {
    recall(history_.older(text_));
}

void ManualLine::recallNewer() {
    recall(history_.newer());
}

// A recalled line is a change of the box like any other: the change rule runs on it.
void ManualLine::recall(const std::optional<QString>& line) {
    if (!line) {
        return;
    }
    recalling_ = true;
    setText(*line, int(line->size()));
    recalling_ = false;
}

void ManualLine::Text2_Change() {
    if (!module_.Connected) {
        messages_.show({QStringLiteral("Not connected !"), QStringLiteral("Caution !"),
                        MessageIcon::Information});
        return;
    }
    const int lineBreak = text_.indexOf(kLineBreak);
    if (lineBreak < 0) {
        return;  // still typing
    }
    const int length = text_.size();
    // All of them in one change: one change per line break would nest as deep as a paste has
    // lines, each holding a copy of the text, and a large paste would exhaust the stack.
    setText(withoutLineBreaks(text_), length - 2);
    caret_ = std::min(length - 2, int(text_.size()));
    Q_EMIT changed(text_, caret_);
    module_.ManualCommandPending = true;
}

}  // namespace quven
