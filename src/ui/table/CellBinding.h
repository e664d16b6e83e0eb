// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <array>

#include "table/DataTable.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace quven {

// Binds cells of the data-table screen to DataTable both ways: a cell shows its field, and the
// operator's edits go back to the table. A panel binds the cells it holds; the table's changes
// to cells of other panels pass it by.
class CellBinding : public QObject {
    Q_OBJECT
  public:
    CellBinding(DataTable& table, QObject* parent);

    void bindText1(int index, QLineEdit* box);
    void bindText2(int index, QLineEdit* box);
    void bindCheck2(int index, QCheckBox* box);
    // The buttons of a frame are exclusive through the table, not through Qt, because "none
    // selected" has to show too.
    void bindOption2(int index, QRadioButton* button);

  private:
    void showText1(int index);
    void showText2(int index);
    void showCheck2(int index);
    void showOption2(int index);
    void option2Clicked(int index);

    DataTable& table_;
    std::array<QLineEdit*, DataTable::kText1Count> text1_{};
    std::array<QLineEdit*, DataTable::kText2Count> text2_{};
    std::array<QCheckBox*, DataTable::kCheck2Count> check2_{};
    std::array<QRadioButton*, DataTable::kOption2Count> option2_{};
};

}  // namespace quven
