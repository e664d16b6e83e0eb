// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QColor>

// How readable a text colour is on a background, by the WCAG 2 measure.
namespace quven::kit {

// The contrast a text needs on its background to be readable by people with moderately low
// vision (WCAG 2, level AA, normal-sized text).
constexpr double kReadableContrast = 4.5;

// The relative luminance of a colour in sRGB: 0 for black, 1 for white.
double relativeLuminance(const QColor& colour);

// The contrast ratio of two colours, in either order: 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& first, const QColor& second);

}  // namespace quven::kit
