// SPDX-License-Identifier: Apache-2.0
#include "tool/Reporter.h"

#include <QIODevice>

namespace quven::tool {

namespace {
const QByteArray kWipeLine = "\r\x1b[K";
}

bool Reporter::write(QIODevice* device, const QByteArray& bytes) {
    const bool hidesProgress = !progress_.isEmpty();
    if (hidesProgress) {
        streams_.err->write(kWipeLine);
    }
    const bool written = device->write(bytes) == bytes.size();
    if (!written && device == streams_.out) {
        outputLost_ = true;
    }
    if (hidesProgress) {
        streams_.err->write(progress_.toLocal8Bit());
    }
    return written;
}

bool Reporter::data(const QByteArray& bytes) {
    return write(streams_.out, bytes);
}

void Reporter::text(const QString& text) {
    write(streams_.out, text.toLocal8Bit());
}

void Reporter::message(const QString& text) {
    write(streams_.err, (QStringLiteral("quven-table: ") + text + QLatin1Char('\n')).toLocal8Bit());
}

void Reporter::summary(const QString& line) {
    write(summaryToOutput_ ? streams_.out : streams_.err, (line + QLatin1Char('\n')).toLocal8Bit());
}

void Reporter::progress(const QString& line) {
    if (!streams_.errIsTerminal || line == progress_) {
        return;
    }
    progress_ = line;
    streams_.err->write(kWipeLine + line.toLocal8Bit());
}

void Reporter::clearProgress() {
    if (!progress_.isEmpty()) {
        streams_.err->write(kWipeLine);
        progress_.clear();
    }
}

}  // namespace quven::tool
