// SPDX-License-Identifier: Apache-2.0
#include "link/Session.h"

#include <optional>

#include "core/IntervalTimer.h"
#include "core/MessageSeam.h"
#include "core/NumberText.h"
#include "link/ConnectDialogModel.h"
#include "link/HostHistory.h"
#include "link/LineTransport.h"
#include "link/SessionControls.h"

namespace quven {

Session::Session(Module1& module, LineTransport& transport, IntervalTimer& timer2,
                 SessionControls& controls, MessageSeam& messages, QObject* parent)
    : QObject(parent),
      module_(module),
      transport_(transport),
      timer2_(timer2),
      controls_(controls),
      messages_(messages),
      historyPath_(hosthistory::kFileName) {}

Session::~Session() = default;

void Session::Connect_Click() {
    if (module_.Connected) {
        transport_.close();
        timer2_.setInterval(0);
        module_.Connected = false;
        controls_.setConnectCaption(QStringLiteral("Connect"));
        controls_.setSessionLit(false);
        controls_.setLabels(QStringLiteral("Host Name "), QStringLiteral("Port No. "));
        Q_EMIT sessionClosed();
        return;
    }
    if (!form_) {
        createConnectDialogModel();
    }
    form_->setEditable(true);
    form_->show();
}

void Session::createConnectDialogModel() {
    form_ = std::make_unique<ConnectDialogModel>();
    const hosthistory::Loaded history = hosthistory::load(historyPath_);
    form_->setHostList(history.entries);
    if (history.complete) {
        form_->setHostText(history.entries.value(0));
    }
    Q_EMIT connectDialogModelCreated(form_.get());
}

void Session::ConnectButton_Click() {
    if (!form_) {
        return;
    }
    if (!connectSequence()) {
        failConnect();
    }
}

bool Session::connectSequence() {
    module_.HostName = form_->hostText();
    const std::optional<qint16> port = portNumberFromText(form_->portText());
    if (!port) {
        return false;
    }
    module_.PortNo = *port;
    if (!transport_.connectToController(module_.HostName, module_.PortNo)) {
        return false;
    }
    controls_.setLabels(QStringLiteral("Host Name ") + module_.HostName,
                        QStringLiteral("Port No. ") + QString::number(module_.PortNo));

    const QString host = form_->hostText();
    QStringList hosts = form_->hostList();
    hosthistory::remember(hosts, host);
    form_->setHostList(hosts);
    form_->setHostText(host);
    QString historyError;
    const bool historySaved = hosthistory::save(historyPath_, hosts, &historyError);

    module_.Connected = true;
    // While the data-table screen owns the replies the poll stays stopped; it starts when the
    // control screen takes them back, with "VER?" first.
    if (module_.ScreenMode == screenmode::Control) {
        timer2_.setInterval(kPollPeriodAfterConnect);
    }
    module_.PollState = pollstate::Firmware;
    module_.ReplyWaitTicks = 0;
    module_.ReplyPending = false;
    showSessionOpen();
    Q_EMIT sessionOpened(module_.HostName, module_.PortNo);
    form_->hide();
    if (!historySaved) {
        tellHistoryNotSaved(historyError);
    }
    return true;
}

// A history that cannot be written must not keep the operator from the controller: the session
// opens, and the operator hears of it once in a run.
void Session::tellHistoryNotSaved(const QString& reason) {
    if (historyFailureTold_) {
        return;
    }
    historyFailureTold_ = true;
    messages_.show({QStringLiteral("The host history could not be saved to ") + historyPath_ +
                        QStringLiteral(": ") + reason +
                        QStringLiteral(". The session is open; this host will not be offered "
                                       "again next time."),
                    QStringLiteral("Caution !"), MessageIcon::Information});
}

void Session::showSessionOpen() {
    controls_.setSessionLit(true);
    controls_.setConnectCaption(QStringLiteral("Disconnect"));
}

void Session::failConnect() {
    Q_EMIT connectRefused(form_->hostText(), form_->portText());
    messages_.show(
        {QStringLiteral("Wrong port number !"), QStringLiteral("QUVEN"), MessageIcon::None});
    transport_.close();
}

void Session::CancelButton_Click() {
    transport_.close();
    if (form_) {
        form_->hide();
    }
    controls_.setConnectCaption(QStringLiteral("Connect"));
    module_.Connected = false;
}

void Session::Command1_Click() {
    if (module_.Connected) {
        transport_.close();
    }
    Q_EMIT endProgram();
}

bool Session::MainFrm_QueryUnload() {
    if (!module_.Connected) {
        return true;
    }
    messages_.show({QStringLiteral("Session is still active, Please disconnect before exit."),
                    QStringLiteral("Caution !"), MessageIcon::Information});
    return false;
}

void Session::ConnectFrm_Closed() {
    if (!form_) {
        return;
    }
    form_.reset();
    Q_EMIT connectDialogModelDiscarded();
}

void Session::dropAfterFailedSend() {
    module_.Connected = false;
    timer2_.setInterval(0);
    controls_.setSessionLit(false);
    controls_.setConnectCaption(QStringLiteral("Connect"));
    Q_EMIT sessionDropped();
}

}  // namespace quven
