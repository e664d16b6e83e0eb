// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>

namespace quven {

// The data-table screen's own controls.

// The table's check boxes and DRIVE buttons show no caption and stand closer together than a
// style's indicator with its spacing allows: they draw just the indicator, centred and no larger
// than the control, and take a click anywhere on the control.
class CellCheckBox : public QCheckBox {
  public:
    using QCheckBox::QCheckBox;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};

class CellOptionButton : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};

// The table's text boxes: a thin one-pixel border instead of the style's frame, which leaves
// the narrow speed boxes room for five digits of the table's face. The border is a hairline:
// it stays visible at every scale.
class CellEdit : public QLineEdit {
  public:
    explicit CellEdit(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A command button that wraps its caption onto a second line when it does not fit on one, as
// the narrow buttons of the button row need.
class WrappingButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// Where a cell draws its indicator: a centred square no larger than the control or the style's
// own indicator.
QRect indicatorRect(const QRect& control, int styleSize);

}  // namespace quven
