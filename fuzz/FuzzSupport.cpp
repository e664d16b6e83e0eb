// SPDX-License-Identifier: Apache-2.0
#include "FuzzSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

// libFuzzer calls it once before the first input, when a target defines it.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    quven::fuzz::initQt();
    return 0;
}

namespace quven::fuzz {

void initQt() {
    static int argc = 1;
    static char name[] = "quven-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = new QCoreApplication(argc, argv);
    (void)app;
}

QString scratchPath(const QString& name) {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/quven-fuzz-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "no scratch folder: %s\n", qPrintable(dir.errorString()));
        std::abort();
    }
    return dir.filePath(name);
}

QByteArray lastLineByTheRules(QByteArray content) {
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

QByteArray withoutLeadingMark(const QByteArray& content) {
    return content.startsWith("\xEF\xBB\xBF") ? content.mid(3) : content;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
}

QByteArray bytesOf(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

QString inputFile(const QByteArray& input, const QString& name) {
    const QString path = scratchPath(name);
    writeFile(path, input);
    return path;
}

void fail(const char* file, int line, const char* condition, const QString& detail) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n  %s\n", file, line, condition,
                 qPrintable(detail));
    std::abort();
}

}  // namespace quven::fuzz
