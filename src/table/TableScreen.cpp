#include "table/TableScreen.h"

#include "ui/IntervalTimer.h"

namespace quven {

TableScreen::TableScreen(Module1& module, IntervalTimer& timer2, QObject* parent)
    : QObject(parent), module_(module), timer2_(timer2) {}

void TableScreen::Command1_Click() {
    module_.ScreenMode = screenmode::Control;
    Q_EMIT hideRequested();
    timer2_.setInterval(kPollPeriodAfterReturn);
}

void TableScreen::Form_Unload() {
    module_.ScreenMode = screenmode::Control;
    timer2_.setInterval(kPollPeriodAfterClose);
}

}  // namespace quven
