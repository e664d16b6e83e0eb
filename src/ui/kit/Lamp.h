#pragma once

#include <QColor>
#include <QWidget>

namespace quven {

// A small round lamp: a filled circle with a thin dark rim. Its fill colour is a property of
// its own, so tests and bindings read what the operator sees without grabbing pixels.
class Lamp : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor fillColour READ fillColour WRITE setFillColour)
  public:
    explicit Lamp(QWidget* parent = nullptr);

    QColor fillColour() const { return fill_; }
    void setFillColour(const QColor& colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor fill_ = Qt::white;
};

}  // namespace quven
