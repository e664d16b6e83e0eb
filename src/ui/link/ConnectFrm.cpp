// SPDX-License-Identifier: Apache-2.0
#include "ui/link/ConnectFrm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "link/ConnectDialogModel.h"
#include "link/Session.h"
#include "ui/kit/ConsolePalette.h"
#include "ui/kit/WidgetLook.h"

namespace quven {

ConnectFrm::ConnectFrm(ConnectDialogModel& form, Session& session, QWidget* parent)
    : QWidget(parent, Qt::Dialog), form_(&form), session_(session) {
    setControlName(this, QStringLiteral("ConnectFrm"), QStringLiteral("Connect"));
    setWindowTitle(QStringLiteral("Connect"));
    // The dialog's colours, whatever the desktop's theme; its fonts are the desktop's, and its
    // layout grows with them.
    kit::useConsolePalette(this);
    buildWidgets();
    bindToForm();
}

void ConnectFrm::buildWidgets() {
    hostText_ = new QLabel(QStringLiteral("Host Name:"), this);
    setControlName(hostText_, QStringLiteral("HostText"), QStringLiteral("Host name"));
    hostEdit_ = new QComboBox(this);
    hostEdit_->setEditable(true);
    // The list is the host history alone; typing Enter must not add to it.
    hostEdit_->setInsertPolicy(QComboBox::NoInsert);
    hostEdit_->setMinimumWidth(180);
    setControlName(hostEdit_, QStringLiteral("HostEdit"), QStringLiteral("Host name"));
    hostText_->setBuddy(hostEdit_);
    label1_ = new QLabel(QStringLiteral("PortNo"), this);
    setControlName(label1_, QStringLiteral("Label1"), QStringLiteral("Port number"));
    portEdit_ = new QLineEdit(this);
    setControlName(portEdit_, QStringLiteral("Text1"), QStringLiteral("Port number"));
    label1_->setBuddy(portEdit_);
    connectButton_ = new QPushButton(QStringLiteral("&Connect"), this);
    setControlName(connectButton_, QStringLiteral("ConnectButton"), QStringLiteral("Connect"));
    cancelButton_ = new QPushButton(QStringLiteral("Ca&ncel"), this);
    setControlName(cancelButton_, QStringLiteral("CancelButton"), QStringLiteral("Cancel"));
    // "Connect" is the default: Enter in the boxes presses it (keyPressEvent), and it shows the
    // default button's frame. A button with the focus takes Enter itself.
    connectButton_->setDefault(true);
    connectButton_->setAutoDefault(true);
    cancelButton_->setAutoDefault(true);

    auto* grid = new QGridLayout;
    grid->addWidget(hostText_, 0, 0);
    grid->addWidget(hostEdit_, 0, 1);
    grid->addWidget(label1_, 1, 0);
    grid->addWidget(portEdit_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(connectButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void ConnectFrm::bindToForm() {
    showHostList();
    portEdit_->setText(form_->portText());
    connect(form_, &ConnectDialogModel::hostListChanged, this, &ConnectFrm::showHostList);
    connect(form_, &ConnectDialogModel::hostTextChanged, this, [this](const QString& text) {
        if (hostEdit_->currentText() != text) {
            hostEdit_->setEditText(text);
        }
    });
    connect(form_, &ConnectDialogModel::portTextChanged, this, [this](const QString& text) {
        if (portEdit_->text() != text) {
            portEdit_->setText(text);
        }
    });
    connect(form_, &ConnectDialogModel::editableChanged, this, [this](bool editable) {
        hostEdit_->setEditable(editable);
        portEdit_->setReadOnly(!editable);
    });
    connect(form_, &ConnectDialogModel::shownChanged, this, &ConnectFrm::showShown);
    connect(form_, &ConnectDialogModel::raiseRequested, this, [this] {
        raise();
        activateWindow();
    });
    connect(hostEdit_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (form_) {
            form_->setHostText(text);
        }
    });
    connect(portEdit_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (form_) {
            form_->setPortText(text);
        }
    });
    connect(connectButton_, &QPushButton::clicked, &session_, &Session::ConnectButton_Click);
    connect(cancelButton_, &QPushButton::clicked, &session_, &Session::CancelButton_Click);
}

void ConnectFrm::showHostList() {
    const QSignalBlocker blocker(hostEdit_);
    hostEdit_->clear();
    hostEdit_->addItems(form_->hostList());
    hostEdit_->setEditText(form_->hostText());
}

void ConnectFrm::showShown(bool shown) {
    if (shown) {
        show();
        raise();
        activateWindow();
    } else {
        hide();
    }
}

// Enter presses "Connect", Escape "Cancel", as in any dialog; the boxes leave both keys to it.
void ConnectFrm::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            connectButton_->click();
            break;
        case Qt::Key_Escape:
            cancelButton_->click();
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void ConnectFrm::closeEvent(QCloseEvent* event) {
    // The close box discards the dialog and its host list; the next opening reads the
    // history file again.
    event->accept();
    session_.ConnectFrm_Closed();
}

}  // namespace quven
