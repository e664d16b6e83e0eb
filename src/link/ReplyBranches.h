// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>

namespace quven {

// The two readers of reply blocks. Each gets the whole block, reads its fields by position
// and does its own bookkeeping (PollState, TableItemType, TableItemIndex); the dispatcher
// clears the wait afterwards.

// The control screen: reads the block according to PollState. Every block that is not a notice
// is the awaited reply.
class ControlReplyBranch {
  public:
    virtual ~ControlReplyBranch() = default;
    virtual void handleControlReply(const QString& block) = 0;
};

// The data-table screen: applies the block to the table being read. Returns false when the
// block is not the reply the read awaits (a notice, or a late reply to a query that timed out):
// then the wait goes on.
class TableReplyBranch {
  public:
    virtual ~TableReplyBranch() = default;
    virtual bool ApplyTableReply(const QString& block) = 0;
};

}  // namespace quven
