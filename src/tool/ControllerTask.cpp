// SPDX-License-Identifier: Apache-2.0
#include "tool/ControllerTask.h"

#include "table/TableItems.h"
#include "tool/TableFields.h"
#include "tool/TableReader.h"
#include "tool/TableWriter.h"

namespace quven::tool {

namespace {
QList<int> allItems() {
    QList<int> items;
    for (int item = 0; item < tableitems::kCount; ++item) {
        items.append(item);
    }
    return items;
}
}  // namespace

ControllerTask::ControllerTask(const ControllerAddress& address, const Plan& plan, QObject* parent)
    : QObject(parent), address_(address), plan_(plan), link_(address), unread_(allItems()) {
    connect(&link_, &ControllerLink::opened, this, &ControllerTask::connected);
    connect(&link_, &ControllerLink::failed, this, &ControllerTask::stop);
}

ControllerTask::~ControllerTask() = default;

void ControllerTask::start() {
    clock_.start();
    link_.open();
}

int ControllerTask::itemsWritten() const {
    return writer_ ? writer_->written() : 0;
}

int ControllerTask::itemsRead() const {
    return tableitems::kCount - int(unread_.size());
}

void ControllerTask::connected() {
    if (plan_.tableToWrite == nullptr) {
        startRead();
        return;
    }
    copyTable(*plan_.tableToWrite, tableToWrite_);
    writer_ = std::make_unique<TableWriter>(link_, tableToWrite_, plan_.writePaceMs);
    connect(writer_.get(), &TableWriter::finished, this, &ControllerTask::written);
    writer_->start();
}

void ControllerTask::written() {
    if (plan_.read) {
        startRead();
    } else {
        finish();
    }
}

void ControllerTask::startRead() {
    if (!plan_.read) {
        finish();
        return;
    }
    reader_ = std::make_unique<TableReader>(link_, tableRead_, plan_.readPaceMs);
    connect(reader_.get(), &TableReader::finished, this, &ControllerTask::readFinished);
    reader_->start();
}

void ControllerTask::readFinished() {
    unread_ = reader_->unreadItems();
    finish();
}

// The link failed: whatever runs stops where it is.
void ControllerTask::stop(const QString&) {
    if (writer_) {
        writer_->stop();
    }
    if (reader_) {
        reader_->stop();
        unread_ = reader_->unreadItems();
    }
    finish();
}

void ControllerTask::finish() {
    if (finished_) {
        return;
    }
    finished_ = true;
    seconds_ = clock_.elapsed() / 1000.0;
    link_.close();
    // Told from the event loop: the link may be inside a send of its own now.
    QMetaObject::invokeMethod(this, &ControllerTask::done, Qt::QueuedConnection);
}

}  // namespace quven::tool
