#include "app/ConsoleWindows.h"

#include <QCoreApplication>

#include "app/Console.h"
#include "table/TableScreen.h"
#include "ui/control/MainFrm.h"
#include "ui/link/ConnectFrm.h"

namespace quven {

ConsoleWindows::ConsoleWindows(Console& console)
    : console_(console),
      mainFrm_(std::make_unique<MainFrm>(ControlScreenParts{
          console.session, console.sessionControls, console.receiveDisplay, console.panel,
          console.commands, console.manualLine, console.screenChange})) {
    connect(&console_.session, &Session::connectDialogModelCreated, this,
            &ConsoleWindows::createConnectFrm);
    connect(&console_.session, &Session::connectDialogModelDiscarded, this,
            &ConsoleWindows::discardConnectFrm);
    connect(&console_.session, &Session::endProgram, this, &ConsoleWindows::endProgram);
    connect(mainFrm_.get(), &MainFrm::closeAccepted, this, &ConsoleWindows::endProgram);
    connect(&console_.screenChange, &ScreenChange::tableScreenRequested, this,
            &ConsoleWindows::showSetupFrm);
}

ConsoleWindows::~ConsoleWindows() {
    delete connectFrm_.data();
    delete setupFrm_.data();
}

void ConsoleWindows::showSetupFrm() {
    if (!setupFrm_) {
        // A window of its own beside the control screen, not a child kept on top of it. Its
        // logic lives as long as it does: a closed window takes its table and transfers along.
        auto* screen = new TableScreen(console_.tableLinks());
        setupFrm_ = new SetupFrm(*screen);
        screen->setParent(setupFrm_);
        connect(setupFrm_, &SetupFrm::closed, setupFrm_, &QObject::deleteLater);
    }
    setupFrm_->show();
    setupFrm_->raise();
    setupFrm_->activateWindow();
}

void ConsoleWindows::createConnectFrm(ConnectDialogModel* form) {
    connectFrm_ = new ConnectFrm(*form, console_.session, mainFrm_.get());
}

void ConsoleWindows::discardConnectFrm() {
    if (connectFrm_) {
        connectFrm_->hide();
        connectFrm_->deleteLater();
    }
}

void ConsoleWindows::endProgram() {
    // Quit ends at once: no window is asked whether it may close.
    mainFrm_->allowClose();
    QCoreApplication::exit(0);
}

}  // namespace quven
