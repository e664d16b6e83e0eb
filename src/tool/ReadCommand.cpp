// SPDX-License-Identifier: Apache-2.0
#include <QDir>
#include <QFileInfo>

#include "table/TableFile.h"
#include "tool/Commands.h"
#include "tool/PlantRun.h"
#include "tool/Reporter.h"
#include "tool/TableSaver.h"
#include "tool/ToolOptions.h"

namespace quven::tool {

namespace {

// Where the tables a read gives go.
struct Destination {
    enum class Kind { Output, File, Folder } kind;
    QString path;

    QString pathFor(const ControllerAddress& address) const {
        return kind == Kind::Folder ? QDir(path).filePath(address.fileName()) : path;
    }
};

// One controller: -o FILE, or standard output without -o. Several, or a PATH that is a folder
// or ends in "/": one file each in the folder, made when it is not there.
std::optional<Destination> destinationOf(const ToolOptions& options, Reporter& reporter) {
    const QString& path = options.output;
    const bool several = options.controllers.size() > 1;
    if (path.isEmpty()) {
        if (several) {
            reporter.message(
                QStringLiteral("reading several controllers needs -o DIR, the folder "
                               "that takes a HOST_PORT.txt file for each"));
            return std::nullopt;
        }
        return Destination{Destination::Kind::Output, QString()};
    }
    if (!several && !path.endsWith(QLatin1Char('/')) && !QFileInfo(path).isDir()) {
        return Destination{Destination::Kind::File, path};
    }
    if (!QDir().mkpath(path)) {
        reporter.message(QStringLiteral("cannot make the folder %1").arg(path));
        return std::nullopt;
    }
    return Destination{Destination::Kind::Folder, path};
}

void saveTable(const ControllerTask& task, const Destination& destination, TableSaver& saver,
               Reporter& reporter, const PlantRun::Report& report) {
    const QString unsavable = tablefile::unsavableField(task.tableRead());
    if (!unsavable.isEmpty()) {
        report({Result::Failed, QStringLiteral("not saved: %1 holds a comma or a character that "
                                               "a table file cannot keep")
                                    .arg(unsavable)});
        return;
    }
    const QString line = tablefile::encode(task.tableRead());
    if (destination.kind == Destination::Kind::Output) {
        if (reporter.data((line + QStringLiteral("\r\n")).toLatin1())) {
            report({Result::Read, QString()});
        } else {
            report({Result::Failed, QStringLiteral("cannot write standard output")});
        }
        return;
    }
    const QString path = destination.pathFor(task.address());
    saver.save(path, line, [path, report](const std::optional<QString>& error) {
        if (error) {
            report({Result::Failed, QStringLiteral("cannot write %1: %2").arg(path, *error)});
        } else {
            report({Result::Saved, path});
        }
    });
}

}  // namespace

int runRead(const ToolOptions& options, Reporter& reporter) {
    const std::optional<Destination> destination = destinationOf(options, reporter);
    if (!destination) {
        return exitStatusOf(Result::Failed);
    }
    reporter.setSummaryToOutput(destination->kind != Destination::Kind::Output);
    ControllerTask::Plan plan;
    plan.read = true;
    plan.readPaceMs = options.readPaceMs;
    TableSaver saver;
    PlantRun run(reporter, options.controllers, options.jobs);
    return run.run(plan, [&](const ControllerTask& task, const PlantRun::Report& report) {
        if (task.failed()) {
            report({Result::Failed, task.failure()});
        } else if (!task.unreadItems().isEmpty()) {
            report({Result::Incomplete,
                    unreadText(task.unreadItems()) + QStringLiteral("; nothing saved")});
        } else {
            saveTable(task, *destination, saver, reporter, report);
        }
    });
}

}  // namespace quven::tool
