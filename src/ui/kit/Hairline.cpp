// SPDX-License-Identifier: Apache-2.0
#include "ui/kit/Hairline.h"

#include <QPainter>
#include <QTransform>
#include <QtMath>

#include "ui/kit/DevicePixels.h"

namespace quven::kit {

namespace {
// Rounding that forgives the transform's floating-point noise.
constexpr qreal kSlack = 1e-6;

// The device pixels that lie wholly inside `box`.
QRect devicePixelsInside(const QTransform& toDevice, const QRect& box) {
    const QRectF mapped = toDevice.mapRect(QRectF(box));
    return QRect(QPoint(qCeil(mapped.left() - kSlack), qCeil(mapped.top() - kSlack)),
                 QPoint(qFloor(mapped.right() + kSlack) - 1, qFloor(mapped.bottom() + kSlack) - 1));
}

// As many device pixels as the scale has whole ones, at least one.
int lineThickness(const QTransform& toDevice) {
    return qMax(1, int(toDevice.m11() + kSlack));
}

// The first of `thickness` device pixels centred on `middle`: the pixel the middle falls in
// when the line is one pixel thick.
int firstAround(qreal middle, int thickness) {
    return qFloor(middle - (thickness - 1) / 2.0 + kSlack);
}
}  // namespace

void drawHairlineFrame(QPainter& painter, const QRect& box, const QColor& colour) {
    const QTransform toDevice = painter.deviceTransform();
    const QRect inside = devicePixelsInside(toDevice, box);
    const int thickness = lineThickness(toDevice);
    painter.save();
    paintInDevicePixels(painter);
    for (int ring = 0; ring < thickness; ++ring) {
        const QRect edge = inside.adjusted(ring, ring, -ring, -ring);
        if (edge.width() <= 0 || edge.height() <= 0) {
            break;
        }
        painter.fillRect(QRect(edge.left(), edge.top(), edge.width(), 1), colour);
        painter.fillRect(QRect(edge.left(), edge.bottom(), edge.width(), 1), colour);
        painter.fillRect(QRect(edge.left(), edge.top(), 1, edge.height()), colour);
        painter.fillRect(QRect(edge.right(), edge.top(), 1, edge.height()), colour);
    }
    painter.restore();
}

void drawHairlineRule(QPainter& painter, const QRect& box, Qt::Orientation orientation,
                      const QColor& colour) {
    const QTransform toDevice = painter.deviceTransform();
    const QRectF mapped = toDevice.mapRect(QRectF(box));
    const QRect inside = devicePixelsInside(toDevice, box);
    const int thickness = lineThickness(toDevice);
    QRect line;
    if (orientation == Qt::Horizontal) {
        line = QRect(inside.left(), firstAround(mapped.center().y(), thickness), inside.width(),
                     thickness);
    } else {
        line = QRect(firstAround(mapped.center().x(), thickness), inside.top(), thickness,
                     inside.height());
    }
    painter.save();
    paintInDevicePixels(painter);
    painter.fillRect(line, colour);
    painter.restore();
}

HairlineBox::HairlineBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

// A plain frame's line is in the window-text colour.
void HairlineBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawHairlineFrame(painter, rect(), palette().color(foregroundRole()));
}

HairlineRule::HairlineRule(Qt::Orientation orientation, QWidget* parent)
    : QFrame(parent), orientation_(orientation) {
    setFrameShape(orientation == Qt::Horizontal ? QFrame::HLine : QFrame::VLine);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
}

void HairlineRule::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawHairlineRule(painter, rect(), orientation_, palette().color(foregroundRole()));
}

}  // namespace quven::kit
