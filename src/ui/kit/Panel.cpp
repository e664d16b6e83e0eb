// SPDX-License-Identifier: Apache-2.0
#include "ui/kit/Panel.h"

#include "ui/kit/FixedLayout.h"

namespace quven::kit {

// No background of its own: the window's shows through.
Panel::Panel(QWidget* parent, const QString& name, const QRect& area)
    : Panel(parent, name, QString(), area) {}

Panel::Panel(QWidget* parent, const QString& name, const QString& spokenName, const QRect& area)
    : QWidget(parent) {
    place(this, name, spokenName, area);
}

}  // namespace quven::kit
