#include "ui/kit/Panel.h"

#include "ui/kit/FixedLayout.h"

namespace quven::kit {

// No background of its own: the window's shows through.
Panel::Panel(QWidget* parent, const QString& name, const QRect& area) : QWidget(parent) {
    place(this, name, area);
}

}  // namespace quven::kit
