// SPDX-License-Identifier: Apache-2.0
#include "ScratchFolder.h"

#include <QDir>

ScratchFolder::ScratchFolder() : previousFolder(QDir::currentPath()) {
    inScratchFolder = scratchDir.isValid() && QDir::setCurrent(scratchDir.path());
}

ScratchFolder::~ScratchFolder() {
    QDir::setCurrent(previousFolder);
}
