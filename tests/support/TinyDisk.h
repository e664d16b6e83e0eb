// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <QTemporaryDir>

// A file system of a few KiB of its own, a tmpfs on a temporary folder, to be filled up. It
// needs root and mount: `mounted` says whether it got them.
struct TinyDisk {
    TinyDisk();
    ~TinyDisk();

    QString path(const QString& name) const { return dir.filePath(name); }
    // Writes a file named "filler" until not one byte more fits.
    bool fill() const;

    QTemporaryDir dir;
    bool mounted = false;
};
