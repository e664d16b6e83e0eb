// SPDX-License-Identifier: Apache-2.0
#include <QSet>

#include "table/DataTable.h"
#include "tool/Commands.h"
#include "tool/PlantRun.h"
#include "tool/Reporter.h"
#include "tool/TableComparison.h"
#include "tool/TableInput.h"
#include "tool/ToolOptions.h"

namespace quven::tool {

namespace {

QSet<int> itemSet(const QList<int>& a, const QList<int>& b) {
    QSet<int> items(a.begin(), a.end());
    for (const int item : b) {
        items.insert(item);
    }
    return items;
}

// How the table read back compares with the file's: every difference on standard output,
// named with the controller, the file's value first.
PlantRun::Outcome compareReadBack(const ControllerTask& task, const DataTable& expected,
                                  const QList<int>& expectedUnread, Comparison comparison,
                                  Reporter& reporter) {
    const QList<Difference> differences = compareTables(
        expected, task.tableRead(), comparison, itemSet(expectedUnread, task.unreadItems()));
    QString lines;
    for (const Difference& difference : differences) {
        lines += task.address().text() + QStringLiteral(": ") + differenceLine(difference) +
                 QLatin1Char('\n');
    }
    reporter.text(lines);
    const QString count = differences.isEmpty()
                              ? QString()
                              : QStringLiteral("%1 field%2 differ%3")
                                    .arg(differences.size())
                                    .arg(QLatin1String(differences.size() == 1 ? "" : "s"))
                                    .arg(QLatin1String(differences.size() == 1 ? "s" : ""));
    if (!task.unreadItems().isEmpty()) {
        return {Result::Incomplete, (count.isEmpty() ? QString() : count + QStringLiteral("; ")) +
                                        unreadText(task.unreadItems())};
    }
    return {differences.isEmpty() ? Result::Verified : Result::Differs, count};
}

}  // namespace

int runWrite(const ToolOptions& options, Reporter& reporter) {
    DataTable table;
    const LoadedTable loaded = loadTable(options.tableFile, table);
    if (!loaded.error.isEmpty()) {
        reporter.message(loaded.error + QStringLiteral("; nothing was sent"));
        return exitStatusOf(Result::Failed);
    }
    const bool write = options.command == Command::Write;
    if (write && !loaded.unread.isEmpty()) {
        reporter.message(QStringLiteral("%1 holds a table that was not read whole (%2); nothing "
                                        "was sent")
                             .arg(options.tableFile, unreadText(loaded.unread)));
        return exitStatusOf(Result::Failed);
    }
    ControllerTask::Plan plan;
    plan.tableToWrite = write ? &table : nullptr;
    plan.read = !write || options.verify;
    plan.readPaceMs = options.readPaceMs;
    plan.writePaceMs = options.writePaceMs;
    const Comparison comparison = options.strict ? Comparison::Strict : Comparison::RoundTrip;
    PlantRun run(reporter, options.controllers, options.jobs);
    return run.run(plan, [&](const ControllerTask& task, const PlantRun::Report& report) {
        if (task.failed()) {
            report({Result::Failed, task.failure()});
        } else if (!plan.read) {
            report({Result::Written, QString()});
        } else {
            report(compareReadBack(task, table, loaded.unread, comparison, reporter));
        }
    });
}

}  // namespace quven::tool
