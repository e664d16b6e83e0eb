// SPDX-License-Identifier: Apache-2.0
#include "control/PanelState.h"

namespace quven {

void PanelState::setCounterText(const QString& text) {
    if (text != counterText_) {
        counterText_ = text;
        Q_EMIT counterTextChanged(text);
    }
}

void PanelState::setModeText(const QString& text) {
    if (text != modeText_) {
        modeText_ = text;
        Q_EMIT modeTextChanged(text);
    }
}

void PanelState::setKeyLit(int key, bool lit) {
    if (key >= 0 && key < kKeyCount && keyLit_[key] != lit) {
        keyLit_[key] = lit;
        Q_EMIT keyLitChanged(key, lit);
    }
}

void PanelState::setSpeedOption(int option) {
    if (option >= SpeedH && option <= SpeedL && option != speedOption_) {
        speedOption_ = option;
        Q_EMIT speedOptionChanged(option);
    }
}

void PanelState::setLampOn(int lamp, bool on) {
    if (lamp >= 0 && lamp < kLampCount && lampOn_[lamp] != on) {
        lampOn_[lamp] = on;
        Q_EMIT lampChanged(lamp, on);
    }
}

void PanelState::setFirmwareText(const QString& text) {
    if (text != firmwareText_) {
        firmwareText_ = text;
        Q_EMIT firmwareTextChanged(text);
    }
}

}  // namespace quven
