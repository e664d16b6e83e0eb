#pragma once

#include "ui/kit/Panel.h"

class QLabel;

namespace quven {

class PanelState;
class SessionControls;

// The control screen's status line below the frame: the session's host and port, and the
// controller's firmware version.
class StatusLine : public kit::Panel {
    Q_OBJECT
  public:
    StatusLine(QWidget* parent, const QRect& area, SessionControls& sessionControls,
               PanelState& panel);

  private:
    void showSession();

    SessionControls& sessionControls_;
    QLabel* label8_ = nullptr;   // host
    QLabel* label9_ = nullptr;   // port
    QLabel* label13_ = nullptr;  // firmware
};

}  // namespace quven
