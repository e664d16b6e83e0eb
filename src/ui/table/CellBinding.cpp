// SPDX-License-Identifier: Apache-2.0
#include "ui/table/CellBinding.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace quven {

namespace {
// The table changed: show it without the change coming back as an edit. A box the operator is
// typing into already holds the text, and is left alone so that its caret stays.
void showText(QLineEdit* box, const QString& text) {
    if (box != nullptr && box->text() != text) {
        const QSignalBlocker blocker(box);
        box->setText(text);
    }
}
}  // namespace

CellBinding::CellBinding(DataTable& table, QObject* parent) : QObject(parent), table_(table) {
    connect(&table_, &DataTable::text1Changed, this, &CellBinding::showText1);
    connect(&table_, &DataTable::text2Changed, this, &CellBinding::showText2);
    connect(&table_, &DataTable::check2Changed, this, &CellBinding::showCheck2);
    connect(&table_, &DataTable::option2Changed, this, &CellBinding::showOption2);
}

void CellBinding::bindText1(int index, QLineEdit* box) {
    text1_[index] = box;
    showText1(index);
    connect(box, &QLineEdit::textChanged, &table_,
            [&table = table_, index](const QString& text) { table.setText1(index, text); });
}

void CellBinding::bindText2(int index, QLineEdit* box) {
    text2_[index] = box;
    showText2(index);
    connect(box, &QLineEdit::textChanged, &table_,
            [&table = table_, index](const QString& text) { table.setText2(index, text); });
}

void CellBinding::bindCheck2(int index, QCheckBox* box) {
    check2_[index] = box;
    showCheck2(index);
    connect(box, &QCheckBox::toggled, &table_,
            [&table = table_, index](bool checked) { table.setCheck2(index, checked); });
}

void CellBinding::bindOption2(int index, QRadioButton* button) {
    option2_[index] = button;
    showOption2(index);
    connect(button, &QRadioButton::clicked, this, [this, index] { option2Clicked(index); });
}

void CellBinding::showText1(int index) {
    showText(text1_[index], table_.Text1(index));
}

void CellBinding::showText2(int index) {
    showText(text2_[index], table_.Text2(index));
}

void CellBinding::showCheck2(int index) {
    if (QCheckBox* box = check2_[index]) {
        const QSignalBlocker blocker(box);
        box->setChecked(table_.Check2(index));
    }
}

void CellBinding::showOption2(int index) {
    if (QRadioButton* button = option2_[index]) {
        const QSignalBlocker blocker(button);
        button->setChecked(table_.Option2(index));
    }
}

// A click selects the button; the table clears the others of its frame. The button has already
// toggled itself, which unselects a button that was selected: the table's state is put back.
void CellBinding::option2Clicked(int index) {
    table_.selectOption2(index);
    showOption2(index);
}

}  // namespace quven
