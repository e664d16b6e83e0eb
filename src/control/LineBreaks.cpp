// SPDX-License-Identifier: Apache-2.0
#include "control/LineBreaks.h"

#include <algorithm>

namespace quven {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
const QChar kNewLine = QLatin1Char('\n');
}  // namespace

QString lineTextFromBox(const QString& boxText) {
    QString text = boxText;
    return text.replace(kNewLine, kCrLf);
}

QString boxTextFromLine(const QString& lineText) {
    QString text = lineText;
    return text.replace(kCrLf, QString(kNewLine));
}

int lineCaretFromBox(const QString& boxText, int boxCaret) {
    const int caret = std::clamp(boxCaret, 0, int(boxText.size()));
    return caret + int(QStringView(boxText).left(caret).count(kNewLine));
}

int boxCaretFromLine(const QString& lineText, int lineCaret) {
    const int caret = std::clamp(lineCaret, 0, int(lineText.size()));
    int breaks = 0;
    for (int at = lineText.indexOf(kCrLf); at >= 0 && at < caret;
         at = lineText.indexOf(kCrLf, at + kCrLf.size())) {
        ++breaks;
    }
    return caret - breaks;
}

}  // namespace quven
