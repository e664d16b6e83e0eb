#include "link/ManualLine.h"

#include <algorithm>

#include "ui/MessageSeam.h"

namespace quven {

namespace {
const QString kLineBreak = QStringLiteral("\r\n");
}

ManualLine::ManualLine(Module1& module, MessageSeam& messages, QObject* parent)
    : QObject(parent), module_(module), messages_(messages) {}

void ManualLine::setText(const QString& text, int caret) {
    if (text == text_) {
        return;
    }
    text_ = text;
    caret_ = std::clamp(caret, 0, int(text_.size()));
    Q_EMIT changed(text_, caret_);
    Text2_Change();
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
    setText(text_.left(lineBreak) + text_.mid(lineBreak + kLineBreak.size()), length - 2);
    // After further breaks were taken out by the nested change, the caret stays at the end.
    caret_ = std::min(length - 2, int(text_.size()));
    Q_EMIT changed(text_, caret_);
    module_.ManualCommandPending = true;
}

}  // namespace quven
