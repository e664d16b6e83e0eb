// SPDX-License-Identifier: Apache-2.0
// The reply path: bytes from the controller through the line intake
// (CommandChannel::tcpclient_DataArrival) and DispatchReply into the control screen's poll
// (PollCycle) or the data-table screen's read (TableRead via TableScreen::ApplyTableReply),
// interleaved with the poll and transfer ticks and the operator's buttons. A real Console on a
// transport without a socket, with manual timers and counted message boxes.
//
// Input: a header of five bytes (missing bytes read as 0), then segments separated by the byte
// 0x7F, each an operation byte followed by its payload (so no payload holds 0x7F).
//
//   header[0]  ScreenMode: bit 0 (0 control screen, 1 data-table screen)
//   header[1]  PollState: one of 0, 1, 2, 3, 6, 8 (value modulo 6 picks it)
//   header[2]  TableItemType: value modulo 18 (0-17)
//   header[3]  TableItemIndex: value modulo 17 (0-16)
//   header[4]  bit 0 ReplyPending, bit 1 a table read runs (data-table screen only), bit 2 a
//              table write runs (when no read does), bit 3 no session, bit 4 a manual command
//              waits, bit 5 the last mode reply was normal mode ("N")
//
//   operation with bit 7 clear: an arrival of the payload (an empty one just ticks), after
//     bits 0-1 ticks of the poll timer, bits 2-3 ticks of the read timer and bit 4 a tick of
//     the write timer (each only while that timer runs); bit 5 repeats the payload to 16 KiB
//     (the first eight floods or pastes in an input), otherwise bit 6 delivers it one byte per
//     arrival.
//   operation with bit 7 set: an operator's action, bits 0-3:
//     0 "Data Read", 1 "Data Write", 2 "R/W Stop", 3 "Data Clear", 4 "To Control Screen",
//     5 the data-table window's close box, 6 "To Setup Screen", 7 a keypad key (payload[0]
//     modulo 10), 8 the manual line: payload then Enter (bit 5 of payload[0]: the payload
//     repeated to 64 KiB, a large paste),
//     9 "Start" with the mode option payload[0] modulo 4 and the set data payload[1...],
//     10 "Preset" (payload[0] odd) or "RES", 11 "Stop", 12 speed option payload[0] modulo 3,
//     13 a jog, 14 "Connect"/"Disconnect", 15 the connection is lost.
//
// Invariants, after every step: TableItemIndex stays in 0-16 and TableItemType in 0-17; a reply
// changes the table only while a read runs on the data-table screen, and then only the fields of
// the row (or the limit stop) that the counters name, that row being one of 0-15; no tick changes
// the table; PollState stays in {0, 1, 2, 3, 6, 8}; the reply wait stays in 0 to its time-out; the
// shown axis stays in 0-7; ReceiveBuffer never holds more than kReceiveLimit plus the last arrival;
// every line sent ends in CR LF and, unless it is the manual command, holds no other line end.
// At the end, with nothing more arriving: a running read or write ends within a bounded number
// of its ticks, and the poll sends again within twice its reply time-out; and the table, unless
// the save refuses one of its fields, saves to a table file that loads back as the same table.

#include <QObject>
#include <cstdio>
#include <memory>

#include "ConsoleFixture.h"
#include "FuzzSupport.h"
#include "ReplyPathChecks.h"
#include "core/CommandSet.h"
#include "table/TableFile.h"
#include "table/TableScreen.h"
#include "table/TableWrite.h"

using namespace quven;
using namespace quven::fuzz;

namespace {

constexpr char kSegmentEnd = '\x7F';
constexpr int kFloodBytes = 16 * 1024;  // an arrival's flood
constexpr int kPasteBytes = 64 * 1024;  // a paste into the manual command box
constexpr int kMaxFloods = 8;           // enough to pass kReceiveLimit, few enough to stay quick

// The data-table screen's buttons, by the operator's action that presses them.
using ScreenButton = void (TableScreen::*)();
constexpr ScreenButton kScreenButtons[] = {
    &TableScreen::cmdDataRead_Click, &TableScreen::cmdDataWrite_Click, &TableScreen::Command2_Click,
    &TableScreen::cmdDataClear_Click, &TableScreen::Command1_Click};
constexpr int kScreenButtonCount = int(sizeof(kScreenButtons) / sizeof(kScreenButtons[0]));

// A real Console on the recording transport, with manual timers; its message boxes are counted.
class Harness : public ConsoleOn<RecordingTransport> {
  public:
    Harness() {
        messages.keep = RecordedMessages::Keep::Count;
        // A write asks before it sends fields that were not read: it goes ahead.
        messages.answer = true;
        console.session.setHistoryPath(scratchPath(QStringLiteral("MainfRM_L.Log")));
        QObject::connect(&console.screenChange, &ScreenChange::tableScreenRequested,
                         &console.screenChange, [this] {
                             if (!screen) {
                                 openScreen();
                             }
                         });
    }

    void setUp(const QByteArray& header) {
        const auto byte = [&header](int i) { return i < header.size() ? uchar(header[i]) : 0; };
        const int flags = byte(4);
        Module1& m = console.module;
        openScreen();
        m.ScreenMode = (byte(0) & 1) ? screenmode::Table : screenmode::Control;
        m.PollState = kPollStates[byte(1) % 6];
        m.TableItemType = byte(2) % (kMaxItemType + 1);
        m.TableItemIndex = byte(3) % (kMaxItemIndex + 1);
        m.ReplyPending = flags & 1;
        m.Connected = !(flags & 8);
        transport.connected = m.Connected;
        m.ManualCommandPending = flags & 16;
        if (flags & 32) {
            m.ModeLetter = QStringLiteral("N");
        }
        if (m.Connected && m.ScreenMode == screenmode::Control) {
            console.Timer2.setInterval(kPollPeriodAfterConnect);
        }
        const bool read = (flags & 2) && m.ScreenMode == screenmode::Table;
        if (read) {
            screen->tmrTokei.setInterval(TableRead::kPeriodMs);
        } else if (flags & 4) {
            screen->tmrWrite.setInterval(TableWrite::kPeriodMs);
        }
        check();
    }

    void run(const QByteArray& segment) {
        if (segment.isEmpty()) {
            return;
        }
        const uchar op = uchar(segment[0]);
        const QByteArray payload = segment.mid(1);
        if (op & 0x80) {
            operatorAction(op & 0x0F, payload);
        } else {
            ticks(op);
            if (op & 0x20) {
                arrive(flood(payload));
            } else if (op & 0x40) {
                for (char c : payload) {
                    arrive(QByteArray(1, c));
                }
            } else {
                arrive(payload);
            }
        }
        check();
    }

    // When nothing more arrives, a transfer ends by itself and the poll asks its next query
    // within its time-out: nothing waits for ever.
    void finish() {
        for (int tick = 0; screen && screen->tmrTokei.isRunning(); ++tick) {
            FUZZ_CHECK(tick < kReadTicksBound, QStringLiteral("a read without replies never ends"));
            screen->tmrTokei_Timer();
            check();
        }
        for (int tick = 0; screen && screen->tmrWrite.isRunning(); ++tick) {
            FUZZ_CHECK(tick < kWriteTicksBound, QStringLiteral("a write never ends"));
            screen->tmrWrite_Timer();
            check();
        }
        if (screen) {
            checkTableFile(screen->table);
        }
        const Module1& m = console.module;
        if (console.Timer2.isRunning() && m.Connected && m.ScreenMode == screenmode::Control) {
            const qsizetype before = transport.sent.size();
            for (int tick = 0; tick < kPollTicksBound && transport.sent.size() == before &&
                               console.Timer2.isRunning();
                 ++tick) {
                console.poll.Timer2_Timer();
                check();
            }
            FUZZ_CHECK(transport.sent.size() > before || !m.Connected,
                       QStringLiteral("the poll stopped asking (PollState %1, ReplyPending %2)")
                           .arg(m.PollState)
                           .arg(m.ReplyPending));
        }
    }

    void trace() const {
        const Module1& m = console.module;
        for (const QByteArray& line : transport.sent) {
            std::fprintf(stderr, "sent %s", line.constData());
        }
        std::fprintf(stderr,
                     "ScreenMode %d PollState %d TableItemType %d TableItemIndex %d "
                     "ReplyPending %d Connected %d, %d messages\n",
                     m.ScreenMode, m.PollState, m.TableItemType, m.TableItemIndex, m.ReplyPending,
                     m.Connected, messages.count);
        std::fprintf(stderr, "counter %s, mode %s, firmware %s, received %s\n",
                     qPrintable(console.panel.counterText()), qPrintable(console.panel.modeText()),
                     qPrintable(console.panel.firmwareText()),
                     qPrintable(console.receiveDisplay.text()));
        if (screen) {
            std::fprintf(stderr, "table %s\n", qPrintable(tablefile::encode(screen->table)));
        }
    }

  private:
    // The payload repeated to kFloodBytes, while the input's budget of floods lasts.
    QByteArray flood(const QByteArray& payload, int bytes = kFloodBytes) {
        if (payload.isEmpty() || floods_ >= kMaxFloods) {
            return payload;
        }
        ++floods_;
        return payload.repeated((bytes + payload.size() - 1) / payload.size());
    }

    void openScreen() {
        screen = std::make_unique<TableScreen>(console.tableLinks());
        DataTable* table = &screen->table;
        QObject::connect(table, &DataTable::text1Changed, table,
                         [this](int i) { tableChanged(Field::Text1, i); });
        QObject::connect(table, &DataTable::text2Changed, table,
                         [this](int i) { tableChanged(Field::Text2, i); });
        QObject::connect(table, &DataTable::check2Changed, table,
                         [this](int i) { tableChanged(Field::Check2, i); });
        QObject::connect(table, &DataTable::option2Changed, table,
                         [this](int i) { tableChanged(Field::Option2, i); });
    }

    bool screenShown() const { return screen && console.module.ScreenMode == screenmode::Table; }

    void ticks(uchar op) {
        for (int k = 0; k < (op & 3); ++k) {
            if (console.Timer2.isRunning()) {
                console.poll.Timer2_Timer();
                check();
            }
        }
        for (int k = 0; k < ((op >> 2) & 3); ++k) {
            if (screen && screen->tmrTokei.isRunning()) {
                screen->tmrTokei_Timer();
                check();
            }
        }
        if ((op & 0x10) && screen && screen->tmrWrite.isRunning()) {
            screen->tmrWrite_Timer();
            check();
        }
    }

    void arrive(const QByteArray& bytes) {
        lastArrival_ = bytes.size();
        inArrival_ = true;
        transport.arrive(bytes);
        inArrival_ = false;
        check();
    }

    void operatorAction(int action, const QByteArray& payload) {
        const int arg = payload.isEmpty() ? 0 : uchar(payload[0]);
        // Only the operator's clear, read (which clears) and write (which fills in zeros)
        // change the table outside a reply.
        operatorChangesTable_ = true;
        if (action < kScreenButtonCount) {
            if (screenShown()) {
                ((*screen).*kScreenButtons[action])();
            }
            operatorChangesTable_ = false;
            return;
        }
        switch (action) {
            case 5:
                if (screenShown()) {
                    screen->Form_Unload();
                    screen.reset();
                }
                break;
            case 6:
                console.screenChange.SetupPb_Click();
                break;
            case 7:
                console.commands.Command3_Click(arg % 10);
                break;
            case 8: {
                const QByteArray text = (arg & 0x20) ? flood(payload, kPasteBytes) : payload;
                console.manualLine.setText(QString::fromLatin1(text) + commands::kLineEnd,
                                           int(text.size()) + 2);
                break;
            }
            case 9:
                console.commands.setModeOption(arg % 4);
                console.commands.setSetDataText(QString::fromLatin1(payload.mid(1)));
                console.commands.Ctr_Click(OperatorCommands::Start);
                break;
            case 10:
                console.commands.Ctr_Click((arg & 1) ? OperatorCommands::Preset
                                                     : OperatorCommands::Res);
                break;
            case 11:
                console.commands.Ctr_Click(OperatorCommands::Stop);
                break;
            case 12:
                console.commands.Option2_Click(arg % 3);
                break;
            case 13:
                if (arg & 1) {
                    console.commands.Command6_Click();
                } else {
                    console.commands.Command7_Click();
                }
                break;
            case 14:
                toggleSession();
                break;
            default:
                transport.connected = false;  // the next send fails and drops the session
                break;
        }
        operatorChangesTable_ = false;
    }

    // "Connect..." then "Connect" on the loopback address (the transport has no socket), or
    // "Disconnect".
    void toggleSession() {
        if (console.module.Connected) {
            console.session.Connect_Click();
            return;
        }
        connectThroughDialog(console.session, kLoopback, QStringLiteral("7777"));
    }

    void tableChanged(Field field, int index) {
        if (!operatorChangesTable_) {
            checkTableChange(console.module, inArrival_, screen && screen->tmrTokei.isRunning(),
                             field, index);
        }
    }

    void check() { checkState(console, transport.sent, checkedSent_, lastArrival_); }

  public:
    std::unique_ptr<TableScreen> screen;

  private:
    bool inArrival_ = false;
    bool operatorChangesTable_ = false;
    qsizetype lastArrival_ = 0;
    qsizetype checkedSent_ = 0;
    int floods_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = bytesOf(data, size);
    constexpr int kHeader = 5;
    Harness harness;
    harness.setUp(input.left(kHeader));
    for (const QByteArray& segment : input.mid(kHeader).split(kSegmentEnd)) {
        harness.run(segment);
    }
    harness.finish();
    // QUVEN_FUZZ_TRACE=1 shows what an input did (for a finding, or a new seed).
    static const bool trace = qEnvironmentVariableIsSet("QUVEN_FUZZ_TRACE");
    if (trace) {
        harness.trace();
    }
    return 0;
}
