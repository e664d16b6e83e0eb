// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quven {

class ConnectDialogModel;
class Session;

// The connect dialog: widgets only, bound to the ConnectDialogModel it shows. Modeless, so the
// control screen stays usable while it is open. Enter connects, Escape cancels.
class ConnectFrm : public QWidget {
    Q_OBJECT
  public:
    ConnectFrm(ConnectDialogModel& form, Session& session, QWidget* parent = nullptr);

    QComboBox* hostEdit() const { return hostEdit_; }
    QLineEdit* portEdit() const { return portEdit_; }
    QPushButton* connectButton() const { return connectButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildWidgets();
    void bindToForm();
    void showHostList();
    void showShown(bool shown);

    QPointer<ConnectDialogModel> form_;
    Session& session_;
    QLabel* hostText_ = nullptr;
    QComboBox* hostEdit_ = nullptr;
    QLabel* label1_ = nullptr;
    QLineEdit* portEdit_ = nullptr;
    QPushButton* connectButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace quven
