#pragma once

#include <QColor>
#include <QString>

class QApplication;
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

// The names a control is known by: its objectName, the name the console's documentation gives
// it ("Command6"), and its accessible name, the words a screen reader says for it ("CW jog").
// Without words the accessible name is the objectName too.
void setControlName(QWidget* widget, const QString& name);
void setControlName(QWidget* widget, const QString& name, const QString& spokenName);

}  // namespace quven
