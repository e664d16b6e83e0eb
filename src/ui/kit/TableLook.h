#pragma once

#include <QCheckBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QString>
#include <QtMath>

#include "ui/kit/WidgetLook.h"

// Helpers for the data-table screen's widgets. The screen is laid out by fixed positions in
// twips (1/1440 inch), the unit its layout was drawn in: nothing moves or stretches, and the
// pixels follow the screen's logical resolution.
namespace quven::tablelook {

// Twips to pixels at one logical resolution.
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

// The screen's type face at a point size: the Japanese P-gothic face the controller's tools
// use where it is installed, any sans-serif otherwise.
QFont face(qreal pointSize, bool bold = false);

template <typename W>
W* place(W* widget, const QString& name, const QRect& geometry) {
    setControlName(widget, name);
    widget->setGeometry(geometry);
    return widget;
}

// A plain-text caption in the screen's background colour, sized to its text.
QLabel* caption(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                QPoint at);

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
// the narrow speed boxes room for five digits of the table's face.
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

}  // namespace quven::tablelook
