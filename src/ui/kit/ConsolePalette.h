// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QPalette>

class QWidget;

// The console's own light colours. Its screens are drawn in fixed light colours (the peach
// table, the grey panel, the coloured buttons); a desktop's dark theme would bring its dark
// faces and white text in between them. A window on the console palette looks the same under
// every desktop theme.
namespace quven::kit {

// Fusion's standard light palette: what the console shows on a desktop without a theme.
QPalette consolePalette();

// Puts a window, and everything in it that has no colours of its own, on the console palette.
void useConsolePalette(QWidget* window);

}  // namespace quven::kit
