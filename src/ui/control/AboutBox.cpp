// SPDX-License-Identifier: Apache-2.0
#include "ui/control/AboutBox.h"

#include <QMessageBox>

#include "core/Version.h"
#include "ui/kit/ConsolePalette.h"
#include "ui/kit/WidgetLook.h"

namespace quven {

QString aboutText() {
    return QStringLiteral(
               "QUVEN-01 Console (quven-console)\n"
               "Version %1\n\n"
               "The operator console of the QUVEN-01 eight-axis motor controller.\n\n"
               "Built with Qt %2, running on Qt %3.\n"
               "Licensed under the Apache License 2.0.\n\n"
               "%4")
        .arg(QLatin1String(kVersion), QLatin1String(QT_VERSION_STR), QLatin1String(qVersion()),
             QLatin1String(kHomepage));
}

QMessageBox* openAboutBox(QWidget* window) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("About QUVEN-01 Console"),
                                aboutText(), QMessageBox::Ok, window);
    setControlName(box, QStringLiteral("AboutBox"), QStringLiteral("About QUVEN-01 Console"));
    // The console's colours, as the window it belongs to, whatever the desktop's theme.
    kit::useConsolePalette(box);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText);
    // The address can be copied from the box.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->open();
    return box;
}

}  // namespace quven
