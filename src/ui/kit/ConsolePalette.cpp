// SPDX-License-Identifier: Apache-2.0
#include "ui/kit/ConsolePalette.h"

#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <memory>

namespace quven::kit {

QPalette consolePalette() {
    static const QPalette palette = [] {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        QPalette light = fusion ? fusion->standardPalette() : QPalette(QColor(0xEF, 0xEF, 0xEF));
        // Every role counts as set, so that none of them comes from the desktop's palette.
        light.setResolveMask(~QPalette::ResolveMask(0));
        return light;
    }();
    return palette;
}

void useConsolePalette(QWidget* window) {
    window->setPalette(consolePalette());
}

}  // namespace quven::kit
