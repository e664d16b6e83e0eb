// SPDX-License-Identifier: Apache-2.0
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <algorithm>

#include "table/TableItems.h"
#include "tool/Commands.h"
#include "tool/GridText.h"
#include "tool/PlantRun.h"
#include "tool/Reporter.h"
#include "tool/TableComparison.h"
#include "tool/TableJson.h"
#include "tool/TableSource.h"
#include "tool/ToolOptions.h"

namespace quven::tool {

namespace {

constexpr int kDiffVersion = 1;

// Loads and reads the operands' tables; the exit status when one of them has none.
std::optional<int> prepare(TableSources& sources, const ToolOptions& options, Reporter& reporter) {
    for (const QString& operand : options.sources) {
        sources.push_back(std::make_unique<TableSource>(operand));
    }
    loadSources(sources, options.readPaceMs);
    bool failed = false;
    for (const auto& source : sources) {
        if (source->failed()) {
            reporter.message(source->error);
            failed = true;
        }
    }
    if (failed) {
        return exitStatusOf(Result::Failed);
    }
    return std::nullopt;
}

// A controller whose read stayed incomplete is named with what it could not read.
int incompleteStatus(const TableSources& sources, Reporter& reporter) {
    int status = 0;
    for (const auto& source : sources) {
        if (source->controller && !source->unread.isEmpty()) {
            reporter.message(QStringLiteral("%1: the read stayed incomplete, %2")
                                 .arg(source->name, unreadText(source->unread)));
            status = exitStatusOf(Result::Incomplete);
        }
    }
    return status;
}

QJsonArray itemNames(const QList<int>& items) {
    QJsonArray names;
    for (const int item : items) {
        names.append(tableitems::name(item));
    }
    return names;
}

QJsonObject diffJson(const TableSource& a, const TableSource& b, Comparison comparison,
                     const QList<Difference>& differences) {
    QJsonArray list;
    for (const Difference& difference : differences) {
        list.append(QJsonObject{{QStringLiteral("field"), difference.field},
                                {QStringLiteral("a"), difference.a},
                                {QStringLiteral("b"), difference.b}});
    }
    return QJsonObject{
        {QStringLiteral("format"), QStringLiteral("quven-table-diff")},
        {QStringLiteral("version"), kDiffVersion},
        {QStringLiteral("a"), a.name},
        {QStringLiteral("b"), b.name},
        {QStringLiteral("comparison"), comparison == Comparison::Strict
                                           ? QStringLiteral("strict")
                                           : QStringLiteral("round trip")},
        {QStringLiteral("differences"), list},
        {QStringLiteral("unread"), QJsonObject{{QStringLiteral("a"), itemNames(a.unread)},
                                               {QStringLiteral("b"), itemNames(b.unread)}}}};
}

QString diffText(const TableSource& a, const TableSource& b, const QList<Difference>& differences) {
    QString text;
    for (const Difference& difference : differences) {
        text += differenceLine(difference) + QLatin1Char('\n');
    }
    for (const TableSource* source : {&a, &b}) {
        for (const int item : source->unread) {
            text += tableitems::name(item) + QStringLiteral(": not read from ") + source->name +
                    QLatin1Char('\n');
        }
    }
    return text;
}

}  // namespace

int runDiff(const ToolOptions& options, Reporter& reporter) {
    TableSources sources;
    if (const std::optional<int> status = prepare(sources, options, reporter)) {
        return *status;
    }
    const TableSource& a = *sources.at(0);
    const TableSource& b = *sources.at(1);
    const Comparison comparison = options.strict ? Comparison::Strict : Comparison::RoundTrip;
    QSet<int> skipped(a.unread.begin(), a.unread.end());
    skipped.unite(QSet<int>(b.unread.begin(), b.unread.end()));
    const QList<Difference> differences = compareTables(a.table, b.table, comparison, skipped);
    if (options.json) {
        reporter.data(jsonText(diffJson(a, b, comparison, differences)));
    } else {
        reporter.text(diffText(a, b, differences));
    }
    const int incomplete = incompleteStatus(sources, reporter);
    reporter.message(differences.isEmpty()
                         ? QStringLiteral("%1 and %2 match").arg(a.name, b.name)
                         : QStringLiteral("%1 and %2 differ in %3 field%4")
                               .arg(a.name, b.name)
                               .arg(differences.size())
                               .arg(QLatin1String(differences.size() == 1 ? "" : "s")));
    return std::max(incomplete, differences.isEmpty() ? 0 : exitStatusOf(Result::Differs));
}

int runShow(const ToolOptions& options, Reporter& reporter) {
    TableSources sources;
    if (const std::optional<int> status = prepare(sources, options, reporter)) {
        return *status;
    }
    const TableSource& source = *sources.front();
    if (options.json) {
        reporter.data(jsonText(tableToJson(source.table, source.name, source.unread)));
    } else {
        reporter.text(gridText(source.table, source.name, source.unread));
    }
    return incompleteStatus(sources, reporter);
}

}  // namespace quven::tool
