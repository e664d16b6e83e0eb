// SPDX-License-Identifier: Apache-2.0
#pragma once

// What the fuzz targets share: the Qt application object (FuzzSupport.cpp defines every
// target's LLVMFuzzerInitialize, which makes it), a scratch folder for the loaders' files, the
// file rules the loaders are checked against, and the invariant check.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace quven::fuzz {

// Qt wants one application object for the life of the process. Made in LLVMFuzzerInitialize
// and never destroyed, so no input runs before or after it.
void initQt();

// A folder of this process's own for the files the loaders read and write; removed at exit.
QString scratchPath(const QString& name);

// The last line of a file as its rules describe it, written apart from the loaders so that it
// can check them: one final line end (CR LF, LF or CR) is not followed by a line; the last line
// is what follows the line end before it.
QByteArray lastLineByTheRules(QByteArray content);

// The content as the rules read it: a UTF-8 byte-order mark at its very start is not content.
QByteArray withoutLeadingMark(const QByteArray& content);

void writeFile(const QString& path, const QByteArray& bytes);

QByteArray bytesOf(const uint8_t* data, size_t size);

// The input written to the scratch file of that name; its path.
QString inputFile(const QByteArray& input, const QString& name);

// A broken invariant is a finding: report it and abort, which libFuzzer records as a crash.
[[noreturn]] void fail(const char* file, int line, const char* condition, const QString& detail);

}  // namespace quven::fuzz

#define FUZZ_CHECK(condition, detail)                                      \
    do {                                                                   \
        if (!(condition)) {                                                \
            ::quven::fuzz::fail(__FILE__, __LINE__, #condition, (detail)); \
        }                                                                  \
    } while (false)
