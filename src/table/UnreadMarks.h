// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QList>
#include <QObject>
#include <array>

#include "table/TableItems.h"

namespace quven {

class DataTable;

// Which items of the table the last Data Read could not read. A marked item's cells show it
// until they are edited, loaded or read again; a write asks before it sends one.
class UnreadMarks : public QObject {
    Q_OBJECT
  public:
    // Follows the table: a change of any field of a marked item takes its mark away.
    explicit UnreadMarks(DataTable& table, QObject* parent = nullptr);

    bool isMarked(int item) const { return item >= 0 && item < kCount && marked_[item]; }
    QList<int> marked() const;
    void mark(const QList<int>& items);
    void clear(int item);
    void clearAll();

  Q_SIGNALS:
    void changed(int item, bool marked);

  private:
    static constexpr int kCount = tableitems::kCount;
    void set(int item, bool marked);

    std::array<bool, kCount> marked_{};
};

}  // namespace quven
