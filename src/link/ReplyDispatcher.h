#pragma once

#include <QString>

#include "app/Module1.h"
#include "link/ReplyBranches.h"

namespace quven {

class ReceiveDisplay;

// Replies carry no tag: the dispatcher gives each block to the window that owns the replies
// (ScreenMode), shows the controller's "SRQ" notice on the control screen, and clears the wait
// that lets the waiting sender send its next query.
class ReplyDispatcher {
  public:
    ReplyDispatcher(Module1& module, ReceiveDisplay& receiveDisplay);

    // A branch that is not installed (its window does not exist) drops the block; the wait
    // is cleared all the same.
    void setControlBranch(ControlReplyBranch* branch) { controlBranch_ = branch; }
    void setTableBranch(TableReplyBranch* branch) { tableBranch_ = branch; }
    TableReplyBranch* tableBranch() const { return tableBranch_; }

    void DispatchReply(const QString& block);

  private:
    Module1& module_;
    ReceiveDisplay& receiveDisplay_;
    ControlReplyBranch* controlBranch_ = nullptr;
    TableReplyBranch* tableBranch_ = nullptr;
};

}  // namespace quven
