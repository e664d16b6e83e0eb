// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <QString>

namespace quven {

// What the control screen shows of the session: the caption of `Connect`, whether `Connect`
// and `Command1` are lit light yellow (an open session) or in the button-face colour, and the
// status labels `Label8` and `Label9`.
class SessionControls : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    QString connectCaption() const { return connectCaption_; }
    bool sessionLit() const { return sessionLit_; }
    QString hostLabel() const { return hostLabel_; }
    QString portLabel() const { return portLabel_; }

    void setConnectCaption(const QString& caption);
    void setSessionLit(bool lit);
    void setLabels(const QString& host, const QString& port);

  Q_SIGNALS:
    void changed();

  private:
    QString connectCaption_ = QStringLiteral("&Connect...");
    bool sessionLit_ = false;
    QString hostLabel_ = QStringLiteral("Host Name");
    QString portLabel_ = QStringLiteral("Port No.");
};

}  // namespace quven
