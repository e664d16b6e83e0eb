// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <QString>

#include "core/IntervalTimer.h"
#include "core/Module1.h"
#include "link/ReplyBranches.h"
#include "table/DataTable.h"
#include "table/FileLists.h"
#include "table/TableRead.h"
#include "table/TableWrite.h"
#include "table/TransferStatus.h"
#include "table/UnreadMarks.h"

namespace quven {

class CommandChannel;
class MessageSeam;
class ReplyDispatcher;

// The data-table screen's logic, one per window: the table, its transfers from and into the
// controller, its file, and the hand-over of the link back to the control screen. It lives as
// long as the window does; while it exists it is the reader of the replies the table screen
// owns.
class TableScreen : public QObject, public TableReplyBranch {
    Q_OBJECT
  public:
    // The poll period after "To Control Screen", and after the window was closed.
    static constexpr int kPollPeriodAfterReturn = 100;
    static constexpr int kPollPeriodAfterClose = 20;

    struct Links {
        Module1& module;
        IntervalTimer& timer2;
        CommandChannel& channel;
        ReplyDispatcher& dispatcher;
        MessageSeam& messages;
        IntervalTimer::Mode timerMode;
    };

    explicit TableScreen(const Links& links, QObject* parent = nullptr);
    ~TableScreen() override;

    DataTable table;
    UnreadMarks unread{table};  // the items the last Data Read left unread
    TransferStatus status;      // Label17
    IntervalTimer tmrTokei;
    IntervalTimer tmrWrite;
    FileLists files;  // Drive1, Dir1, File1

    QString fileName() const { return fileName_; }  // txtFileName
    void setFileName(const QString& name);

    void cmdDataRead_Click();
    void cmdDataWrite_Click();
    void Command2_Click();      // "R/W Stop"
    void cmdDataClear_Click();  // "Data Clear"
    void Command1_Click();      // "To Control Screen": the window is hidden and kept
    void Form_Unload();         // the close box: the window is discarded
    void cmdWrite_Click();      // "Save to File"
    void cmdRead_Click();       // "Load from File"
    void File1_Click(const QString& name);

    void tmrTokei_Timer();
    void tmrWrite_Timer();
    bool ApplyTableReply(const QString& block) override;

  Q_SIGNALS:
    void hideRequested();
    void fileNameChanged(const QString& name);
    // The transfers' course, for the communication log. A read that finished with items unread
    // is incomplete; a stopped one was ended by R/W Stop, by leaving the screen or by a lost
    // connection.
    void readStarted();
    void readFinished(int unreadItems);
    void readStopped(int unreadItems);
    void readTimedOut(const QString& query, bool groupGivenUp);
    void writeStarted();
    void writeFinished();
    void writeStopped();

  private:
    bool refuseWhileOtherTransferRuns(bool otherRuns, const QString& what);
    bool writeConfirmed();
    QStringList fieldsToConfirm() const;
    void stopTransfers();
    void stopRead();
    void readEnded(bool finished);
    void caution(const QString& text);

    Module1& module_;
    IntervalTimer& timer2_;
    CommandChannel& channel_;
    ReplyDispatcher& dispatcher_;
    MessageSeam& messages_;
    TableRead read_;
    TableWrite write_;
    QString fileName_;
    bool writeStoppedInTick_ = false;
};

}  // namespace quven
