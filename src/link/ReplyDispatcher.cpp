#include "link/ReplyDispatcher.h"

#include "link/CommandSet.h"
#include "link/ReceiveDisplay.h"

namespace quven {

ReplyDispatcher::ReplyDispatcher(Module1& module, ReceiveDisplay& receiveDisplay)
    : module_(module), receiveDisplay_(receiveDisplay) {}

void ReplyDispatcher::DispatchReply(const QString& block) {
    if (module_.ScreenMode == screenmode::Control) {
        if (commands::isServiceRequest(block)) {
            // A notice, not a reply: the poll keeps waiting for the reply it expects.
            receiveDisplay_.setText(commands::serviceRequestNotice(block));
            return;
        }
        if (controlBranch_ != nullptr) {
            controlBranch_->handleControlReply(block);
        }
    } else if (module_.ScreenMode == screenmode::Table) {
        if (tableBranch_ != nullptr && !tableBranch_->ApplyTableReply(block)) {
            return;  // not the awaited reply: the read keeps waiting for it
        }
    }
    module_.ReplyWaitTicks = 0;
    module_.ReplyPending = false;
}

}  // namespace quven
