// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "ui/table/TablePanel.h"

namespace quven {

class TableScreen;

// The data-table screen's button row: Data Read, Data Write, R/W Stop, Data Clear and To Control
// Screen, each handed to TableScreen.
class ButtonRow : public TablePanel {
    Q_OBJECT
  public:
    ButtonRow(QWidget* window, const kit::Twips& twips, const QRect& area, TableScreen& screen);
};

}  // namespace quven
