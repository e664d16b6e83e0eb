// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QtGlobal>

// The control screen's lettering, in points: the sizes its panel is drawn with at 96 dpi. The
// panel sets them itself, so a desktop's larger or smaller font moves and cuts nothing; its
// text is in the desktop's plain sans-serif face (kit::plainFace), the title in the console's
// face (kit::face).
namespace quven::panelfonts {

constexpr qreal kCaption = 9;   // captions, buttons, boxes, the MODE display, the status line
constexpr qreal kLarge = 13.5;  // the jog keys and the set data, bold
constexpr qreal kCounter = 18;  // the COUNT display, bold
constexpr qreal kTitle = 19.8;  // "QUVEN-01", bold
constexpr qreal kSmall = 7.65;  // "LINK"

}  // namespace quven::panelfonts
