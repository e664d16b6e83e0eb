// SPDX-License-Identifier: Apache-2.0
#include "TinyDisk.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <cerrno>

TinyDisk::TinyDisk() {
    mounted = dir.isValid() && ::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs",
                                       0, "size=16k") == 0;
}

TinyDisk::~TinyDisk() {
    if (mounted) {
        ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
    }
}

bool TinyDisk::fill() const {
    const int fd = ::open(QFile::encodeName(path(QStringLiteral("filler"))).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const QByteArray block(4096, 'f');
    ssize_t written = fd < 0 ? -1 : 1;
    while (written > 0) {
        written = ::write(fd, block.constData(), block.size());
    }
    const bool full = written < 0 && errno == ENOSPC;
    if (fd >= 0) {
        ::close(fd);
    }
    return full;
}
