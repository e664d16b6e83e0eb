// SPDX-License-Identifier: Apache-2.0
#include "ui/kit/Controls.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QShortcut>

#include "ui/kit/WidgetLook.h"

namespace quven::kit {

namespace {
// The button's own tooltip with its key after it.
QString toolTipWithKey(const QString& toolTip, const QKeySequence& key) {
    const QString named =
        QLatin1Char('(') + key.toString(QKeySequence::NativeText) + QLatin1Char(')');
    if (toolTip.isEmpty() || toolTip.endsWith(QLatin1Char(' '))) {
        return toolTip + named;
    }
    return toolTip + QLatin1Char(' ') + named;
}

// The key presses the button wherever the focus is in its window; the focus stays where it is.
void pressOnKey(QAbstractButton* button, const QKeySequence& key) {
    auto* shortcut = new QShortcut(key, button);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isEnabled()) {
            button->click();
        }
    });
}
}  // namespace

QLabel* caption(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                Qt::Alignment alignment, const QString& spokenName) {
    auto* label = place(new QLabel(text, parent), name, spokenName, geometry);
    label->setAlignment(alignment);
    return label;
}

QLabel* fittedCaption(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                      QPoint at, const QColor& back, const QString& spokenName) {
    auto* label = new QLabel(text, parent);
    setControlName(label, name, spokenName);
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

void applyButtonLook(QAbstractButton* button, const ButtonLook& look) {
    QString toolTip = QLatin1String(look.toolTip);
    if (look.key[0] != '\0') {
        const QKeySequence key(QLatin1String(look.key), QKeySequence::PortableText);
        toolTip = toolTipWithKey(toolTip, key);
        pressOnKey(button, key);
    }
    if (!toolTip.isEmpty()) {
        button->setToolTip(toolTip);
    }
    if (look.spokenName[0] != '\0') {
        button->setAccessibleName(QLatin1String(look.spokenName));
    }
    if (look.colour.isValid()) {
        setBackColour(button, look.colour);
    }
}

}  // namespace quven::kit
