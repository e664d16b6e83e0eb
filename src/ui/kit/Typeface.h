// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QFont>

// The console's lettering.
namespace quven::kit {

// A font put in the console's face: the Japanese P-gothic face the controller and its tools
// print in where it is installed, any sans-serif otherwise. The data-table screen writes all its
// text in it, the control screen its title.
QFont inConsoleFace(QFont font);

// The console's face at a point size.
QFont face(qreal pointSize, bool bold = false);

// The desktop's plain sans-serif face at a point size, whatever size the desktop sets: the
// control screen's lettering, but for its title.
QFont plainFace(qreal pointSize, bool bold = false);

// A font made narrower at the same point size, for a number that has to fit a narrow box: the
// face's condensed width where it has one, its letters drawn narrower where not.
QFont condensed(QFont font);

}  // namespace quven::kit
