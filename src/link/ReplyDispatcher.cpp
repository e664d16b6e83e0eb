// SPDX-License-Identifier: Apache-2.0
#include "link/ReplyDispatcher.h"

#include "core/CommandSet.h"

namespace quven {

ReplyDispatcher::ReplyDispatcher(Module1& module, QObject* parent)
    : QObject(parent), module_(module) {}

void ReplyDispatcher::DispatchReply(const QString& block) {
    if (module_.ScreenMode == screenmode::Control) {
        if (commands::isServiceRequest(block)) {
            // A notice, not a reply: the poll keeps waiting for the reply it expects.
            Q_EMIT serviceRequestNoticed(commands::serviceRequestNotice(block));
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
