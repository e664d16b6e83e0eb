#include "ui/kit/Hairline.h"

#include <QPainter>
#include <QTransform>
#include <QtMath>

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
}  // namespace

void drawHairlineFrame(QPainter& painter, const QRect& box, const QColor& colour) {
    const QTransform toDevice = painter.deviceTransform();
    const QRect inside = devicePixelsInside(toDevice, box);
    const int thickness = qMax(1, int(toDevice.m11() + kSlack));
    painter.save();
    // Drawn in device pixels: undo the world transform but keep where the device puts us.
    painter.setWorldTransform(toDevice.inverted() * painter.worldTransform());
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

HairlineBox::HairlineBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

// A plain frame's line is in the window-text colour.
void HairlineBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawHairlineFrame(painter, rect(), palette().color(foregroundRole()));
}

}  // namespace quven::kit
