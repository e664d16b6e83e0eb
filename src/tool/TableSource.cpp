// SPDX-License-Identifier: Apache-2.0
#include "tool/TableSource.h"

#include <QFileInfo>

#include "tool/ControllerTask.h"
#include "tool/TableFields.h"
#include "tool/TableInput.h"
#include "tool/TaskPool.h"

namespace quven::tool {

namespace {

bool namesAFile(const QString& operand) {
    return QFileInfo::exists(operand) || operand.contains(QLatin1Char('/')) ||
           operand.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) ||
           operand.endsWith(QLatin1String(".json"), Qt::CaseInsensitive);
}

}  // namespace

TableSource::TableSource(const QString& operand) : name(operand) {
    if (!namesAFile(operand)) {
        controller = parseAddress(operand).address;
    }
}

bool loadSources(TableSources& sources, int readPaceMs) {
    bool filesLoaded = true;
    std::vector<TableSource*> controllers;
    for (const auto& source : sources) {
        if (source->controller) {
            controllers.push_back(source.get());
            continue;
        }
        const LoadedTable loaded = loadTable(source->name, source->table);
        source->error = loaded.error;
        source->unread = loaded.unread;
        filesLoaded = filesLoaded && loaded.error.isEmpty();
    }
    if (!filesLoaded || controllers.empty()) {
        return filesLoaded;
    }
    ControllerTask::Plan plan;
    plan.read = true;
    plan.readPaceMs = readPaceMs;
    TaskPool pool(int(controllers.size()));
    pool.run(
        int(controllers.size()),
        [&](int index) {
            return std::make_unique<ControllerTask>(*controllers.at(index)->controller, plan);
        },
        [&](const ControllerTask& task, int index) {
            TableSource& source = *controllers.at(index);
            if (task.failed()) {
                source.error = task.address().text() + QStringLiteral(": ") + task.failure();
                if (!source.name.contains(QLatin1Char(':'))) {
                    source.error += QStringLiteral(" (and there is no file of that name)");
                }
                return;
            }
            copyTable(task.tableRead(), source.table);
            source.unread = task.unreadItems();
        });
    return true;
}

}  // namespace quven::tool
