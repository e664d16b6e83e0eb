// SPDX-License-Identifier: Apache-2.0
#include "app/ConsoleProgram.h"

#include <QApplication>

#include "ui/control/MainFrm.h"
#include "ui/kit/WidgetLook.h"

namespace quven {

void ConsoleProgram::prepare(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("quven-console"));
    // The program ends by "Quit" or by a close of the control screen that it allows, never
    // because some window happened to be the last one closed.
    QApplication::setQuitOnLastWindowClosed(false);
    useConsoleStyle(application);
}

ConsoleProgram::ConsoleProgram()
    : console_(transport_, messages_, IntervalTimer::Mode::Running), windows_(console_) {
    messages_.setParentWindow(&windows_.mainFrm());
    windows_.mainFrm().show();
}

}  // namespace quven
