// SPDX-License-Identifier: Apache-2.0
#include "PaintedLines.h"

#include <QtMath>

namespace paintedlines {

namespace {
// Whether a line of device pixels, across the middle of a span, is all of the colour.
bool wholeLine(const QImage& image, bool vertical, int at, int from, int to, const QColor& colour) {
    for (int along = from; along <= to; ++along) {
        const QPoint pixel = vertical ? QPoint(at, along) : QPoint(along, at);
        if (!image.rect().contains(pixel) || image.pixel(pixel) != colour.rgb()) {
            return false;
        }
    }
    return true;
}

// A whole line of the colour at one of the device rows (columns) from..to, over the span.
bool lineAmong(const QImage& image, bool vertical, int from, int to, int spanFrom, int spanTo,
               const QColor& colour) {
    for (int at = from; at <= to; ++at) {
        if (wholeLine(image, vertical, at, spanFrom, spanTo, colour)) {
            return true;
        }
    }
    return false;
}

// The device pixels a layout box covers, at least in part.
QRect deviceBox(const QImage& canvas, const QRect& box) {
    const qreal scale = canvas.devicePixelRatio();
    return QRect(
        QPoint(qFloor(box.left() * scale), qFloor(box.top() * scale)),
        QPoint(qCeil((box.right() + 1) * scale) - 1, qCeil((box.bottom() + 1) * scale) - 1));
}
}  // namespace

QString missingEdges(const QImage& canvas, const QRect& box, const QColor& colour) {
    const QRect device = deviceBox(canvas, box);
    const int inset = int(canvas.devicePixelRatio()) + 2;
    const int left = device.left(), top = device.top();
    const int right = device.right(), bottom = device.bottom();
    QString missing;
    if (!lineAmong(canvas, true, left, left + 2, top + inset, bottom - inset, colour)) {
        missing += QLatin1String(" left");
    }
    if (!lineAmong(canvas, true, right - 2, right, top + inset, bottom - inset, colour)) {
        missing += QLatin1String(" right");
    }
    if (!lineAmong(canvas, false, top, top + 2, left + inset, right - inset, colour)) {
        missing += QLatin1String(" top");
    }
    if (!lineAmong(canvas, false, bottom - 2, bottom, left + inset, right - inset, colour)) {
        missing += QLatin1String(" bottom");
    }
    return missing;
}

bool ruleShown(const QImage& canvas, const QRect& box, Qt::Orientation orientation,
               const QColor& colour) {
    const QRect device = deviceBox(canvas, box);
    const int inset = int(canvas.devicePixelRatio()) + 2;
    if (orientation == Qt::Horizontal) {
        return lineAmong(canvas, false, device.top() - 1, device.bottom() + 1,
                         device.left() + inset, device.right() - inset, colour);
    }
    return lineAmong(canvas, true, device.left() - 1, device.right() + 1, device.top() + inset,
                     device.bottom() - inset, colour);
}

}  // namespace paintedlines
