// SPDX-License-Identifier: Apache-2.0
#include "ui/kit/Lamp.h"

#include <QPainter>

#include "ui/kit/WidgetLook.h"

namespace quven {

namespace {
constexpr qreal kRim = 1.0;
constexpr qreal kLitRim = 2.0;
}  // namespace

// Only the circle is drawn; the panel shows through the corners.
Lamp::Lamp(QWidget* parent) : QWidget(parent) {}

void Lamp::setFillColour(const QColor& colour) {
    if (colour != fill_) {
        fill_ = colour;
        update();
    }
}

void Lamp::setLit(bool lit) {
    if (lit != lit_) {
        lit_ = lit;
        update();
    }
}

void Lamp::setDimmed(bool dimmed) {
    if (dimmed != dimmed_) {
        dimmed_ = dimmed;
        update();
        respeakState(this);
    }
}

void Lamp::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor rim = dimmed_ ? QColor(0xB8, 0xB8, 0xB8) : QColor(0x40, 0x40, 0x40);
    const qreal width = lit_ ? kLitRim : kRim;
    painter.setPen(QPen(rim, width));
    painter.setBrush(fill_);
    const qreal inset = width / 2;
    painter.drawEllipse(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

}  // namespace quven
