// SPDX-License-Identifier: Apache-2.0
#include "control/PollCycle.h"

#include "control/OperatorCommands.h"
#include "control/PanelState.h"
#include "core/CommandSet.h"
#include "link/CommandChannel.h"
#include "link/ManualLine.h"
#include "link/ReceiveDisplay.h"

namespace quven {

namespace {
const QString kFirmwarePrefix = QStringLiteral("Firmware Version  ");
constexpr int kAxisCount = 8;
}  // namespace

PollCycle::PollCycle(Module1& module, CommandChannel& channel, PanelState& panel,
                     ReceiveDisplay& receiveDisplay, ManualLine& manualLine,
                     const OperatorCommands& commands, QObject* parent)
    : QObject(parent),
      module_(module),
      channel_(channel),
      panel_(panel),
      receiveDisplay_(receiveDisplay),
      manualLine_(manualLine),
      commands_(commands) {}

// --- The tick ---------------------------------------------------------------------------

void PollCycle::Timer2_Timer() {
    // A failed send's message is open and its nested event loop keeps the timer ticking: the
    // session is about to be dropped, and nothing may be sent or taken from the requests. And
    // while the data-table screen owns the replies, a poll query would be read as a table reply.
    if (channel_.failureMessageOpen() || module_.ScreenMode != screenmode::Control) {
        return;
    }
    if (module_.Connected) {
        if (serveBypassRequest()) {
            return;  // served alone, and not counted towards the time-out
        }
        serveScanRequest();
    }
    if (++module_.ReplyWaitTicks > kReplyTimeoutTicks) {
        if (module_.ReplyPending) {
            Q_EMIT replyTimedOut();
        }
        if (module_.PollState >= pollstate::Manual) {
            module_.PollState = pollstate::Counter;  // a manual line is not asked again
        }
        module_.ReplyPending = false;
        module_.ReplyWaitTicks = 0;
    }
    if (module_.ReplyPending || !module_.Connected) {
        return;
    }
    sendNext();
    module_.ReplyPending = true;
}

// Preset, then "REL", then "ABS": one of them per tick, which then sends nothing else.
bool PollCycle::serveBypassRequest() {
    if (module_.PresetRequest != 0) {
        const QString command = module_.PresetRequest == 1
                                    ? commands::presetToZero()
                                    : commands::presetTo(commands_.FormatSetData());
        module_.PresetRequest = 0;
        channel_.SendCommand(command);
        return true;
    }
    if (module_.RelRequest) {
        module_.RelRequest = false;
        channel_.SendCommand(commands::relativeMove(commands_.FormatSetData()));
        return true;
    }
    if (module_.AbsRequest) {
        module_.AbsRequest = false;
        channel_.SendCommand(commands::absoluteMove(commands_.FormatSetData()));
        return true;
    }
    return false;
}

void PollCycle::serveScanRequest() {
    if (module_.ScanRequest == 1 || module_.ScanRequest == 2) {
        const bool plus = module_.ScanRequest == 1;
        module_.ScanRequest = 0;
        channel_.SendCommand(commands::scanStart(plus));
    }
}

void PollCycle::sendNext() {
    if (module_.ManualCommandPending) {
        module_.PollState = pollstate::Manual;
        module_.ManualCommandPending = false;
        channel_.SendCommand(commands::line(manualLine_.commandToSend()), LineOrigin::ManualLine);
    } else if (module_.KeyRequest != 0) {
        const int key = module_.KeyRequest - 1;
        module_.KeyRequest = 0;
        sendKey(key);
    } else {
        sendPollQuery();
    }
}

// A keypad command takes the query slot; its reply is read as that of the current PollState.
void PollCycle::sendKey(int key) {
    constexpr LineOrigin keypad = LineOrigin::Keypad;
    if (key == PanelState::kNormalKey) {
        channel_.SendCommand(commands::normalModeKey(), keypad);
    } else if (key == PanelState::kFunctionKey) {
        channel_.SendCommand(commands::functionModeKey(), keypad);
    } else if (key >= 0 && key < kAxisCount) {
        if (panel_.keyLit(PanelState::kNormalKey)) {
            channel_.SendCommand(
                panel_.keyLit(key) ? commands::axisReleaseKey(key) : commands::axisSelectKey(key),
                keypad);
        } else if (panel_.keyLit(PanelState::kFunctionKey)) {
            channel_.SendCommand(commands::functionModeSelect(key), keypad);
        }
        // Before any mode reply neither mode key is lit: nothing to send for an axis key.
    }
}

void PollCycle::sendPollQuery() {
    QString query;
    switch (module_.PollState) {
        case pollstate::Counter:
            query = commands::counterQuery(module_.ModeLetter == QLatin1String("N"),
                                           module_.DisplayAxis);
            break;
        case pollstate::Mode:
            query = commands::modeQuery();
            break;
        case pollstate::SpeedRange:
            query = commands::speedRangeQuery();
            break;
        case pollstate::LimitSwitches:
            query = commands::limitSwitchQuery();
            break;
        case pollstate::Firmware:
            query = commands::versionQuery();
            break;
        default:
            return;  // no other state is ever set
    }
    channel_.SendCommand(query, LineOrigin::StatusPoll);
}

// --- The replies ------------------------------------------------------------------------

void PollCycle::handleControlReply(const QString& received) {
    // The controller answers in plain text: line noise in front of an answer is not read as the
    // answer. A manual command's answer is shown whatever it holds.
    const QString block =
        module_.PollState == pollstate::Manual ? received : commands::withoutLeadingNoise(received);
    switch (module_.PollState) {
        case pollstate::Counter:
            panel_.setCounterText(commands::oneLineValue(commands::counterText(block)));
            break;
        case pollstate::Mode:
            showModeReply(block);
            break;
        case pollstate::SpeedRange:
            selectSpeed(commands::speedLetter(block));
            break;
        case pollstate::LimitSwitches:
            showLimitSwitchReply(block);
            break;
        case pollstate::Firmware: {
            const std::optional<QString> firmware = commands::firmwareText(block);
            if (!firmware) {
                return;  // too short: "VER?" is asked again
            }
            panel_.setFirmwareText(kFirmwarePrefix + commands::oneLineValue(*firmware));
            break;
        }
        case pollstate::Manual:
            receiveDisplay_.setText(commands::visibleText(block));
            break;
        default:
            break;
    }
    module_.PollState = nextPollState(module_.PollState);
}

void PollCycle::showModeReply(const QString& block) {
    const commands::ModeReply reply = commands::readModeReply(block);
    if (reply.normalMode) {
        module_.ModeLetter = QStringLiteral("N");
        // The display names the axis polled so far; a newly chosen axis shows next time.
        panel_.setModeText(QStringLiteral("NORMAL  Axis ") + QString::number(module_.DisplayAxis));
        panel_.setKeyLit(PanelState::kNormalKey, true);
        panel_.setKeyLit(PanelState::kFunctionKey, false);
        for (int axis = 0; axis < kAxisCount; ++axis) {
            if (reply.axisActive[axis] && axis == module_.LastKeyIndex) {
                module_.DisplayAxis = axis;
            }
            panel_.setKeyLit(axis, reply.axisActive[axis]);
        }
        return;
    }
    module_.ModeLetter = QStringLiteral("F");
    panel_.setKeyLit(PanelState::kNormalKey, false);
    panel_.setKeyLit(PanelState::kFunctionKey, true);
    for (int key = 0; key < kAxisCount; ++key) {
        const bool active = reply.functionMode == key;
        panel_.setKeyLit(key, active);
        if (active) {
            panel_.setModeText(QStringLiteral("FUNCTION  Mode ") + QString::number(key));
        }
    }
}

void PollCycle::showLimitSwitchReply(const QString& block) {
    const commands::LimitSwitchReply reply = commands::readLimitSwitchReply(block);
    for (int bit = 0; bit < kAxisCount; ++bit) {
        panel_.setLampOn(bit, (reply.clockwise >> bit) & 1);
        panel_.setLampOn(PanelState::kCounterClockwiseRow + bit,
                         (reply.counterClockwise >> bit) & 1);
    }
    selectSpeed(reply.speed);
}

// Shows the reported range. This is a display update, not the operator's choice: no "SPD"
// command goes out for it.
void PollCycle::selectSpeed(QChar letter) {
    if (letter == QLatin1Char('H')) {
        panel_.setSpeedOption(PanelState::SpeedH);
    } else if (letter == QLatin1Char('M')) {
        panel_.setSpeedOption(PanelState::SpeedM);
    } else if (letter == QLatin1Char('L')) {
        panel_.setSpeedOption(PanelState::SpeedL);
    }
}

int PollCycle::nextPollState(int state) {
    switch (state) {
        case pollstate::Counter:
            return pollstate::Mode;
        case pollstate::Mode:
            return pollstate::SpeedRange;
        case pollstate::SpeedRange:
            return pollstate::LimitSwitches;
        default:
            return pollstate::Counter;  // after the limit switches, the firmware, a manual line
    }
}

}  // namespace quven
