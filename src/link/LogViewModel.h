// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <deque>
#include <optional>

namespace quven {

class CommunicationLog;
class MessageSeam;

// What the log window shows of the communication log: a row for each entry, oldest first, or
// for each entry the status poll did not cause when its queries are hidden (told by their
// origin, never by their text, so a query the operator typed stays). It follows the log only
// when catchUp() is called, in batches, so the view pays per batch and not per line, and it
// formats only the rows a view asks for.
class LogViewModel : public QAbstractListModel {
    Q_OBJECT
  public:
    struct Change {
        int removed = 0;  // rows gone from the top (dropped from the log or cleared)
        int added = 0;    // rows added at the bottom
    };

    LogViewModel(const CommunicationLog& log, MessageSeam& messages, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    bool hidesPoll() const { return hidePoll_; }
    // LogHidePoll: the rows are built again from what the log holds.
    void setHidePoll(bool hide);

    // Takes in what the log gained and lost since the last call. While the log is paused the
    // rows stay as they are, unless it was cleared.
    Change catchUp();

    // The row as the window shows it.
    QString lineAt(int row) const;
    QStringList shownLines() const;
    // LogSave: writes the rows shown, one line each ending in CR LF, single-byte. A failure is
    // told to the operator; false then.
    bool save(const QString& path);

  private:
    bool shows(qint64 sequence) const;
    int dropGoneRows();

    const CommunicationLog& log_;
    MessageSeam& messages_;
    std::deque<qint64> rows_;  // the sequence numbers of the entries shown
    qint64 seen_ = 0;          // the first sequence number not looked at yet
    bool hidePoll_ = false;
};

}  // namespace quven
