// SPDX-License-Identifier: Apache-2.0
#include "control/ScreenChange.h"

#include "core/IntervalTimer.h"
#include "core/MessageSeam.h"

namespace quven {

ScreenChange::ScreenChange(Module1& module, IntervalTimer& timer2, MessageSeam& messages,
                           QObject* parent)
    : QObject(parent), module_(module), timer2_(timer2), messages_(messages) {}

void ScreenChange::SetupPb_Click() {
    if (!module_.Connected) {
        messages_.show({QStringLiteral("Not connected !"), QStringLiteral("Caution !"),
                        MessageIcon::Information});
        return;
    }
    module_.ScreenMode = screenmode::Table;
    timer2_.setInterval(0);
    Q_EMIT tableScreenRequested();
}

}  // namespace quven
