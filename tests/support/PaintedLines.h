// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

// Whether the lines a window draws are there in what it painted, at the device pixels of its
// scale: a grab of the window (an image with its device pixel ratio) and boxes in its layout
// pixels.
namespace paintedlines {

// The edges of a box, as drawn: for each, whether a whole line of the colour runs along it
// within a device pixel or two of where the layout puts it. " left top" for the missing ones,
// or an empty string.
QString missingEdges(const QImage& canvas, const QRect& box, const QColor& colour);

// Whether a whole line of the colour runs along a box one layout pixel thick (a rule across or
// down), within a device pixel of it.
bool ruleShown(const QImage& canvas, const QRect& box, Qt::Orientation orientation,
               const QColor& colour);

}  // namespace paintedlines
