#pragma once

#include <QWidget>
#include <array>

#include "table/DataTable.h"
#include "ui/kit/TableLook.h"

class QComboBox;
class QListWidget;
class QListWidgetItem;

namespace quven {

class TableScreen;

// The data-table screen, "QUVEN-01 DATA READ WRITE control": widgets only, bound to the table
// screen's logic. The table's controls show DataTable and hand every edit back to it; the
// status line, the file chooser and the buttons show and drive TableScreen. Shown modeless
// beside the control screen.
class SetupFrm : public QWidget {
    Q_OBJECT
  public:
    // The client area, in twips.
    static constexpr int kClientWidth = 14535;
    static constexpr int kClientHeight = 10260;

    explicit SetupFrm(TableScreen& screen, QWidget* parent = nullptr);

    // Twips to pixels at the resolution the window was laid out for.
    const tablelook::Twips& twips() const { return twips_; }

  Q_SIGNALS:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // The table (SetupFrmTable.cpp).
    void buildTopLine();
    void buildNormalSection();
    void buildFunctionSection();
    void buildCommonSection();
    void buildExplanations();
    void buildRowCells(int row, int top);
    void buildDriveGroup(int row, int top);
    QLabel* heading(const QString& name, const QString& text, int left, int top);
    QLabel* columnHeading(const QString& name, const QString& text, int left, int top);
    void section(const QString& name, int left, int top, int width, int height);
    QCheckBox* checkCell(int index, int left, int rowTop);
    void bindTable();
    void showText1(int index);
    void showText2(int index);
    void showCheck2(int index);
    void showOption2(int index);
    void option2Clicked(int index);

    // The marks on cells that were not read (SetupFrmMarks.cpp).
    QList<QWidget*> cellsOf(int item) const;
    void showUnread(int item, bool marked);
    void bindUnreadMarks();

    // The file area and the buttons (SetupFrmFiles.cpp).
    void buildFileArea();
    void buildButtons();
    void bindFileArea();
    void showDrives();
    void showLists();
    void showSelectedFile();
    void folderActivated(QListWidgetItem* item);

    TableScreen& screen_;
    DataTable& table_;
    tablelook::Twips twips_;

    QLabel* label17_ = nullptr;
    std::array<QLineEdit*, DataTable::kText1Count> text1_{};
    std::array<QLineEdit*, DataTable::kText2Count> text2_{};
    std::array<QCheckBox*, DataTable::kCheck2Count> check2_{};
    std::array<QRadioButton*, DataTable::kOption2Count> option2_{};
    std::array<QWidget*, DataTable::kFrame1Count> frame1_{};

    QLineEdit* txtFileName_ = nullptr;
    QComboBox* drive1_ = nullptr;
    QListWidget* dir1_ = nullptr;
    QListWidget* file1_ = nullptr;
};

}  // namespace quven
