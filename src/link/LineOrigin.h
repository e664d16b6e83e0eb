// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QtGlobal>

namespace quven {

// Where a line on the link came from. Replies carry no tag of their own: a received block takes
// the origin of the query that was waiting for it, so the status poll's traffic can be told
// from the operator's, both ways, whatever the text says.
enum class LineOrigin : quint8 {
    Blind,       // a command nobody waits an answer for: jog, stop, speed, moves, table write
    ManualLine,  // the operator's typed line
    Keypad,      // a keypad key
    StatusPoll,  // the control screen's own status queries
    TableRead,   // the data-table screen's queries
    Unasked,     // received text that no waiting query took as its answer: notices, stray text
};

// The senders that wait for the controller's answer before they send again.
constexpr bool awaitsAnswer(LineOrigin origin) {
    return origin == LineOrigin::ManualLine || origin == LineOrigin::Keypad ||
           origin == LineOrigin::StatusPoll || origin == LineOrigin::TableRead;
}

}  // namespace quven
