// SPDX-License-Identifier: Apache-2.0
#include "core/TextFile.h"

#include <QFile>
#include <QSaveFile>
#include <QScopeGuard>
#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quven {

namespace {
bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

// The length of the line end that finishes at index end - 1 (0, 1 or 2 for CR LF).
int lineEndBefore(const QByteArray& content, int end) {
    if (end <= 0 || !isLineEnd(content.at(end - 1))) {
        return 0;
    }
    if (content.at(end - 1) == '\n' && end >= 2 && content.at(end - 2) == '\r') {
        return 2;
    }
    return 1;
}

const char kByteOrderMark[] = "\xEF\xBB\xBF";

QString notRegular() {
    return QStringLiteral("it is not a regular file");
}
}  // namespace

QString lastLineOf(const QByteArray& content) {
    const int end = content.size() - lineEndBefore(content, content.size());
    int start = end;
    while (start > 0 && !isLineEnd(content.at(start - 1))) {
        --start;
    }
    return QString::fromLatin1(content.mid(start, end - start));
}

QByteArray withoutByteOrderMark(const QByteArray& content) {
    return content.startsWith(kByteOrderMark) ? content.mid(sizeof kByteOrderMark - 1) : content;
}

FileContent readRegularFile(const QString& path, qint64 maxSize) {
    FileContent read;
    // Non-blocking, so that opening a FIFO does not wait for a writer to come.
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        read.error = qt_error_string(errno);
        return read;
    }
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    struct stat status;
    if (::fstat(fd, &status) != 0) {
        read.error = qt_error_string(errno);
        return read;
    }
    if (!S_ISREG(status.st_mode)) {
        read.error = notRegular();
        return read;
    }
    if (status.st_size > maxSize) {
        read.tooLarge = true;
    } else {
        // The size is only a hint (the file may grow, or say 0 and hold more): read up to one
        // byte past the bound, which is enough to know the file is too large.
        read.bytes.reserve(status.st_size + 1);
        char chunk[16384];
        while (read.bytes.size() <= maxSize) {
            const qint64 wanted = std::min<qint64>(sizeof chunk, maxSize + 1 - read.bytes.size());
            const ssize_t got = ::read(fd, chunk, static_cast<size_t>(wanted));
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0) {
                read.error = qt_error_string(errno);
                read.bytes.clear();
                return read;
            }
            if (got == 0) {
                break;
            }
            read.bytes.append(chunk, got);
        }
        read.tooLarge = read.bytes.size() > maxSize;
    }
    if (read.tooLarge) {
        read.bytes.clear();
        read.error = QStringLiteral("it holds more than %1 bytes").arg(maxSize);
    }
    return read;
}

std::optional<QString> replaceFile(const QString& path, const QByteArray& bytes) {
    // Only a regular file is replaced (QSaveFile would rename its new file over whatever the
    // name or a link leads to, a FIFO or a device too). A name that leads nowhere yet is a
    // new file.
    const QByteArray name = QFile::encodeName(path);
    struct stat status;
    if (::stat(name.constData(), &status) == 0) {
        if (!S_ISREG(status.st_mode)) {
            return notRegular();
        }
    } else if (errno != ENOENT) {
        return qt_error_string(errno);
    }

    // Unbuffered, so that a write that fails (a full disk) fails in write() and not in a flush
    // inside commit(), which would go on to rename the short file over the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        // A short write without an error leaves the reason to the next write, never made.
        const QString error = file.error() != QFileDevice::NoError
                                  ? file.errorString()
                                  : QStringLiteral("not all of it could be written");
        file.cancelWriting();
        return error;
    }
    // Some file systems (over the network, with quotas) report a lost write only when the data
    // goes to the disk; one that cannot sync at all has nothing to report.
    if (file.handle() >= 0 && ::fsync(file.handle()) != 0 && errno != EINVAL && errno != ENOTSUP) {
        const QString error = qt_error_string(errno);
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

}  // namespace quven
