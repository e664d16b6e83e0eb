// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>

#include "ui/control/ControlScreenParts.h"
#include "ui/kit/Panel.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace quven {

namespace kit {
struct ButtonLook;
}

// The control screen's lower area, for remote control only: the session buttons and the change
// to the data-table screen, the set data, Preset/Start/Stop, the mode selector, Quit, the manual
// command line (Up and Down recall the lines sent before) with the receive display and CLR. It
// shows the session's controls, the commands' set data and mode, the manual line and the
// receive display, and hands the operator's clicks, edits and keys to them.
class RemoteArea : public kit::Panel {
    Q_OBJECT
  public:
    RemoteArea(QWidget* parent, const QRect& area, const ControlScreenParts& parts);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildSessionRow();
    void buildCommandRow();
    void buildModeSelector();
    void buildManualRow();
    QPushButton* button(const kit::ButtonLook& look, const QRect& geometry);
    QLabel* caption(const char* name, const char* text, const char* spoken, const QRect& geometry);
    void bind();
    void showSessionControls();
    void showModeOption(int option);
    void manualBoxEdited();
    void showManualLine(const QString& text, int caret);

    ControlScreenParts parts_;
    QPushButton* connect_ = nullptr;
    QPushButton* command1_ = nullptr;
    QLineEdit* text1_0_ = nullptr;
    std::array<QRadioButton*, 4> option1_{};
    QPlainTextEdit* text2_ = nullptr;
    QLabel* label19_ = nullptr;
};

}  // namespace quven
