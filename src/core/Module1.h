// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>

namespace quven {

// What the control screen expects as the next reply.
namespace pollstate {
constexpr int Counter = 0;
constexpr int Mode = 1;
constexpr int SpeedRange = 2;
constexpr int LimitSwitches = 3;
constexpr int Firmware = 6;
constexpr int Manual = 8;
}  // namespace pollstate

// Which window consumes the controller's replies.
namespace screenmode {
constexpr int Control = 0;
constexpr int Table = 1;
}  // namespace screenmode

// The state every window of the console shares. One plain value owned by the application and
// handed by reference to the pieces that need it, so each test starts from a fresh one.
struct Module1 {
    // Session.
    bool Connected = false;  // a session is started and not closed, cancelled or dropped
    QString HostName;
    int PortNo = 0;

    // Who reads the replies, and the wait that paces every sender that awaits one.
    int ScreenMode = screenmode::Control;
    int PollState = pollstate::Counter;
    bool ReplyPending = false;
    int ReplyWaitTicks = 0;  // poll ticks since the last handled reply

    // Received text not yet handed on as a block.
    QString ReceiveBuffer;

    // Control screen: the last mode reply and the operator's requests served by the poll tick.
    QString ModeLetter;  // "N", "F", or empty before the first mode reply
    int DisplayAxis = 0;
    int LastKeyIndex = 0;
    int KeyRequest = 0;     // 0 none, otherwise keypad key index + 1
    int ScanRequest = 0;    // 0 none, 1 "+SCN", 2 "-SCN"
    int PresetRequest = 0;  // 0 none, 1 to zero, 2 to the set data
    bool RelRequest = false;
    bool AbsRequest = false;
    bool ManualCommandPending = false;

    // Table transfers: the item group and row being read or written.
    int TableItemType = 0;
    int TableItemIndex = 0;
};

}  // namespace quven
