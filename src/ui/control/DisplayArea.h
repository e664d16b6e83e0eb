// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>

#include "ui/kit/Panel.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace quven {

class Lamp;
class LinkHealth;
class OperatorCommands;
class PanelState;

// The control screen's upper area, the controller's own display and keys: the title, the mode
// and counter displays, the limit-switch lamps, the keypad, the speed selector and the jog keys.
// It shows PanelState and hands the operator's clicks to OperatorCommands. While the controller
// is not answering (LinkHealth), the live displays keep their content but show it dimmed.
class DisplayArea : public kit::Panel {
    Q_OBJECT
  public:
    DisplayArea(QWidget* parent, const QRect& area, PanelState& panel, OperatorCommands& commands,
                LinkHealth& linkHealth);

  private:
    void buildDisplays();
    void buildLamps();
    void buildKeypad();
    void buildSpeed();
    void buildJog();
    void bind();
    void showKey(int key, bool lit);
    void showLamp(int lamp, bool on);
    void showSpeed(int option);
    void showLive(bool live);

    PanelState& panel_;
    OperatorCommands& commands_;
    LinkHealth& linkHealth_;
    static constexpr int kModeDisplay = 0;
    static constexpr int kCounterDisplay = 1;
    std::array<QLabel*, 2> label2_{};
    std::array<QPushButton*, 10> command3_{};
    std::array<Lamp*, 32> shape1_{};
    std::array<QRadioButton*, 3> option2_{};
};

}  // namespace quven
