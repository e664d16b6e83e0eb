// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QColor>
#include <QString>

class QApplication;
class QLabel;
class QPushButton;
class QWidget;

namespace quven {

// Back colours that really show. Many platform styles ignore a button's palette; the Fusion
// style honours it, so the console runs on Fusion (useConsoleStyle) and colours a widget
// through its palette. The colour is also kept as the widget's "backColour" property, so tests
// and bindings can read what the operator sees. An invalid colour means the system's
// button-face colour (no colour of our own).
//
// A back colour comes with its text colour, black unless told otherwise, in every role a
// widget writes with (window text, button text, text): a dark desktop theme's white text never
// lands on the console's light colours. A widget without a colour of its own takes both from
// its parent.
void useConsoleStyle(QApplication& application);
void setBackColour(QWidget* widget, const QColor& colour, const QColor& text = Qt::black);
void clearBackColour(QWidget* widget);
QColor backColour(const QWidget* widget);

// Live values that are not live any more: a widget's text shown in a paler colour, its back
// colour as it is. Kept as the widget's "dimmed" property, and kept across back-colour changes.
void setDimmed(QWidget* widget, bool dimmed);
bool isDimmed(const QWidget* widget);

// A key lit in a colour, or put out (an invalid colour: the system's button face). A lit key is
// told apart without its colour too, which in greyscale may be as light as the plain face: its
// caption turns bold and its rim dark and heavier. A screen reader hears "lit" or "not lit".
// Kept as the key's "lit" property.
void setKeyLit(QPushButton* key, const QColor& colour);
bool isLit(const QWidget* widget);

// What a screen reader says of a control's changing state after its name: "on", "lit", the
// text a display shows. It is the control's accessible description, with ", not live" added
// while the control is dimmed; a screen reader is told of every change.
void setSpokenState(QWidget* widget, const QString& state);
// Says the state again after the control's dimming changed (setDimmed does this itself).
void respeakState(QWidget* widget);
// A label shows a text, and a screen reader hears it after the label's name.
void showSpokenText(QLabel* label, const QString& text);

// The names a control is known by: its objectName, the name the console's documentation gives
// it ("Command6"), and its accessible name, the words a screen reader says for it ("CW jog").
// Without words the accessible name is the objectName too.
void setControlName(QWidget* widget, const QString& name);
void setControlName(QWidget* widget, const QString& name, const QString& spokenName);

}  // namespace quven
