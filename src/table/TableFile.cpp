// SPDX-License-Identifier: Apache-2.0
#include "table/TableFile.h"

#include <algorithm>

#include "core/NextField.h"
#include "core/TextFile.h"
#include "table/DataTable.h"
#include "table/TableCodes.h"
#include "table/TableItems.h"

namespace quven::tablefile {

namespace ti = tableindex;

namespace {

// A table file is one short line; a file far larger than the longest line is not one.
constexpr qint64 kMaxFileSize = 1024 * 1024;
constexpr int kFieldsPerRow = 6;
const QLatin1Char kComma(',');

const char* const kColumns[] = {"POS", "HSPD", "MSPD", "LSPD", "RATE"};

// The five text fields of a row, in file order: POS, then HSPD, MSPD, LSPD, RATE.
QString rowText(const DataTable& table, int row, int column) {
    return column == 0 ? table.Text2(ti::position(row)) : table.Text1(ti::speed(row, column - 1));
}

void setRowText(DataTable& table, int row, int column, const QString& text) {
    if (column == 0) {
        table.setText2(ti::position(row), text);
    } else {
        table.setText1(ti::speed(row, column - 1), text);
    }
}

bool fileCanKeep(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return c != QLatin1Char(',') && c != QLatin1Char('\r') && c != QLatin1Char('\n') &&
               c != QChar(u'\0') && c.unicode() <= 0xFF;
    });
}

}  // namespace

QString encode(const DataTable& table) {
    QString line;
    for (int row = 0; row < ti::kRowCount; ++row) {
        for (int column = 0; column < kFieldsPerRow - 1; ++column) {
            line += rowText(table, row, column) + kComma;
        }
        line += RowBlock(table, row) + kComma;
    }
    return line + LimitStopCode(table) + kComma;
}

QString unsavableField(const DataTable& table) {
    for (int row = 0; row < ti::kRowCount; ++row) {
        for (int column = 0; column < kFieldsPerRow - 1; ++column) {
            if (!fileCanKeep(rowText(table, row, column))) {
                return tableitems::rowName(row) + QStringLiteral(", ") +
                       QLatin1String(kColumns[column]);
            }
        }
    }
    return QString();
}

QString fileNameForSave(const QString& name) {
    if (name.endsWith(QLatin1String(".TXT")) || name.endsWith(QLatin1String(".txt"))) {
        return name;
    }
    return name + QStringLiteral(".txt");
}

std::optional<QString> save(const QString& path, const QString& line) {
    return replaceFile(path, (line + QStringLiteral("\r\n")).toLatin1());
}

Loaded load(const QString& path) {
    Loaded loaded;
    const FileContent file = readRegularFile(path, kMaxFileSize);
    if (file.tooLarge) {
        loaded.error = QStringLiteral("it is far larger than a table file");
        return loaded;
    }
    if (!file.error.isEmpty()) {
        loaded.error = file.error;
        return loaded;
    }
    const QByteArray content = withoutByteOrderMark(file.bytes);
    if (content.contains('\0')) {
        loaded.error = QStringLiteral("it is not a text file");
        return loaded;
    }
    const QString line = lastLineOf(content);
    if (line.size() > kMaxLineLength) {
        loaded.error = QStringLiteral("its line is longer than a table file's");
        return loaded;
    }
    int cursor = 1;  // TableFileCursor
    while (loaded.fields.size() < kFieldCount) {
        const std::optional<QString> field = NextField(line, cursor);
        if (!field) {
            loaded.error = QStringLiteral("its last line holds %1 of the %2 fields of a table")
                               .arg(loaded.fields.size())
                               .arg(kFieldCount);
            loaded.fields.clear();
            return loaded;
        }
        loaded.fields.append(*field);
    }
    return loaded;
}

void apply(const QStringList& fields, DataTable& table) {
    if (fields.size() < kFieldCount) {
        return;
    }
    for (int row = 0; row < ti::kRowCount; ++row) {
        const int first = row * kFieldsPerRow;
        for (int column = 0; column < kFieldsPerRow - 1; ++column) {
            setRowText(table, row, column, fields.at(first + column));
        }
        decodeRowBlock(table, row, fields.at(first + kFieldsPerRow - 1), CodeSource::TableFile);
    }
    const QString limitStop = fields.at(kFieldCount - 1);
    decodeLimitStop(table, limitStop.size() > 2 ? limitStop.at(2) : QChar(),
                    limitStop.size() > 3 ? limitStop.at(3) : QChar());
}

}  // namespace quven::tablefile
