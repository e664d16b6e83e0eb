// SPDX-License-Identifier: Apache-2.0
#include "table/TransferStatus.h"

namespace quven {

void TransferStatus::setText(const QString& text) {
    if (text != text_) {
        text_ = text;
        Q_EMIT textChanged(text);
    }
}

}  // namespace quven
