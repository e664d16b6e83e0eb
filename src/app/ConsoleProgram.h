// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "app/Console.h"
#include "app/ConsoleWindows.h"
#include "link/TcpTransport.h"
#include "ui/kit/ModalMessageBox.h"

class QApplication;

namespace quven {

// The console program as the operator runs it: the real socket, modal message boxes, the
// console's logic with running timers, and its windows, the control screen shown.
class ConsoleProgram {
  public:
    // Prepares the application the way the program runs: its name, the console style, and an
    // end only by "Quit" or an allowed close of the control screen.
    static void prepare(QApplication& application);

    ConsoleProgram();

    MainFrm& mainFrm() { return windows_.mainFrm(); }

  private:
    TcpTransport transport_;
    ModalMessageBox messages_;
    Console console_;
    ConsoleWindows windows_;
};

}  // namespace quven
