// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QList>
#include <array>

#include "table/DataTable.h"
#include "ui/table/TablePanel.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace quven {

class TableScreen;

// The data-table screen's table: the transfer's status line and the title above the
// normal-mode and function-mode sections with their rows of cells. The cells show DataTable and
// hand every edit back to it; the cells of the items the last read could not read are tinted.
class TableGrid : public TablePanel {
    Q_OBJECT
  public:
    TableGrid(QWidget* window, const kit::Twips& twips, const QRect& area, TableScreen& screen);

  private:
    void buildTopLine();
    void buildNormalSection();
    void buildFunctionSection();
    void buildRowCells(int row, int top);
    void buildDriveGroup(int row, int top);
    void checkCell(int index, const QString& spokenName, int left, int rowTop);
    QLabel* columnHeading(const QString& name, const QString& text, int left, int top,
                          const QString& spokenName);
    void bind(TableScreen& screen);
    QList<QWidget*> cellsOf(int item) const;

    QLabel* label17_ = nullptr;
    std::array<QLineEdit*, DataTable::kText1Count> text1_{};
    std::array<QLineEdit*, DataTable::kText2Count> text2_{};
    std::array<QCheckBox*, DataTable::kCheck2Count> check2_{};
    std::array<QRadioButton*, DataTable::kOption2Count> option2_{};  // the DRIVE buttons
    std::array<QWidget*, DataTable::kFrame1Count> frame1_{};         // their frames
};

}  // namespace quven
