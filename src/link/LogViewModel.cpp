// SPDX-License-Identifier: Apache-2.0
#include "link/LogViewModel.h"

#include <algorithm>

#include "core/MessageSeam.h"
#include "core/TextFile.h"
#include "link/CommunicationLog.h"
#include "link/LogLine.h"

namespace quven {

LogViewModel::LogViewModel(const CommunicationLog& log, MessageSeam& messages, QObject* parent)
    : QAbstractListModel(parent), log_(log), messages_(messages), seen_(log.first()) {}

int LogViewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

QVariant LogViewModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= int(rows_.size())) {
        return QVariant();
    }
    return lineAt(index.row());
}

QString LogViewModel::lineAt(int row) const {
    const LogEntry* entry = log_.at(rows_.at(std::size_t(row)));
    return entry != nullptr ? logLine(*entry) : QString();
}

QStringList LogViewModel::shownLines() const {
    QStringList lines;
    lines.reserve(int(rows_.size()));
    for (int row = 0; row < int(rows_.size()); ++row) {
        lines.append(lineAt(row));
    }
    return lines;
}

bool LogViewModel::shows(qint64 sequence) const {
    const LogEntry* entry = log_.at(sequence);
    return entry != nullptr && !(hidePoll_ && entry->origin == LineOrigin::StatusPoll);
}

void LogViewModel::setHidePoll(bool hide) {
    if (hide == hidePoll_) {
        return;
    }
    hidePoll_ = hide;
    beginResetModel();
    rows_.clear();
    for (qint64 sequence = log_.first(); sequence < seen_; ++sequence) {
        if (shows(sequence)) {
            rows_.push_back(sequence);
        }
    }
    endResetModel();
}

LogViewModel::Change LogViewModel::catchUp() {
    Change change;
    change.removed = dropGoneRows();  // only a clear drops anything while paused
    seen_ = std::max(seen_, log_.first());
    if (log_.isPaused()) {
        return change;
    }
    std::vector<qint64> added;
    for (; seen_ < log_.next(); ++seen_) {
        if (shows(seen_)) {
            added.push_back(seen_);
        }
    }
    if (!added.empty()) {
        const int at = int(rows_.size());
        beginInsertRows(QModelIndex(), at, at + int(added.size()) - 1);
        rows_.insert(rows_.end(), added.begin(), added.end());
        endInsertRows();
    }
    change.added = int(added.size());
    return change;
}

// The rows whose entries the log no longer holds are always the oldest ones.
int LogViewModel::dropGoneRows() {
    const auto kept = std::lower_bound(rows_.begin(), rows_.end(), log_.first());
    const int gone = int(kept - rows_.begin());
    if (gone > 0) {
        beginRemoveRows(QModelIndex(), 0, gone - 1);
        rows_.erase(rows_.begin(), kept);
        endRemoveRows();
    }
    return gone;
}

bool LogViewModel::save(const QString& path) {
    QByteArray bytes;
    for (const QString& line : shownLines()) {
        bytes += line.toLatin1();
        bytes += "\r\n";
    }
    const std::optional<QString> error = replaceFile(path, bytes);
    if (error) {
        messages_.show({QStringLiteral("The log could not be saved to ") + path +
                            QStringLiteral(": ") + *error,
                        QStringLiteral("Caution !"), MessageIcon::Information});
    }
    return !error;
}

}  // namespace quven
