// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QList>
#include <array>

#include "ui/table/TablePanel.h"

class QGroupBox;
class QRadioButton;

namespace quven {

class TableScreen;

// The data-table screen's common settings below the table: the two LIMIT STOP choices, bound
// to DataTable like the table's cells, and tinted while the last read left them unread.
class CommonSettings : public TablePanel {
    Q_OBJECT
  public:
    CommonSettings(QWidget* window, const kit::Twips& twips, const QRect& area,
                   TableScreen& screen);

  private:
    struct LimitStop;
    void buildLimitStop(const LimitStop& group);
    void bind(TableScreen& screen);
    QList<QWidget*> cellsOf(int item) const;

    std::array<QGroupBox*, 2> frames_{};      // Frame1_16, Frame1_17
    std::array<QRadioButton*, 4> options_{};  // Option2_48 to Option2_51
};

}  // namespace quven
