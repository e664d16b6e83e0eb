// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace quven {

// The console's files are read line by line and only their last line counts (each line read
// replaces the one before). Lines end in CR LF, LF or CR, so files written on any system read
// the same. Bytes become characters one to one (Latin-1). A file that ends in a line end has
// no empty line after it; one that ends in two has, and that empty line is the last one.
QString lastLineOf(const QByteArray& content);

// The content without the UTF-8 byte-order mark (EF BB BF) some editors put at the very start
// of a file; a mark anywhere else is content like any other bytes.
QByteArray withoutByteOrderMark(const QByteArray& content);

// What reading a file gave: its bytes, or why there are none.
struct FileContent {
    QByteArray bytes;
    QString error;          // empty when the file was read
    bool tooLarge = false;  // it holds more than the bytes allowed (error says so too)
};

// Reads a regular file, or the regular file a link points to, of at most maxSize bytes.
// Nothing else is read: a FIFO, a device or a folder is refused with "it is not a regular
// file", without waiting for a writer, and the check is made on the file opened, not on the
// name beforehand. At most maxSize + 1 bytes are ever read, whatever the file claims.
FileContent readRegularFile(const QString& path, qint64 maxSize);

// Creates or replaces the file with exactly these bytes. The old file is replaced only once
// every byte of the new one was written; otherwise it stays as it was and the error text says
// why. Through a link the regular file it points to is replaced; a FIFO, a device or a folder,
// named or linked to, is refused with "it is not a regular file". Nothing on success.
std::optional<QString> replaceFile(const QString& path, const QByteArray& bytes);

}  // namespace quven
