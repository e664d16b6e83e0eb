// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "ConsoleFixture.h"
#include "table/TableScreen.h"

// A data-table screen's logic on a recording transport, with a session open and the replies
// handed to the table screen, as "To Setup Screen" leaves them.
struct TableFixture : ConsoleFixture {
    TableFixture() : ConsoleFixture(Readers::Console) {
        markConnected(*this);
        console.module.ScreenMode = quven::screenmode::Table;
    }

    // The lines sent by one tick of the read or the write.
    QByteArrayList readTick() {
        return transport.sentDuring([this] { screen.tmrTokei_Timer(); });
    }
    QByteArrayList writeTick() {
        return transport.sentDuring([this] { screen.tmrWrite_Timer(); });
    }

    quven::DataTable& table() { return screen.table; }

    quven::TableScreen screen{console.tableLinks()};
};
