// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QLatin1String>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

#include "ui/kit/FixedLayout.h"

class QAbstractButton;

// The controls the screens make from lines of their tables: captions and command buttons.
namespace quven::kit {

// A caption of a fixed size, in its parent's font. `spokenName` is what a screen reader says
// for it (its name alone without).
QLabel* caption(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter,
                const QString& spokenName = QString());

// A plain-text caption in a font of its own and on a back colour, as wide as its text and one
// line high.
QLabel* fittedCaption(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                      QPoint at, const QColor& back, const QString& spokenName = QString());

// A command button as a screen's table lists it.
struct ButtonLook {
    const char* name;
    const char* caption;
    const char* toolTip;  // "" for none
    QColor colour;        // invalid for the system's button face
    // The key that presses it anywhere in its window ("F5", "Ctrl+S"; "" for none). The tooltip
    // names it after its own text: "Data table read from ORBEL (F5)".
    const char* key = "";
    const char* spokenName = "";  // what a screen reader says; "" for its name
};

void applyButtonLook(QAbstractButton* button, const ButtonLook& look);

template <typename B>
B* button(QWidget* parent, const ButtonLook& look, const QRect& geometry) {
    auto* made =
        place(new B(QLatin1String(look.caption), parent), QLatin1String(look.name), geometry);
    applyButtonLook(made, look);
    return made;
}

}  // namespace quven::kit
