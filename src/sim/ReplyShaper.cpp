// SPDX-License-Identifier: Apache-2.0
#include "sim/ReplyShaper.h"

#include <QRandomGenerator>
#include <QTcpSocket>
#include <algorithm>

namespace quven::sim {

namespace {

const QByteArray kLineEnd = "\r\n";

// Random bytes with no line feed in them, so the line ends where the simulator ends it.
QByteArray garbageLine() {
    QByteArray bytes(16, '\0');
    for (char& byte : bytes) {
        do {
            byte = static_cast<char>(QRandomGenerator::global()->bounded(256));
        } while (byte == '\n');
    }
    return bytes + kLineEnd;
}

}  // namespace

ReplyShaper::ReplyShaper(const SimFaults& faults, QObject* parent)
    : QObject(parent), faults_(faults) {
    clock_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ReplyShaper::writeDue);
}

void ReplyShaper::attach(QTcpSocket* socket) {
    socket_ = socket;
    pending_.clear();
    held_.clear();
    timer_.stop();
}

void ReplyShaper::sendAnswer(const QByteArray& line) {
    ++answers_;
    if (faults_.dropEvery > 0 && answers_ % faults_.dropEvery == 0) {
        if (log_) {
            log_(QStringLiteral("dropped answer ") + QString::fromLatin1(line));
        }
        return;
    }
    QByteArray bytes;
    if (faults_.garbageEvery > 0 && answers_ % faults_.garbageEvery == 0) {
        bytes = garbageLine();
    }
    bytes += line;
    if (faults_.oddByteEvery > 0 && answers_ % faults_.oddByteEvery == 0) {
        bytes += static_cast<char>(faults_.oddByte & 0xFF);
    }
    bytes += kLineEnd;
    if (faults_.mergePairs && held_.isEmpty()) {
        held_ = bytes;
        return;
    }
    schedule(std::exchange(held_, {}) + bytes);
}

void ReplyShaper::sendNotice(const QByteArray& line) {
    schedule(line + kLineEnd);
}

void ReplyShaper::flushHeld() {
    if (!held_.isEmpty()) {
        schedule(std::exchange(held_, {}));
    }
}

void ReplyShaper::schedule(const QByteArray& bytes) {
    const qint64 now = clock_.elapsed();
    qint64 due = std::max(now + faults_.latencyMs, pending_.isEmpty() ? 0 : pending_.last().due);
    const int pieceSize = faults_.splitBytes > 0 ? faults_.splitBytes : int(bytes.size());
    for (int start = 0; start < bytes.size(); start += pieceSize) {
        pending_.append({due, bytes.mid(start, pieceSize)});
        if (faults_.splitBytes > 0) {
            due += faults_.splitGapMs;
        }
    }
    writeDue();
}

void ReplyShaper::writeDue() {
    const qint64 now = clock_.elapsed();
    while (!pending_.isEmpty() && pending_.first().due <= now) {
        const Piece piece = pending_.takeFirst();
        if (socket_ && socket_->state() == QAbstractSocket::ConnectedState) {
            socket_->write(piece.bytes);
            socket_->flush();
        }
    }
    if (!pending_.isEmpty()) {
        timer_.start(static_cast<int>(pending_.first().due - now));
        return;
    }
    if (held_.isEmpty()) {
        Q_EMIT drained();
    }
}

}  // namespace quven::sim
