// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QMainWindow>

#include "ui/control/ControlScreenParts.h"

namespace quven {

// The control screen, "Control via Telnet": the controller's front panel drawn in widgets. Inside
// a drawn frame, the upper display area shows the counter, the mode, the limit-switch lamps and
// the keypad, and the lower remote-control area holds the session buttons, the set data, the
// commands and the manual command line; the status line lies below the frame. The widgets hold
// no state of their own: they show the parts' state and forward clicks, edits and the close
// request to them. Its menu bar opens the About box and the communication log.
class MainFrm : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 560;
    static constexpr int kClientHeight = 450;

    explicit MainFrm(const ControlScreenParts& parts, QWidget* parent = nullptr);

    // Lets the program end without asking again (Quit, or a close that was allowed).
    void allowClose() { closeAllowed_ = true; }

  Q_SIGNALS:
    void closeAccepted();
    // The menu bar: "&About" and "&Log" (also Ctrl+L).
    void aboutRequested();
    void logRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenu();
    void buildFrame(QWidget* panel);

    ControlScreenParts parts_;
    bool closeAllowed_ = false;
};

}  // namespace quven
