// SPDX-License-Identifier: Apache-2.0
#include "tool/TableSaver.h"

#include "table/TableFile.h"

namespace quven::tool {

namespace {
// Saves wait for the disk, not for a processor.
constexpr int kThreads = 16;
}  // namespace

TableSaver::TableSaver(QObject* parent) : QObject(parent) {
    threads_.setMaxThreadCount(kThreads);
}

TableSaver::~TableSaver() {
    threads_.waitForDone();
}

void TableSaver::save(const QString& path, const QString& line, const Saved& saved) {
    threads_.start([this, path, line, saved] {
        const std::optional<QString> error = tablefile::save(path, line);
        QMetaObject::invokeMethod(
            this, [saved, error] { saved(error); }, Qt::QueuedConnection);
    });
}

}  // namespace quven::tool
