#pragma once

#include <QWidget>

namespace quven {

class TableScreen;

// The data-table screen, "QUVEN-01 DATA READ WRITE control": widgets only, bound to the table
// screen's logic. Shown modeless beside the control screen.
class SetupFrm : public QWidget {
    Q_OBJECT
  public:
    explicit SetupFrm(TableScreen& screen, QWidget* parent = nullptr);

  Q_SIGNALS:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    TableScreen& screen_;
};

}  // namespace quven
