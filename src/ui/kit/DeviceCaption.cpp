// SPDX-License-Identifier: Apache-2.0
#include "ui/kit/DeviceCaption.h"

#include <QPainter>
#include <QStyle>

#include "ui/kit/DevicePixels.h"

namespace quven::kit {

namespace {
// The font for the device: the same face, its size multiplied by the device's scale.
QFont scaledFont(QFont font, qreal scale) {
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * scale);
    } else {
        font.setPixelSize(qRound(font.pixelSize() * scale));
    }
    return font;
}
}  // namespace

DeviceCaption::DeviceCaption(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
}

void DeviceCaption::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QTransform toDevice = paintInDevicePixels(painter);
    const QRectF box = toDevice.mapRect(QRectF(contentsRect()));
    painter.setFont(scaledFont(font(), toDevice.m11()));
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(box, int(QStyle::visualAlignment(layoutDirection(), alignment())), text());
}

}  // namespace quven::kit
