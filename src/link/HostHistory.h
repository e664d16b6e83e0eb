// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <QStringList>

namespace quven {

// The hosts used last, kept in "MainfRM_L.Log" in the current working directory: one line of
// six comma-terminated fields, most recent first, then CR LF. The file is single-byte text.
namespace hosthistory {

inline const QString kFileName = QStringLiteral("MainfRM_L.Log");
constexpr int kFieldCount = 6;

struct Loaded {
    QStringList entries;    // the fields read, in file order, empty ones included
    bool complete = false;  // all six fields were read
};

// Reads the last line of the file and takes up to six fields from it. A missing, unreadable
// or empty file, one that is not a regular file (a FIFO, a device), or a line with fewer than
// six commas, stops reading where it fails: the fields read so far are kept and `complete` is
// false. Text after the sixth comma is ignored; so is a UTF-8 byte-order mark at the very
// start of the file.
Loaded load(const QString& path);

// Puts host on top of the list the way every successful connect does: the first of entries
// 0 to 5 equal to host (exact, case-sensitive) is taken out; a non-empty host goes in as entry
// 0; then, with six or more entries, entry 5 is removed (the sixth, not the last one: with
// seven entries the seventh stays).
void remember(QStringList& entries, const QString& host);

// Entries 0 to 5, each followed by a comma (a missing entry is empty).
QString line(const QStringList& entries);

// Creates or replaces the file with the line and CR LF; the old file stays whole unless the
// new one was written completely. False when it could not be written; then `reason`, when
// given, says why.
bool save(const QString& path, const QStringList& entries, QString* reason = nullptr);

}  // namespace hosthistory

}  // namespace quven
