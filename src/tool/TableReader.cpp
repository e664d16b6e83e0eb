// SPDX-License-Identifier: Apache-2.0
#include "tool/TableReader.h"

#include "tool/ControllerLink.h"

namespace quven::tool {

TableReader::TableReader(ControllerLink& link, DataTable& table, int paceMs, QObject* parent)
    : QObject(parent),
      link_(link),
      paceMs_(paceMs),
      read_(link.module, link.channel, table, tmrTokei_, status_) {
    connect(&tmrTokei_, &IntervalTimer::timeout, this, &TableReader::tick);
}

TableReader::~TableReader() {
    if (link_.dispatcher.tableBranch() == this) {
        link_.dispatcher.setTableBranch(nullptr);
    }
}

void TableReader::start() {
    link_.module.ScreenMode = screenmode::Table;
    link_.dispatcher.setTableBranch(this);
    read_.start();
    if (paceMs_ > 0) {
        tmrTokei_.setInterval(paceMs_);
    } else {
        advance();
    }
}

void TableReader::stop() {
    tmrTokei_.setInterval(0);
}

void TableReader::tick() {
    if (read_.tmrTokei_Timer()) {
        Q_EMIT finished();
    }
}

bool TableReader::ApplyTableReply(const QString& block) {
    const bool taken = read_.ApplyTableReply(block);
    // The dispatcher ends the wait once this returns; the next query follows right after.
    if (taken && paceMs_ == 0 && read_.running()) {
        QMetaObject::invokeMethod(this, &TableReader::advance, Qt::QueuedConnection);
    }
    return taken;
}

void TableReader::advance() {
    if (read_.advanceAfterReply()) {
        Q_EMIT finished();
    }
}

}  // namespace quven::tool
