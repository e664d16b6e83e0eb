#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include "ui/kit/WidgetLook.h"

// Helpers shared by the parts of the control screen that build its widgets. The panel is laid
// out by fixed coordinates, as the controller's front panel is: nothing moves or stretches.
namespace quven::panellook {

template <typename W>
W* place(W* widget, const QString& name, const QRect& geometry) {
    setControlName(widget, name);
    widget->setGeometry(geometry);
    return widget;
}

// The widget's own font, bold, and scaled from its point size.
inline QFont bold(const QWidget* widget, qreal scale = 1.0) {
    QFont font = widget->font();
    font.setBold(true);
    if (scale != 1.0) {
        font.setPointSizeF(font.pointSizeF() * scale);
    }
    return font;
}

}  // namespace quven::panellook
