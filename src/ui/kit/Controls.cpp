#include "ui/kit/Controls.h"

#include "ui/kit/WidgetLook.h"

namespace quven::kit {

QLabel* caption(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                Qt::Alignment alignment) {
    auto* label = place(new QLabel(text, parent), name, geometry);
    label->setAlignment(alignment);
    return label;
}

QLabel* fittedCaption(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                      QPoint at, const QColor& back) {
    auto* label = new QLabel(text, parent);
    setControlName(label, name);
    // Plain text keeps the captions' runs of blanks, which line them up over their columns.
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setMargin(0);
    label->setIndent(0);
    setBackColour(label, back);
    // One line high, so that rows of captions close together do not overlap.
    label->adjustSize();
    label->setGeometry(QRect(at, QSize(label->width(), label->fontMetrics().height())));
    return label;
}

void applyButtonLook(QWidget* button, const ButtonLook& look) {
    if (look.toolTip[0] != '\0') {
        button->setToolTip(QLatin1String(look.toolTip));
    }
    if (look.colour.isValid()) {
        setBackColour(button, look.colour);
    }
}

}  // namespace quven::kit
