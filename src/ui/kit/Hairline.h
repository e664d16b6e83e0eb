// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QColor>
#include <QFrame>
#include <QRect>

class QPainter;

// Lines one pixel wide in the layout that stay visible at every scale. At a fractional scale
// (1.25, 1.5) a line of one layout pixel falls between device pixels, and a widget's edge is
// rounded to them: a frame drawn on the edge may vanish altogether. These lines are drawn on
// whole device pixels inside the box instead, at least one of them thick, as many as the scale
// has whole pixels (two at scale 2), so that they look at every scale as they do at 1.
namespace quven::kit {

// The outline of `box` (in the painter's coordinates).
void drawHairlineFrame(QPainter& painter, const QRect& box, const QColor& colour);

// A straight line one layout pixel thick along `box` (a box that thin): across or down. At a
// fractional scale so thin a box may hold no device pixel wholly; the line runs through its
// middle instead, on the device pixels the middle falls in.
void drawHairlineRule(QPainter& painter, const QRect& box, Qt::Orientation orientation,
                      const QColor& colour);

// A plain box frame whose line is a hairline; it draws nothing inside.
class HairlineBox : public QFrame {
    Q_OBJECT
  public:
    explicit HairlineBox(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A plain line across or down, one layout pixel thick, whose line is a hairline in the
// window-text colour.
class HairlineRule : public QFrame {
    Q_OBJECT
  public:
    explicit HairlineRule(Qt::Orientation orientation, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Qt::Orientation orientation_;
};

}  // namespace quven::kit
