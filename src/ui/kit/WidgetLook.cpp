// SPDX-License-Identifier: Apache-2.0
#include "ui/kit/WidgetLook.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStyleFactory>
#include <QVariant>
#include <QWidget>

#include "ui/kit/Colours.h"

namespace quven {

namespace {
constexpr char kBackColour[] = "backColour";
constexpr char kTextColour[] = "textColour";
constexpr char kDimmed[] = "dimmed";
constexpr char kLit[] = "lit";
constexpr char kSpokenState[] = "spokenState";

constexpr QPalette::ColorRole kTextRoles[] = {QPalette::WindowText, QPalette::ButtonText,
                                              QPalette::Text};

// A lit key's rim is dark and twice as heavy; the padding shrinks by as much, so that its
// caption stays where it is.
QString pushButtonSheet(const QColor& colour, const QColor& text, bool lit) {
    return QStringLiteral(
               "QPushButton { background-color: %1; color: %3; border: %4 solid %5;"
               " border-radius: 3px; padding: %6; }"
               " QPushButton:pressed { background-color: %2; border-color: #404040; }"
               " QPushButton:focus { border-color: #202020; }")
        .arg(colour.name(), colour.darker(115).name(), text.name(),
             QLatin1String(lit ? "2px" : "1px"), QLatin1String(lit ? "#000000" : "#707070"),
             QLatin1String(lit ? "1px 3px" : "2px 4px"));
}

void setTextRoles(QPalette& palette, const QColor& text) {
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (const QPalette::ColorRole role : kTextRoles) {
            palette.setColor(group, role, text);
        }
    }
}

// Entry fields show their colour in the base role, and their text on it. Everything else gets
// a white base with black text, so that a coloured panel or frame does not pass its colour on
// to the entry fields, lists and option-button circles inside it, whatever the desktop's theme:
// those stay white.
bool showsColourAsBase(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractScrollArea*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr;
}

// The text a widget with a back colour shows on it: its own colour, pale while dimmed.
QColor shownText(const QWidget* widget) {
    return isDimmed(widget) ? colours::DimmedText : widget->property(kTextColour).value<QColor>();
}
}  // namespace

void useConsoleStyle(QApplication& application) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        application.setStyle(fusion);
    }
}

void setBackColour(QWidget* widget, const QColor& colour, const QColor& text) {
    if (!colour.isValid()) {
        clearBackColour(widget);
        return;
    }
    widget->setProperty(kBackColour, colour);
    widget->setProperty(kTextColour, text.isValid() ? text : QColor(Qt::black));
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Button, colour);
    palette.setColor(QPalette::Window, colour);
    const bool entry = showsColourAsBase(widget);
    palette.setColor(QPalette::Base, entry ? colour : QColor(Qt::white));
    setTextRoles(palette, shownText(widget));
    if (!entry && !isDimmed(widget)) {
        palette.setColor(QPalette::Active, QPalette::Text, Qt::black);
        palette.setColor(QPalette::Inactive, QPalette::Text, Qt::black);
    }
    widget->setPalette(palette);
    if (qobject_cast<QPushButton*>(widget) != nullptr) {
        // Push buttons paint a shaded face from the palette; a style sheet shows the colour
        // itself, as the operator's documentation shows it.
        widget->setStyleSheet(pushButtonSheet(colour, shownText(widget), isLit(widget)));
        return;
    }
    // Labels, frames and option buttons need the window colour filled in.
    widget->setAutoFillBackground(true);
}

// Without a colour of its own a widget takes its face and its text from its parent.
void clearBackColour(QWidget* widget) {
    widget->setProperty(kBackColour, QVariant());
    widget->setProperty(kTextColour, QVariant());
    // The style sheet goes first: taking it off puts back the palette the widget had when it
    // was set, which would bring the colour back.
    widget->setStyleSheet(QString());
    QPalette palette;
    if (isDimmed(widget)) {
        setTextRoles(palette, colours::DimmedText);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(false);
}

void setDimmed(QWidget* widget, bool dimmed) {
    if (dimmed == isDimmed(widget)) {
        return;
    }
    widget->setProperty(kDimmed, dimmed);
    const QColor back = backColour(widget);
    if (back.isValid()) {
        setBackColour(widget, back, widget->property(kTextColour).value<QColor>());
    } else {
        clearBackColour(widget);
    }
    respeakState(widget);
}

bool isDimmed(const QWidget* widget) {
    return widget->property(kDimmed).toBool();
}

void setKeyLit(QPushButton* key, const QColor& colour) {
    const bool lit = colour.isValid();
    key->setProperty(kLit, lit);
    QFont font = key->font();
    font.setBold(lit);
    key->setFont(font);
    setBackColour(key, colour);
    setSpokenState(key, QLatin1String(lit ? "lit" : "not lit"));
}

bool isLit(const QWidget* widget) {
    return widget->property(kLit).toBool();
}

void setSpokenState(QWidget* widget, const QString& state) {
    widget->setProperty(kSpokenState, state);
    respeakState(widget);
}

void respeakState(QWidget* widget) {
    const QVariant state = widget->property(kSpokenState);
    if (!state.isValid()) {
        return;
    }
    const QString words =
        isDimmed(widget) ? state.toString() + QLatin1String(", not live") : state.toString();
    // Every change is told to a screen reader; the same words again are not a change.
    if (widget->accessibleDescription() != words) {
        widget->setAccessibleDescription(words);
    }
}

void showSpokenText(QLabel* label, const QString& text) {
    label->setText(text);
    setSpokenState(label, text);
}

QColor backColour(const QWidget* widget) {
    return widget->property(kBackColour).value<QColor>();
}

void setControlName(QWidget* widget, const QString& name) {
    setControlName(widget, name, name);
}

void setControlName(QWidget* widget, const QString& name, const QString& spokenName) {
    widget->setObjectName(name);
    widget->setAccessibleName(spokenName.isEmpty() ? name : spokenName);
}

}  // namespace quven
