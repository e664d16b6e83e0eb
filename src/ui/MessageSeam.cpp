#include "ui/MessageSeam.h"

#include <QMessageBox>

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

void ModalMessageBox::show(const Message& message) {
    QMessageBox box(boxIcon(message.icon), message.caption, message.text, QMessageBox::Ok,
                    parent_.data());
    box.exec();
}

}  // namespace quven
