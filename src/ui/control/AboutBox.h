// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>

class QMessageBox;
class QWidget;

namespace quven {

// What "&About" says: the program's name and version, the Qt it was built with and runs on,
// the licence and the project's address.
QString aboutText();

// The About box over the window: opened window-modal, returning at once; it deletes itself
// when closed.
QMessageBox* openAboutBox(QWidget* window);

}  // namespace quven
