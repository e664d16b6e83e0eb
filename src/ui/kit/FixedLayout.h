// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QRect>
#include <QString>
#include <QtMath>

#include "ui/kit/WidgetLook.h"

// The console's windows are laid out by fixed positions, as the controller's front panel and the
// tables of its tools are: nothing moves or stretches. The control screen is drawn in pixels, the
// data-table screen in twips.
namespace quven::kit {

// Names a control and puts it at its place, in its parent's coordinates: its documented name,
// and the words a screen reader says for it (without them, the name).
template <typename W>
W* place(W* widget, const QString& name, const QString& spokenName, const QRect& geometry) {
    setControlName(widget, name, spokenName);
    widget->setGeometry(geometry);
    return widget;
}

template <typename W>
W* place(W* widget, const QString& name, const QRect& geometry) {
    return place(widget, name, QString(), geometry);
}

// Twips (1/1440 inch) to pixels at one logical resolution.
class Twips {
  public:
    static constexpr int kPerInch = 1440;
    static constexpr int kFallbackDpi = 96;

    explicit Twips(int dpi = kFallbackDpi) : dpi_(dpi > 0 ? dpi : kFallbackDpi) {}

    int dpi() const { return dpi_; }
    int operator()(int twips) const { return qRound(double(twips) * dpi_ / kPerInch); }
    // Both edges rounded on their own, so boxes that touch in twips touch in pixels.
    QRect rect(int left, int top, int width, int height) const {
        const int x = (*this)(left);
        const int y = (*this)(top);
        return QRect(x, y, (*this)(left + width) - x, (*this)(top + height) - y);
    }

  private:
    int dpi_;
};

}  // namespace quven::kit
