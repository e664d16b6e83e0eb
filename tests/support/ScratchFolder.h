// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <QTemporaryDir>

// A temporary folder made the working folder for the fixture's life, the one before restored
// after it: the session writes its host history into the working folder.
struct ScratchFolder {
    ScratchFolder();
    ~ScratchFolder();

    QTemporaryDir scratchDir;
    QString previousFolder;
    bool inScratchFolder = false;
};
