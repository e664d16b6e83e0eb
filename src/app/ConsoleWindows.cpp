// SPDX-License-Identifier: Apache-2.0
#include "app/ConsoleWindows.h"

#include <QCoreApplication>
#include <QScreen>

#include "app/Console.h"
#include "table/TableScreen.h"
#include "ui/control/AboutBox.h"
#include "ui/control/MainFrm.h"
#include "ui/link/ConnectFrm.h"

namespace quven {

namespace {
// Right of the window where the screen has room for it, else where the system puts it.
void placeBeside(QWidget& window, const QWidget& beside) {
    const QScreen* screen = beside.screen();
    const QRect wanted(beside.frameGeometry().topRight() + QPoint(8, 0), window.size());
    if (screen != nullptr && screen->availableGeometry().contains(wanted)) {
        window.move(wanted.topLeft());
    }
}
}  // namespace

ConsoleWindows::ConsoleWindows(Console& console)
    : console_(console),
      mainFrm_(std::make_unique<MainFrm>(ControlScreenParts{
          console.session, console.sessionControls, console.receiveDisplay, console.panel,
          console.commands, console.manualLine, console.screenChange, console.linkHealth})) {
    connect(&console_.session, &Session::connectDialogModelCreated, this,
            &ConsoleWindows::createConnectFrm);
    connect(&console_.session, &Session::connectDialogModelDiscarded, this,
            &ConsoleWindows::discardConnectFrm);
    connect(&console_.session, &Session::endProgram, this, &ConsoleWindows::endProgram);
    connect(mainFrm_.get(), &MainFrm::closeAccepted, this, &ConsoleWindows::endProgram);
    connect(&console_.screenChange, &ScreenChange::tableScreenRequested, this,
            &ConsoleWindows::showSetupFrm);
    connect(mainFrm_.get(), &MainFrm::logRequested, this, &ConsoleWindows::showLogFrm);
    connect(mainFrm_.get(), &MainFrm::aboutRequested, this, &ConsoleWindows::showAbout);
}

ConsoleWindows::~ConsoleWindows() {
    delete connectFrm_.data();
    delete setupFrm_.data();
    delete logFrm_.data();
}

void ConsoleWindows::showLogFrm() {
    if (!logFrm_) {
        // Made when first asked for: until then the log only keeps its entries.
        logFrm_ = new LogFrm(console_.log, console_.messages(), console_.timerMode());
        placeBeside(*logFrm_, *mainFrm_);
    }
    logFrm_->show();
    logFrm_->raise();
    logFrm_->activateWindow();
}

void ConsoleWindows::showAbout() {
    openAboutBox(mainFrm_.get());
}

void ConsoleWindows::showSetupFrm() {
    if (!setupFrm_) {
        // A window of its own beside the control screen, not a child kept on top of it. Its
        // logic lives as long as it does: a closed window takes its table and transfers along.
        auto* screen = new TableScreen(console_.tableLinks());
        console_.recordTableScreen(*screen);
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
