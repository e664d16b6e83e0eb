#include "ui/link/ConnectFrm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "link/ConnectDialogModel.h"
#include "link/Session.h"
#include "ui/kit/WidgetLook.h"

namespace quven {

ConnectFrm::ConnectFrm(ConnectDialogModel& form, Session& session, QWidget* parent)
    : QWidget(parent, Qt::Dialog), form_(&form), session_(session) {
    setControlName(this, QStringLiteral("ConnectFrm"));
    setWindowTitle(QStringLiteral("Connect"));
    buildWidgets();
    bindToForm();
}

void ConnectFrm::buildWidgets() {
    hostText_ = new QLabel(QStringLiteral("Host Name:"), this);
    setControlName(hostText_, QStringLiteral("HostText"));
    hostEdit_ = new QComboBox(this);
    hostEdit_->setEditable(true);
    // The list is the host history alone; typing Enter must not add to it.
    hostEdit_->setInsertPolicy(QComboBox::NoInsert);
    hostEdit_->setMinimumWidth(180);
    setControlName(hostEdit_, QStringLiteral("HostEdit"));
    label1_ = new QLabel(QStringLiteral("PortNo"), this);
    setControlName(label1_, QStringLiteral("Label1"));
    portEdit_ = new QLineEdit(this);
    setControlName(portEdit_, QStringLiteral("Text1"));
    connectButton_ = new QPushButton(QStringLiteral("&Connect"), this);
    setControlName(connectButton_, QStringLiteral("ConnectButton"));
    cancelButton_ = new QPushButton(QStringLiteral("Ca&ncel"), this);
    setControlName(cancelButton_, QStringLiteral("CancelButton"));

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

void ConnectFrm::closeEvent(QCloseEvent* event) {
    // The close box discards the dialog and its host list; the next opening reads the
    // history file again.
    event->accept();
    session_.ConnectFrm_Closed();
}

}  // namespace quven
