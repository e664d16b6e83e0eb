// SPDX-License-Identifier: Apache-2.0
#include "link/ReceiveDisplay.h"

namespace quven {

void ReceiveDisplay::setText(const QString& text) {
    if (text == text_) {
        return;
    }
    text_ = text;
    Q_EMIT textChanged(text_);
}

}  // namespace quven
