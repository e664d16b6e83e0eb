// SPDX-License-Identifier: Apache-2.0
#include "tool/TableInput.h"

#include "core/TextFile.h"
#include "table/DataTable.h"
#include "table/TableFile.h"
#include "tool/TableJson.h"

namespace quven::tool {

namespace {

// A JSON table of the whole plant's worth of whitespace is still far below this.
constexpr qint64 kMaxJsonSize = 4 * 1024 * 1024;

bool looksLikeJson(const QByteArray& bytes) {
    for (const char c : bytes) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            return c == '{';
        }
    }
    return false;
}

LoadedTable failure(const QString& path, const QString& reason, DataTable& table) {
    table.clear();
    return {path + QStringLiteral(" is not a table file: ") + reason, {}};
}

}  // namespace

LoadedTable loadTable(const QString& path, DataTable& table) {
    const FileContent file = readRegularFile(path, kMaxJsonSize);
    if (!file.error.isEmpty() && !file.tooLarge) {
        return {QStringLiteral("cannot read %1: %2").arg(path, file.error), {}};
    }
    if (!file.tooLarge && looksLikeJson(withoutByteOrderMark(file.bytes))) {
        const JsonTable json = tableFromJson(withoutByteOrderMark(file.bytes), table);
        if (!json.error.isEmpty()) {
            return failure(path, json.error, table);
        }
        return {QString(), json.unread};
    }
    const tablefile::Loaded loaded = tablefile::load(path);
    if (!loaded.error.isEmpty()) {
        return failure(path, loaded.error, table);
    }
    tablefile::apply(loaded.fields, table);
    return {};
}

}  // namespace quven::tool
