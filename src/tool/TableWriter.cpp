// SPDX-License-Identifier: Apache-2.0
#include "tool/TableWriter.h"

#include "tool/ControllerLink.h"

namespace quven::tool {

TableWriter::TableWriter(ControllerLink& link, DataTable& table, int paceMs, QObject* parent)
    : QObject(parent),
      link_(link),
      paceMs_(paceMs),
      write_(link.module, link.channel, table, tmrWrite_, status_) {
    connect(&tmrWrite_, &IntervalTimer::timeout, this, &TableWriter::tick);
}

void TableWriter::start() {
    written_ = 0;
    write_.start();
    tmrWrite_.setInterval(paceMs_);
}

void TableWriter::stop() {
    tmrWrite_.setInterval(0);
}

void TableWriter::tick() {
    if (!write_.running()) {
        return;
    }
    write_.tmrWrite_Timer();
    if (link_.hasFailed()) {
        return;  // the command found no connection: the link has said so
    }
    ++written_;
    if (!write_.running()) {
        Q_EMIT finished();
    }
}

}  // namespace quven::tool
