// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace quven {

class DataTable;

// The table file: one line of 97 comma-terminated fields (for each normal-mode row and then
// each function-mode row: position, three speeds, rate and switch or axis block; last the
// limit-stop code), then CR LF. Single-byte text: bytes and characters are one to one.
namespace tablefile {

constexpr int kFieldCount = 97;
// A longer line is not a table file (its field positions are 16-bit on the controller's side).
constexpr int kMaxLineLength = 32767;

QString encode(const DataTable& table);

// A text field that the file cannot keep as it is: a comma would split it in two when read
// back, a line end would end the line early, a NUL byte would make it no text file (a field
// read from the controller can hold either), and a character outside the single-byte range
// cannot be written. Names the first such field as "<section> <row>, <column>", for example
// "NORMAL MODE CH 3, HSPD"; empty when every field can be saved.
QString unsavableField(const DataTable& table);

// The name a save uses: kept when it ends in exactly ".TXT" or ".txt", otherwise ".txt" is
// appended (so "t.Txt" becomes "t.Txt.txt").
QString fileNameForSave(const QString& name);

// Writes the line and CR LF, replacing the file only once the whole of it was written (see
// replaceFile: never through a link to anything but a regular file). Returns an error text,
// or nothing on success.
std::optional<QString> save(const QString& path, const QString& line);

struct Loaded {
    QStringList fields;  // the 97 fields, when the file is a table file
    QString error;       // why it is not, or why it could not be read
};
// Reads the file's last line and splits it into its 97 fields. A UTF-8 byte-order mark at the
// very start of the file is skipped. Fields after the 97th are ignored; fewer, a line longer
// than kMaxLineLength, a binary file, or one that is not a regular file give an error.
Loaded load(const QString& path);

// Puts the 97 fields into the table: texts set, codes decoded on top of what the table holds
// (boxes only checked, buttons only selected).
void apply(const QStringList& fields, DataTable& table);

}  // namespace tablefile

}  // namespace quven
