#pragma once

#include <QColor>
#include <QWidget>

namespace quven {

// A small round lamp: a filled circle with a thin dark rim. Its fill colour is a property of
// its own, so tests and bindings read what the operator sees without grabbing pixels.
class Lamp : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor fillColour READ fillColour WRITE setFillColour)
    Q_PROPERTY(bool dimmed READ isDimmed WRITE setDimmed)
  public:
    explicit Lamp(QWidget* parent = nullptr);

    QColor fillColour() const { return fill_; }
    void setFillColour(const QColor& colour);
    // A lamp whose state is not live: its rim pale, its fill the colour it shows.
    bool isDimmed() const { return dimmed_; }
    void setDimmed(bool dimmed);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor fill_ = Qt::white;
    bool dimmed_ = false;
};

}  // namespace quven
