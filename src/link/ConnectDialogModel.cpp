// SPDX-License-Identifier: Apache-2.0
#include "link/ConnectDialogModel.h"

namespace quven {

void ConnectDialogModel::setHostList(const QStringList& hosts) {
    if (hosts == hostList_) {
        return;
    }
    hostList_ = hosts;
    Q_EMIT hostListChanged();
}

void ConnectDialogModel::setHostText(const QString& text) {
    if (text == hostText_) {
        return;
    }
    hostText_ = text;
    Q_EMIT hostTextChanged(hostText_);
}

void ConnectDialogModel::setPortText(const QString& text) {
    if (text == portText_) {
        return;
    }
    portText_ = text;
    Q_EMIT portTextChanged(portText_);
}

void ConnectDialogModel::setEditable(bool editable) {
    if (editable == editable_) {
        return;
    }
    editable_ = editable;
    Q_EMIT editableChanged(editable_);
}

void ConnectDialogModel::show() {
    if (shown_) {
        Q_EMIT raiseRequested();
        return;
    }
    shown_ = true;
    Q_EMIT shownChanged(true);
}

void ConnectDialogModel::hide() {
    if (!shown_) {
        return;
    }
    shown_ = false;
    Q_EMIT shownChanged(false);
}

}  // namespace quven
