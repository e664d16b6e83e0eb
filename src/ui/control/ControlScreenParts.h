// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace quven {

class LinkHealth;
class ManualLine;
class OperatorCommands;
class PanelState;
class ReceiveDisplay;
class ScreenChange;
class Session;
class SessionControls;

// The logic the control screen's widgets bind to.
struct ControlScreenParts {
    Session& session;
    SessionControls& sessionControls;
    ReceiveDisplay& receiveDisplay;
    PanelState& panel;
    OperatorCommands& commands;
    ManualLine& manualLine;
    ScreenChange& screenChange;
    LinkHealth& linkHealth;
};

}  // namespace quven
