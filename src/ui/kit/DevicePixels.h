// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QPainter>
#include <QTransform>

namespace quven::kit {

// Makes the painter paint in device pixels: the world transform (the desktop's scale among it)
// undone, where the device puts the widget kept. Returns the transform from the widget's
// coordinates to the device's, to map what is to be drawn.
inline QTransform paintInDevicePixels(QPainter& painter) {
    const QTransform toDevice = painter.deviceTransform();
    painter.setWorldTransform(toDevice.inverted() * painter.worldTransform());
    return toDevice;
}

}  // namespace quven::kit
