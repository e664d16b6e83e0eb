#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "link/ConnectFrm.h"

namespace quven {

class Console;
class ConnectForm;
class MainFrm;

// Creates the console's windows and owns their lifetimes: the control screen at start, the
// connect dialog whenever the session creates its content, and ends the program.
class ConsoleWindows : public QObject {
    Q_OBJECT
  public:
    explicit ConsoleWindows(Console& console);
    ~ConsoleWindows() override;

    MainFrm& mainFrm() { return *mainFrm_; }
    ConnectFrm* connectFrm() const { return connectFrm_.data(); }

  private:
    void createConnectFrm(ConnectForm* form);
    void discardConnectFrm();
    void endProgram();

    Console& console_;
    std::unique_ptr<MainFrm> mainFrm_;
    QPointer<ConnectFrm> connectFrm_;
};

}  // namespace quven
