// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "core/Module1.h"
#include "link/ConnectDialogModel.h"

namespace quven {

class IntervalTimer;
class LineTransport;
class MessageSeam;
class SessionControls;

// The one session with the controller: the `Connect` toggle on the control screen, the
// connect dialog and its host history, "Quit", and the refused window close. Opening a
// session only starts the connection and the poll; whether it works shows at the first
// command sent.
class Session : public QObject {
    Q_OBJECT
  public:
    // The poll period a connect gives Timer2.
    static constexpr int kPollPeriodAfterConnect = 50;

    Session(Module1& module, LineTransport& transport, IntervalTimer& timer2,
            SessionControls& controls, MessageSeam& messages, QObject* parent = nullptr);
    ~Session() override;

    // The host history file; the current working directory's "MainfRM_L.Log" unless set.
    void setHistoryPath(const QString& path) { historyPath_ = path; }

    // `Connect`: closes an open session, or shows the connect dialog (created, with the host
    // history loaded, the first time).
    void Connect_Click();
    // `ConnectButton`: the connect sequence.
    void ConnectButton_Click();
    // `CancelButton`: closes the dialog without a session.
    void CancelButton_Click();
    // `Command1` ("Quit"): closes the socket and ends the program at once.
    void Command1_Click();
    // The control screen's window is being closed: refused while a session is open.
    // True when the program may end.
    bool MainFrm_QueryUnload();
    // The connect dialog's own close box: the dialog is discarded, nothing else changes.
    void ConnectFrm_Closed();

    // A send found no working connection; its message has been closed.
    void dropAfterFailedSend();

    // The connect dialog's content while the dialog exists, otherwise null.
    ConnectDialogModel* connectDialogModel() const { return form_.get(); }

  Q_SIGNALS:
    void connectDialogModelCreated(quven::ConnectDialogModel* form);
    void connectDialogModelDiscarded();
    void endProgram();
    // The session's course, for the communication log and the link lamp.
    void sessionOpened(const QString& host, int port);
    void connectRefused(const QString& host, const QString& port);
    void sessionClosed();   // by "Disconnect"
    void sessionDropped();  // after a send found no connection

  private:
    void createConnectDialogModel();
    bool connectSequence();
    void failConnect();
    void showSessionOpen();
    void tellHistoryNotSaved(const QString& reason);

    Module1& module_;
    LineTransport& transport_;
    IntervalTimer& timer2_;
    SessionControls& controls_;
    MessageSeam& messages_;
    QString historyPath_;
    std::unique_ptr<ConnectDialogModel> form_;
    bool historyFailureTold_ = false;
};

}  // namespace quven
