#pragma once

#include <QMainWindow>

class QLabel;
class QPushButton;

namespace quven {

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
};

// The control screen, "Control via Telnet": widgets only. It shows the session controls and
// the receive display and forwards clicks and the close request to the session.
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

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenu();
    void buildSessionControls(QWidget* panel);
    void buildReceiveDisplay(QWidget* panel);
    void buildStatusLine(QWidget* panel);
    void showSessionControls();

    ControlScreenParts parts_;
    Session& session_;
    SessionControls& sessionControls_;
    ReceiveDisplay& receiveDisplay_;
    bool closeAllowed_ = false;

    QPushButton* connect_ = nullptr;
    QPushButton* command1_ = nullptr;
    QLabel* label8_ = nullptr;
    QLabel* label9_ = nullptr;
    QLabel* label13_ = nullptr;
    QLabel* label19_ = nullptr;
};

}  // namespace quven
