// SPDX-License-Identifier: Apache-2.0
#include "ui/kit/Contrast.h"

#include <QtMath>
#include <utility>

namespace quven::kit {

namespace {
// An sRGB channel, 0 to 1, made linear.
double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : qPow((channel + 0.055) / 1.055, 2.4);
}
}  // namespace

double relativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor& first, const QColor& second) {
    double lighter = relativeLuminance(first);
    double darker = relativeLuminance(second);
    if (lighter < darker) {
        std::swap(lighter, darker);
    }
    return (lighter + 0.05) / (darker + 0.05);
}

}  // namespace quven::kit
