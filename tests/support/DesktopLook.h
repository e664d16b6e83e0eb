// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QMap>
#include <QPalette>
#include <QString>

class QWidget;

// How a window looks on the operator's desktop, read from the colours its controls paint with
// (their palettes and back colours) rather than from pixels.
namespace desktoplook {

// A dark desktop theme as it reaches a Qt program: dark faces and bases, white text.
QPalette darkPalette();

// One text a control writes and what lies behind it: "caption", "box", "list", "indicator".
struct ShownColours {
    QString part;
    QColor text;
    QColor background;
};

// The texts a control shows, each with its background, as the style paints them: a label's
// caption on its own or its parent's colour, a button's caption on its face, a box's (an entry
// field's, a list's, a text area's) text on its base, a drop-down list's entries, a check box's
// mark on its white square.
QList<ShownColours> shownColours(const QWidget* widget);

// The controls of a window that the console names, with every text they show:
// "Label17 caption" -> colours. Qt's own inner widgets ("qt_...", unnamed) are left out.
QList<QPair<QString, ShownColours>> windowColours(const QWidget* window);

// The same for every control of the window, Qt's own too (a message box's text and buttons):
// those without a name by their class and place, "QLabel#3 caption".
QList<QPair<QString, ShownColours>> everyColour(const QWidget* window);

// The first text of `dark` that differs from `light` (the same window's texts under the light
// theme) in its colours or reads below WCAG AA contrast, with its colours; empty when none.
using WindowTexts = QList<QPair<QString, ShownColours>>;
QString darkThemeMismatch(const WindowTexts& light, const WindowTexts& dark);

// Where each named control below `root` stands in it, and the font it writes in:
// "Label17" -> "12,40 200x16 <font key>". Qt's own inner widgets are left out.
QMap<QString, QString> placesAndFonts(QWidget* root);

// The application's palette and font for the life of a test: put back afterwards.
struct DesktopTheme {
    DesktopTheme();
    ~DesktopTheme();
    DesktopTheme(const DesktopTheme&) = delete;
    DesktopTheme& operator=(const DesktopTheme&) = delete;
    QFont font;
};

}  // namespace desktoplook
