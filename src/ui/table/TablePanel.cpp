// SPDX-License-Identifier: Apache-2.0
#include "ui/table/TablePanel.h"

#include <QLabel>

#include "ui/kit/Colours.h"
#include "ui/kit/Controls.h"
#include "ui/kit/Hairline.h"
#include "ui/kit/Typeface.h"

namespace quven {

TablePanel::TablePanel(QWidget* window, const QString& name, const QString& spokenName,
                       const kit::Twips& twips, const QRect& area)
    : Panel(window, name, spokenName, twips.rect(area.x(), area.y(), area.width(), area.height())),
      twips_(twips) {}

QLabel* TablePanel::caption(const QString& name, const QString& text, const QFont& font, int left,
                            int top, const QString& spokenName) {
    return kit::fittedCaption(this, name, text, font, at(left, top), colours::Peach,
                              spokenName.isEmpty() ? text.simplified() : spokenName);
}

QLabel* TablePanel::heading(const QString& name, const QString& text, int left, int top,
                            const QString& spokenName) {
    return caption(name, text, kit::face(kHeadingPoints, true), left, top, spokenName);
}

void TablePanel::section(const QString& name, const QString& spokenName, int left, int top,
                         int width, int height) {
    auto* frame =
        kit::place(new kit::HairlineBox(this), name, spokenName, rect(left, top, width, height));
    frame->lower();
}

QString numbered(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

}  // namespace quven
