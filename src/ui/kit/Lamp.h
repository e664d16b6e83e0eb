// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QColor>
#include <QWidget>

namespace quven {

// A small round lamp: a filled circle with a thin dark rim. Its fill colour is a property of
// its own, so tests and bindings read what the operator sees without grabbing pixels.
class Lamp : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor fillColour READ fillColour WRITE setFillColour)
    Q_PROPERTY(bool lit READ isLit WRITE setLit)
    Q_PROPERTY(bool dimmed READ isDimmed WRITE setDimmed)
  public:
    explicit Lamp(QWidget* parent = nullptr);

    QColor fillColour() const { return fill_; }
    void setFillColour(const QColor& colour);
    // A lit lamp is told apart from an unlit one without its colour too: its rim is twice as
    // heavy, a dark ring around the colour.
    bool isLit() const { return lit_; }
    void setLit(bool lit);
    // A lamp whose state is not live: its rim pale, its fill the colour it shows. What a screen
    // reader hears of its state (WidgetLook's spoken state) says so.
    bool isDimmed() const { return dimmed_; }
    void setDimmed(bool dimmed);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor fill_ = Qt::white;
    bool lit_ = false;
    bool dimmed_ = false;
};

}  // namespace quven
