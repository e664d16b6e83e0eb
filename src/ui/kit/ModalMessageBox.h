// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QPointer>
#include <QWidget>

#include "core/MessageSeam.h"

namespace quven {

// The program's seam: a modal QMessageBox over the given window. Like any modal box in Qt it
// runs a nested event loop, so timers and socket events keep being delivered while it is open.
class ModalMessageBox : public MessageSeam {
  public:
    void setParentWindow(QWidget* window) { parent_ = window; }
    void show(const Message& message) override;
    bool ask(const Message& question) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace quven
