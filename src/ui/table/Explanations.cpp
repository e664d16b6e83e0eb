// SPDX-License-Identifier: Apache-2.0
#include "ui/table/Explanations.h"

#include <QLabel>
#include <iterator>

#include "ui/kit/Colours.h"
#include "ui/kit/Typeface.h"
#include "ui/kit/WidgetLook.h"

namespace quven {

namespace {
constexpr int kLinePitch = 240;  // twips

constexpr const char* kLines[] = {
    "HSPD, MSPD, LSPD are in PPS unit.",
    "RATE is in CODE.",
    "CWLS, CCWLS EN means LS enable.",
    "NC means normaly closed contact.",
    "PLS EN means pulse out enable.",
    "PLS -DIR means reverse direction.",
    "DRIVE S:S style, T:Trapezoidal, C:Const.",
    "In Function mode",
    "E means pulse out enable, \"-\" means reverse direction.",
};
}  // namespace

Explanations::Explanations(QWidget* window, const kit::Twips& twips, const QRect& area)
    : TablePanel(window, QStringLiteral("Explanations"), QStringLiteral("Notes"), twips, area) {
    const int count = int(std::size(kLines));
    for (int line = 0; line < count; ++line) {
        // The last line is the longest and has the room below it to wrap into.
        const bool last = line == count - 1;
        auto* label = kit::place(new QLabel(QLatin1String(kLines[line]), this),
                                 numbered("lblExplanation", line), QLatin1String(kLines[line]),
                                 rect(area.left(), area.top() + line * kLinePitch, area.width(),
                                      (last ? 2 : 1) * kLinePitch));
        label->setTextFormat(Qt::PlainText);
        label->setFont(kit::face(kCellPoints));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(last);
        setBackColour(label, colours::Peach);
    }
}

}  // namespace quven
