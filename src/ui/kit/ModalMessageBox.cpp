// SPDX-License-Identifier: Apache-2.0
#include "ui/kit/ModalMessageBox.h"

#include <QMessageBox>

#include "ui/kit/ConsolePalette.h"

namespace quven {

namespace {
QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}
}  // namespace

// Messages can quote the controller or a file: shown as plain text, never as markup. Like the
// console's windows, the box keeps its light colours under a dark desktop theme.
void ModalMessageBox::show(const Message& message) {
    QMessageBox box(boxIcon(message.icon), message.caption, message.text, QMessageBox::Ok,
                    parent_.data());
    box.setTextFormat(Qt::PlainText);
    box.setPalette(kit::consolePalette());
    box.exec();
}

bool ModalMessageBox::ask(const Message& question) {
    QMessageBox box(boxIcon(question.icon), question.caption, question.text,
                    QMessageBox::Yes | QMessageBox::No, parent_.data());
    box.setTextFormat(Qt::PlainText);
    box.setPalette(kit::consolePalette());
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace quven
