// SPDX-License-Identifier: Apache-2.0
// The table file loader: the input is the whole file. tablefile::load must agree with a plain
// reading of the file's rules (a UTF-8 byte-order mark at its very start skipped, its last line,
// 97 comma-terminated fields, no NUL byte, no line longer than kMaxLineLength), a successful load
// gives exactly 97 fields, and a loaded table can be saved: encode(apply(fields)) saved and loaded
// again gives back every text field, the switch blocks and limit stop as the table encodes them,
// and the same table once more.

#include <QStringList>
#include <optional>

#include "FuzzSupport.h"
#include "table/DataTable.h"
#include "table/TableCodes.h"
#include "table/TableFile.h"

using namespace quven;

namespace {

constexpr int kFieldsPerRow = 6;
constexpr int kRows = 16;

// The fields a table file of this content holds, or nothing when it is not one.
std::optional<QStringList> expectedFields(const QByteArray& content) {
    if (content.contains('\0')) {
        return std::nullopt;
    }
    const QByteArray line = fuzz::lastLineByTheRules(fuzz::withoutLeadingMark(content));
    if (line.size() > tablefile::kMaxLineLength || line.count(',') < tablefile::kFieldCount) {
        return std::nullopt;
    }
    QStringList fields = QString::fromLatin1(line).split(QLatin1Char(','));
    return fields.mid(0, tablefile::kFieldCount);
}

bool isTextField(int index) {
    return index < kRows * kFieldsPerRow && index % kFieldsPerRow != kFieldsPerRow - 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray content = fuzz::bytesOf(data, size);
    const QString path = fuzz::inputFile(content, QStringLiteral("table.txt"));

    const tablefile::Loaded loaded = tablefile::load(path);
    const std::optional<QStringList> expected = expectedFields(content);
    if (!loaded.error.isEmpty()) {
        FUZZ_CHECK(!expected, QStringLiteral("a table file was refused: ") + loaded.error);
        FUZZ_CHECK(loaded.fields.isEmpty(), QStringLiteral("a refused file left fields"));
        return 0;
    }
    FUZZ_CHECK(expected, QStringLiteral("a file that is not a table file was loaded"));
    FUZZ_CHECK(loaded.fields.size() == tablefile::kFieldCount,
               QStringLiteral("%1 fields loaded").arg(loaded.fields.size()));
    FUZZ_CHECK(loaded.fields == *expected,
               QStringLiteral("the fields differ from the last line's"));

    DataTable table;
    tablefile::apply(loaded.fields, table);
    FUZZ_CHECK(
        tablefile::unsavableField(table).isEmpty(),
        QStringLiteral("a loaded table cannot be saved: ") + tablefile::unsavableField(table));

    const QString line = tablefile::encode(table);
    if (line.startsWith(QString::fromLatin1("\xEF\xBB\xBF"))) {
        // A first field that begins with the byte-order mark's characters (a last line after
        // others can) is saved as the file's first bytes, which a load takes for the mark.
        return 0;
    }
    FUZZ_CHECK(line.count(QLatin1Char(',')) == tablefile::kFieldCount,
               QStringLiteral("the encoded line has %1 commas").arg(line.count(QLatin1Char(','))));
    const QString copy = fuzz::scratchPath(QStringLiteral("copy.txt"));
    const std::optional<QString> saveError = tablefile::save(copy, line);
    FUZZ_CHECK(!saveError, QStringLiteral("save failed: ") + saveError.value_or(QString()));

    const tablefile::Loaded again = tablefile::load(copy);
    if (line.size() > tablefile::kMaxLineLength) {
        // Long text fields and short codes in the file can add up to a saved line that is too
        // long to load; the loader must say so rather than take part of it.
        FUZZ_CHECK(!again.error.isEmpty() && again.fields.isEmpty(),
                   QStringLiteral("an overlong saved line was loaded"));
        return 0;
    }
    FUZZ_CHECK(again.error.isEmpty(),
               QStringLiteral("the saved table does not load: ") + again.error);
    FUZZ_CHECK(again.fields.size() == tablefile::kFieldCount,
               QStringLiteral("%1 fields loaded back").arg(again.fields.size()));
    for (int i = 0; i < tablefile::kFieldCount; ++i) {
        if (isTextField(i) && !loaded.fields.at(i).contains(QLatin1Char(','))) {
            FUZZ_CHECK(again.fields.at(i) == loaded.fields.at(i),
                       QStringLiteral("text field %1 came back as \"%2\" instead of \"%3\"")
                           .arg(i)
                           .arg(again.fields.at(i), loaded.fields.at(i)));
        }
    }
    for (int row = 0; row < kRows; ++row) {
        const int index = row * kFieldsPerRow + kFieldsPerRow - 1;
        FUZZ_CHECK(again.fields.at(index) == RowBlock(table, row),
                   QStringLiteral("the block of row %1 came back as %2")
                       .arg(row)
                       .arg(again.fields.at(index)));
    }
    FUZZ_CHECK(again.fields.last() == LimitStopCode(table),
               QStringLiteral("the limit stop came back as ") + again.fields.last());

    DataTable reloaded;
    tablefile::apply(again.fields, reloaded);
    FUZZ_CHECK(tablefile::encode(reloaded) == line,
               QStringLiteral("the saved table loads as another table"));
    return 0;
}
