#include "ui/kit/Lamp.h"

#include <QPainter>

namespace quven {

// Only the circle is drawn; the panel shows through the corners.
Lamp::Lamp(QWidget* parent) : QWidget(parent) {}

void Lamp::setFillColour(const QColor& colour) {
    if (colour != fill_) {
        fill_ = colour;
        update();
    }
}

void Lamp::setDimmed(bool dimmed) {
    if (dimmed != dimmed_) {
        dimmed_ = dimmed;
        update();
    }
}

void Lamp::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor rim = dimmed_ ? QColor(0xB8, 0xB8, 0xB8) : QColor(0x40, 0x40, 0x40);
    painter.setPen(QPen(rim, 1.0));
    painter.setBrush(fill_);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace quven
