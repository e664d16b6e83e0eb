// SPDX-License-Identifier: Apache-2.0
#include "control/OperatorCommands.h"

#include "control/PanelState.h"
#include "core/CommandSet.h"
#include "core/NumberText.h"
#include "link/CommandChannel.h"
#include "link/ReceiveDisplay.h"

namespace quven {

namespace {
constexpr char kSpeedLetters[] = {'H', 'M', 'L'};
}

OperatorCommands::OperatorCommands(Module1& module, CommandChannel& channel, PanelState& panel,
                                   ReceiveDisplay& receiveDisplay, QObject* parent)
    : QObject(parent),
      module_(module),
      channel_(channel),
      panel_(panel),
      receiveDisplay_(receiveDisplay) {}

void OperatorCommands::setSetDataText(const QString& text) {
    if (text != setDataText_) {
        setDataText_ = text;
        Q_EMIT setDataTextChanged(text);
    }
}

void OperatorCommands::setModeOption(int option) {
    if (option >= PlusScan && option <= MinusScan && option != modeOption_) {
        modeOption_ = option;
        Q_EMIT modeOptionChanged(option);
    }
}

QString OperatorCommands::FormatSetData() const {
    return setValueFromText(setDataText_);
}

void OperatorCommands::Command6_Click() {
    channel_.SendCommand(commands::jog(true));
}

void OperatorCommands::Command7_Click() {
    channel_.SendCommand(commands::jog(false));
}

void OperatorCommands::Option2_Click(int option) {
    if (option < PanelState::SpeedH || option > PanelState::SpeedL) {
        return;
    }
    panel_.setSpeedOption(option);
    channel_.SendCommand(commands::speedRange(QLatin1Char(kSpeedLetters[option])));
}

void OperatorCommands::Ctr_Click(int button) {
    switch (button) {
        case Res:
            module_.PresetRequest = 1;
            break;
        case Preset:
            module_.PresetRequest = 2;
            break;
        case Start:
            Start_Click();
            break;
        case Stop:
            channel_.SendCommand(commands::scanStop());
            module_.ScanRequest = 0;
            break;
        default:
            break;
    }
}

void OperatorCommands::Start_Click() {
    switch (modeOption_) {
        case PlusScan:
            module_.ScanRequest = 1;
            break;
        case MinusScan:
            module_.ScanRequest = 2;
            break;
        case Rel:
            module_.RelRequest = true;
            break;
        case Abs:
            module_.AbsRequest = true;
            break;
        default:
            break;
    }
}

void OperatorCommands::Command3_Click(int key) {
    if (key < 0 || key >= PanelState::kKeyCount) {
        return;
    }
    module_.KeyRequest = key + 1;
    module_.LastKeyIndex = key;
}

void OperatorCommands::Command2_Click() {
    receiveDisplay_.setText(QString());
}

}  // namespace quven
