#pragma once

#include <QColor>

class QApplication;
class QWidget;

namespace quven {

// Back colours that really show. Many platform styles ignore a button's palette; the Fusion
// style honours it, so the console runs on Fusion (useConsoleStyle) and colours a widget
// through its palette. The colour is also kept as the widget's "backColour" property, so tests
// and bindings can read what the operator sees. An invalid colour means the system's
// button-face colour (no colour of our own).
void useConsoleStyle(QApplication& application);
void setBackColour(QWidget* widget, const QColor& colour);
void clearBackColour(QWidget* widget);
QColor backColour(const QWidget* widget);

// objectName and accessible name together: the names the console's controls are known by.
void setControlName(QWidget* widget, const QString& name);

}  // namespace quven
