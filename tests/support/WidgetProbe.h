// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>
#include <QtTest>

// How GUI tests look at a window: a control by its name, where it stands, the colour it really
// paints and the caption it shows.
namespace widgetprobe {

// The name of a control-array member: "Command3_9".
QString indexed(const char* name, int index);

// The control of that name and kind; the test stops when there is none.
template <typename W = QWidget>
W* find(QWidget& root, const QString& name) {
    W* widget = root.findChild<W*>(name);
    if (widget == nullptr) {
        qFatal("no control %s", qPrintable(name));
    }
    return widget;
}

// Where a control stands, in the coordinates of `area`.
QRect placeIn(QWidget& root, const QWidget* area, const QString& name);

// The controls a fixed-layout area places, each with where it stands in the area's coordinates:
// the area's own children and those of its panels (the transparent parts a window is built
// from), not the panels themselves nor what a control holds inside it (a group's buttons).
QList<QPair<QWidget*, QRect>> placedControls(QWidget* area);

QColor paintedAt(QWidget* widget, QPoint point);

// The colour a control really paints beside its caption, clear of its border.
QColor paintedBeside(QWidget* widget);

QString caption(QWidget* widget);

// Checks controls against rows of "name|caption|tooltip", one a line: each control of that
// name shows that caption and tooltip (what a screen reader calls it, tst_accessible_names
// hears). The first difference, or an empty string.
QString shownMismatch(QWidget& root, const QString& rows);

}  // namespace widgetprobe
