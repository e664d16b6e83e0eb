#pragma once

#include "ConsoleFixture.h"
#include "table/TableScreen.h"

// A data-table screen's logic on a recording transport, with a session open and the replies
// handed to the table screen, as "To Setup Screen" leaves them.
struct TableFixture : ConsoleFixture {
    TableFixture() : ConsoleFixture(Readers::Console) {
        transport.connected = true;
        console.module.Connected = true;
        console.module.ScreenMode = quven::screenmode::Table;
    }

    // The lines sent by one tick of the read or the write.
    QByteArrayList readTick() {
        const qsizetype before = transport.sent.size();
        screen.tmrTokei_Timer();
        return transport.sent.mid(before);
    }
    QByteArrayList writeTick() {
        const qsizetype before = transport.sent.size();
        screen.tmrWrite_Timer();
        return transport.sent.mid(before);
    }

    quven::Module1& m() { return console.module; }
    quven::DataTable& table() { return screen.table; }

    quven::TableScreen screen{console.tableLinks()};
};
