// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "ui/table/TablePanel.h"

namespace quven {

// The data-table screen's notes right of the table: what its columns' units and abbreviations
// mean.
class Explanations : public TablePanel {
    Q_OBJECT
  public:
    // Lines one after the other from the area's top left, as wide as the area.
    Explanations(QWidget* window, const kit::Twips& twips, const QRect& area);
};

}  // namespace quven
