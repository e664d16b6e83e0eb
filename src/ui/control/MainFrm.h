#pragma once

#include <QMainWindow>
#include <array>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace quven {

class Lamp;
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

// The control screen, "Control via Telnet": the controller's front panel drawn in widgets. The
// upper display area shows the counter, the mode, the limit-switch lamps and the keypad; the
// lower remote-control area holds the session buttons, the set data, the commands and the
// manual command line. The widgets hold no state of their own: they show the parts' state and
// forward clicks, edits and the close request to them.
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
    void buildFrame(QWidget* panel);
    void buildStatusLine(QWidget* panel);

    // The display area (DisplayArea.cpp).
    void buildDisplays(QWidget* panel);
    void buildLamps(QWidget* panel);
    void buildKeypad(QWidget* panel);
    void buildSpeedAndJog(QWidget* panel);
    void bindDisplayArea();
    void showKey(int key, bool lit);
    void showLamp(int lamp, bool on);
    void showSpeed(int option);

    // The remote-control area (RemoteArea.cpp).
    void buildSessionRow(QWidget* panel);
    void buildCommandRow(QWidget* panel);
    void buildModeSelector(QWidget* panel);
    void buildManualRow(QWidget* panel);
    void bindRemoteArea();
    void showSessionControls();
    void showModeOption(int option);
    void manualBoxEdited();
    void showManualLine(const QString& text, int caret);

    ControlScreenParts parts_;
    bool closeAllowed_ = false;

    QLabel* label2_0_ = nullptr;  // mode display
    QLabel* label2_1_ = nullptr;  // counter display
    std::array<QPushButton*, 10> command3_{};
    std::array<Lamp*, 32> shape1_{};
    std::array<QRadioButton*, 3> option2_{};
    std::array<QRadioButton*, 4> option1_{};

    QPushButton* connect_ = nullptr;
    QPushButton* command1_ = nullptr;
    QLineEdit* text1_0_ = nullptr;
    QPlainTextEdit* text2_ = nullptr;
    QLabel* label8_ = nullptr;
    QLabel* label9_ = nullptr;
    QLabel* label13_ = nullptr;
    QLabel* label19_ = nullptr;
};

}  // namespace quven
