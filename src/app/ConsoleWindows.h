// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "ui/link/ConnectFrm.h"
#include "ui/log/LogFrm.h"
#include "ui/table/SetupFrm.h"

namespace quven {

class Console;
class ConnectDialogModel;
class MainFrm;

// Creates the console's windows and owns their lifetimes: the control screen at start, the
// connect dialog whenever the session creates its content, the data-table screen the first time
// it is asked for (and again after its window was closed), the communication log the first time
// it is opened (kept when closed), the About box; and ends the program.
class ConsoleWindows : public QObject {
    Q_OBJECT
  public:
    explicit ConsoleWindows(Console& console);
    ~ConsoleWindows() override;

    MainFrm& mainFrm() { return *mainFrm_; }
    ConnectFrm* connectFrm() const { return connectFrm_.data(); }
    SetupFrm* setupFrm() const { return setupFrm_.data(); }
    LogFrm* logFrm() const { return logFrm_.data(); }

  private:
    void createConnectFrm(ConnectDialogModel* form);
    void discardConnectFrm();
    void showSetupFrm();
    void showLogFrm();
    void showAbout();
    void endProgram();

    Console& console_;
    std::unique_ptr<MainFrm> mainFrm_;
    QPointer<ConnectFrm> connectFrm_;
    QPointer<SetupFrm> setupFrm_;
    QPointer<LogFrm> logFrm_;
};

}  // namespace quven
