// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QList>
#include <QObject>
#include <functional>

class QWidget;

namespace quven {

class UnreadMarks;

// Tints the cells of the items the last Data Read could not read, with a tooltip saying so,
// until UnreadMarks takes the marks away (an edit, a load or a read). A panel tints the cells it
// holds: it says which of them show an item, and none for the items of other panels.
class UnreadTint : public QObject {
    Q_OBJECT
  public:
    using CellsOf = std::function<QList<QWidget*>(int item)>;

    UnreadTint(UnreadMarks& marks, CellsOf cellsOf, QObject* parent);

  private:
    void show(int item, bool marked);

    CellsOf cellsOf_;
};

}  // namespace quven
