#include "ui/table/ButtonRow.h"

#include "table/TableScreen.h"
#include "ui/kit/Colours.h"
#include "ui/kit/Controls.h"
#include "ui/table/TableCells.h"

namespace quven {

namespace {
// In twips of the window.
constexpr int kButtonTop = 9300;
constexpr int kButtonHeight = 615;
constexpr int kNarrowButtonWidth = 795;
}  // namespace

ButtonRow::ButtonRow(QWidget* window, const kit::Twips& twips, const QRect& area,
                     TableScreen& screen)
    : TablePanel(window, QStringLiteral("ButtonRow"), twips, area) {
    const struct {
        kit::ButtonLook look;
        int left;
        int width;
        void (TableScreen::*click)();
    } buttons[] = {
        {{"cmdDataRead", "Data Read", "Data table read from ORBEL", colours::Green},
         7140,
         kNarrowButtonWidth,
         &TableScreen::cmdDataRead_Click},
        {{"cmdDataWrite", "Data Write", "Data table write into ORBEL", colours::LightRed},
         7980,
         kNarrowButtonWidth,
         &TableScreen::cmdDataWrite_Click},
        {{"Command2", "R/W Stop", "", colours::Yellow},
         8820,
         kNarrowButtonWidth,
         &TableScreen::Command2_Click},
        {{"cmdDataClear", "Data Clear", "Clear all data table ", colours::LightCyan},
         9660,
         kNarrowButtonWidth,
         &TableScreen::cmdDataClear_Click},
        {{"Command1", "To Control Screen", "Quit Editor", colours::Cyan},
         11340,
         1680,
         &TableScreen::Command1_Click},
    };
    for (const auto& entry : buttons) {
        auto* button = kit::button<WrappingButton>(
            this, entry.look, rect(entry.left, kButtonTop, entry.width, kButtonHeight));
        connect(button, &QPushButton::clicked, &screen, entry.click);
    }
}

}  // namespace quven
