// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "table/DataTable.h"
#include "tool/ControllerAddress.h"

namespace quven::tool {

// A table that diff or show works on: from a file (a table file or a JSON table), or read from
// a controller. An operand is a file when a file of that name exists, when it holds a "/" or
// when it ends in ".txt" or ".json"; otherwise it is a controller, HOST[:PORT], when it reads as
// one, and a file after all when it does not.
struct TableSource {
    explicit TableSource(const QString& operand);

    QString name;  // the operand as given
    std::optional<ControllerAddress> controller;
    DataTable table;
    QList<int> unread;  // the items not read (a controller's read, or a JSON table's marks)
    QString error;      // why there is no table
    bool failed() const { return !error.isEmpty(); }
};

using TableSources = std::vector<std::unique_ptr<TableSource>>;

// Loads every file of the sources first, then reads every controller at once (a query each
// `readPaceMs`). True when every file was a table; the controllers' failures and incomplete
// reads are left in their sources.
bool loadSources(TableSources& sources, int readPaceMs);

}  // namespace quven::tool
