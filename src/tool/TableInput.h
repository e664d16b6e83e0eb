// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QList>
#include <QString>

namespace quven {
class DataTable;
}

namespace quven::tool {

struct LoadedTable {
    QString error;      // "PATH is not a table file: ...", or empty once the table is loaded
    QList<int> unread;  // items a JSON table marks as not read; none in a table file
};

// Loads a table file, as the console's "Load from File" loads it, or a JSON table of
// `show --json` (a file whose first character other than a blank is "{"), into a cleared table.
// On an error the table is cleared again.
LoadedTable loadTable(const QString& path, DataTable& table);

}  // namespace quven::tool
