// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "ui/kit/Panel.h"

class QLabel;

namespace quven {

class Lamp;
class LinkHealth;
class PanelState;
class SessionControls;

// The control screen's status line below the frame: the session's host and port, the
// controller's firmware version (dimmed while the controller is not answering), and at the right
// end the link lamp "LINK": grey without a session, green while answers arrive, amber while a
// query waits unanswered; its tooltip says how long ago the last answer came.
class StatusLine : public kit::Panel {
    Q_OBJECT
  public:
    StatusLine(QWidget* parent, const QRect& area, SessionControls& sessionControls,
               PanelState& panel, LinkHealth& linkHealth);

  private:
    QLabel* field(int index);
    void buildLinkLamp();
    void showSession();
    void showLink();

    SessionControls& sessionControls_;
    LinkHealth& linkHealth_;
    QLabel* label8_ = nullptr;   // host
    QLabel* label9_ = nullptr;   // port
    QLabel* label13_ = nullptr;  // firmware
    Lamp* linkLamp_ = nullptr;
    QLabel* linkCaption_ = nullptr;
};

}  // namespace quven
