// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <QString>

#include "core/Module1.h"
#include "link/ReplyBranches.h"

namespace quven {

// Replies carry no tag: the dispatcher gives each block to the window that owns the replies
// (ScreenMode), tells of the controller's "SRQ" notice while the control screen owns them, and
// clears the wait that lets the waiting sender send its next query.
class ReplyDispatcher : public QObject {
    Q_OBJECT
  public:
    explicit ReplyDispatcher(Module1& module, QObject* parent = nullptr);

    // A branch that is not installed (its window does not exist) drops the block; the wait
    // is cleared all the same.
    void setControlBranch(ControlReplyBranch* branch) { controlBranch_ = branch; }
    void setTableBranch(TableReplyBranch* branch) { tableBranch_ = branch; }
    TableReplyBranch* tableBranch() const { return tableBranch_; }

    void DispatchReply(const QString& block);

  Q_SIGNALS:
    // An "SRQ" notice arrived while the control screen owns the replies: "SRQ01 received !".
    void serviceRequestNoticed(const QString& notice);

  private:
    Module1& module_;
    ControlReplyBranch* controlBranch_ = nullptr;
    TableReplyBranch* tableBranch_ = nullptr;
};

}  // namespace quven
