// SPDX-License-Identifier: Apache-2.0
#include "link/HostHistory.h"

#include <algorithm>

#include "core/NextField.h"
#include "core/TextFile.h"

namespace quven::hosthistory {

namespace {

// The history file is one short line; a file far larger is not ours and is not read.
constexpr qint64 kMaxFileSize = 1024 * 1024;

bool isLatin1(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

}  // namespace

Loaded load(const QString& path) {
    Loaded loaded;
    // A file that cannot be read as a regular one (a FIFO, a device) is no history at all.
    const FileContent file = readRegularFile(path, kMaxFileSize);
    if (!file.error.isEmpty()) {
        return loaded;
    }
    const QString text = lastLineOf(withoutByteOrderMark(file.bytes));
    int position = 1;
    while (loaded.entries.size() < kFieldCount) {
        const std::optional<QString> field = NextField(text, position);
        if (!field) {
            return loaded;
        }
        loaded.entries.append(*field);
    }
    loaded.complete = true;
    return loaded;
}

void remember(QStringList& entries, const QString& host) {
    for (int k = 0; k < kFieldCount && k < entries.size(); ++k) {
        if (entries.at(k) == host) {
            entries.removeAt(k);
            break;
        }
    }
    if (!host.isEmpty()) {
        entries.prepend(host);
    }
    if (entries.size() >= kFieldCount) {
        entries.removeAt(kFieldCount - 1);
    }
}

QString line(const QStringList& entries) {
    QString text;
    for (int k = 0; k < kFieldCount; ++k) {
        text += entries.value(k) + QLatin1Char(',');
    }
    return text;
}

bool save(const QString& path, const QStringList& entries, QString* reason) {
    const auto fail = [reason](const QString& why) {
        if (reason != nullptr) {
            *reason = why;
        }
        return false;
    };
    const QString text = line(entries);
    // The file is single-byte: a host that has no single-byte form is refused rather than
    // written mangled.
    if (!isLatin1(text)) {
        return fail(QStringLiteral("a host name holds characters the file cannot keep"));
    }
    if (const std::optional<QString> error =
            replaceFile(path, (text + QStringLiteral("\r\n")).toLatin1())) {
        return fail(*error);
    }
    return true;
}

}  // namespace quven::hosthistory
