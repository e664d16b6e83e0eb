// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QLabel>

// A caption drawn at the screen's own pixel size. A face without a bold weight of its own, as
// the console's P-gothic face, is made bold by the font engine, by an amount that follows the
// font's size in pixels; a painter that scales the text up afterwards (at a desktop scale of
// 1.25, 1.5, 2) leaves that amount behind, and the caption grows thinner the larger the
// scale. Drawn in device pixels, its font sized for them, the caption is as bold at every
// scale as at 1, where it is drawn exactly as a label draws it.
namespace quven::kit {

// One line of plain text in the label's font, alignment and text colour; no frame, no margin.
class DeviceCaption : public QLabel {
    Q_OBJECT
  public:
    explicit DeviceCaption(const QString& text, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quven::kit
