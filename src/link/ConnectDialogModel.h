// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "core/ControllerPort.h"

namespace quven {

// The content of the connect dialog, `ConnectFrm`: the host box `HostEdit` (an editable text
// with a drop-down list of recent hosts), the port box `Text1`, and whether the dialog is
// shown. It lives as long as the dialog does; the widget binds to it both ways.
class ConnectDialogModel : public QObject {
    Q_OBJECT
  public:
    // The controller's address on the operator's network, offered before any history exists.
    static inline const QString kDefaultControllerAddress = QStringLiteral("192.168.1.100");
    static inline const QString kDefaultPort = QString::number(kControllerPort);

    using QObject::QObject;

    QStringList hostList() const { return hostList_; }
    QString hostText() const { return hostText_; }
    QString portText() const { return portText_; }
    bool isEditable() const { return editable_; }
    bool isShown() const { return shown_; }

    void setHostList(const QStringList& hosts);
    void setHostText(const QString& text);
    void setPortText(const QString& text);
    void setEditable(bool editable);
    // Shows the dialog, or brings it forward when it is shown already.
    void show();
    void hide();

  Q_SIGNALS:
    void hostListChanged();
    void hostTextChanged(const QString& text);
    void portTextChanged(const QString& text);
    void editableChanged(bool editable);
    void shownChanged(bool shown);
    void raiseRequested();

  private:
    QStringList hostList_;
    QString hostText_ = kDefaultControllerAddress;
    QString portText_ = kDefaultPort;
    bool editable_ = true;
    bool shown_ = false;
};

}  // namespace quven
