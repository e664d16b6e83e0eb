#include "ui/kit/WidgetLook.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStyleFactory>
#include <QVariant>
#include <QWidget>

namespace quven {

namespace {
constexpr char kBackColour[] = "backColour";

QString pushButtonSheet(const QColor& colour) {
    return QStringLiteral(
               "QPushButton { background-color: %1; border: 1px solid #707070;"
               " border-radius: 3px; padding: 2px 4px; }"
               " QPushButton:pressed { background-color: %2; border-color: #404040; }"
               " QPushButton:focus { border-color: #202020; }")
        .arg(colour.name(), colour.darker(115).name());
}

// Entry fields show their colour in the base role. Everything else keeps its base, so that a
// coloured panel or frame does not pass its colour on to the entry fields and option-button
// circles inside it: those stay white.
bool showsColourAsBase(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractScrollArea*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr;
}
}  // namespace

void useConsoleStyle(QApplication& application) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        application.setStyle(fusion);
    }
}

void setBackColour(QWidget* widget, const QColor& colour) {
    if (!colour.isValid()) {
        clearBackColour(widget);
        return;
    }
    widget->setProperty(kBackColour, colour);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Button, colour);
    palette.setColor(QPalette::Window, colour);
    if (showsColourAsBase(widget)) {
        palette.setColor(QPalette::Base, colour);
    }
    widget->setPalette(palette);
    if (qobject_cast<QPushButton*>(widget) != nullptr) {
        // Push buttons paint a shaded face from the palette; a style sheet shows the colour
        // itself, as the operator's documentation shows it.
        widget->setStyleSheet(pushButtonSheet(colour));
        return;
    }
    // Labels, frames and option buttons need the window colour filled in.
    widget->setAutoFillBackground(true);
}

void clearBackColour(QWidget* widget) {
    widget->setProperty(kBackColour, QVariant());
    // The style sheet goes first: taking it off puts back the palette the widget had when it
    // was set, which would bring the colour back.
    widget->setStyleSheet(QString());
    widget->setPalette(QPalette());
    widget->setAutoFillBackground(false);
}

QColor backColour(const QWidget* widget) {
    return widget->property(kBackColour).value<QColor>();
}

void setControlName(QWidget* widget, const QString& name) {
    widget->setObjectName(name);
    widget->setAccessibleName(name);
}

}  // namespace quven
