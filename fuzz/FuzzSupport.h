#pragma once

// What the fuzz targets share: the Qt application object, a scratch folder for the loaders'
// files and the invariant check.

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace quven::fuzz {

// Qt wants one application object for the life of the process. Created in
// LLVMFuzzerInitialize and never destroyed, so no input runs before or after it.
inline void initQt() {
    static int argc = 1;
    static char name[] = "quven-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = new QCoreApplication(argc, argv);
    (void)app;
}

// A folder of this process's own for the files the loaders read and write; removed at exit.
inline QString scratchPath(const QString& name) {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/quven-fuzz-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "no scratch folder: %s\n", qPrintable(dir.errorString()));
        std::abort();
    }
    return dir.filePath(name);
}

// The last line of a file as its rules describe it, written apart from the loaders so that it
// can check them: one final line end (CR LF, LF or CR) is not followed by a line; the last line
// is what follows the line end before it.
inline QByteArray lastLineByTheRules(QByteArray content) {
    const auto isLineEnd = [](char c) { return c == '\n' || c == '\r'; };
    if (content.endsWith("\r\n")) {
        content.chop(2);
    } else if (!content.isEmpty() && isLineEnd(content.back())) {
        content.chop(1);
    }
    qsizetype start = content.size();
    while (start > 0 && !isLineEnd(content.at(start - 1))) {
        --start;
    }
    return content.mid(start);
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
}

inline QByteArray bytesOf(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A broken invariant is a finding: report it and abort, which libFuzzer records as a crash.
[[noreturn]] inline void fail(const char* file, int line, const char* condition,
                              const QString& detail) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n  %s\n", file, line, condition,
                 qPrintable(detail));
    std::abort();
}

}  // namespace quven::fuzz

#define FUZZ_CHECK(condition, detail)                                      \
    do {                                                                   \
        if (!(condition)) {                                                \
            ::quven::fuzz::fail(__FILE__, __LINE__, #condition, (detail)); \
        }                                                                  \
    } while (false)
