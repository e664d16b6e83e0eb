// SPDX-License-Identifier: Apache-2.0
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
    : TablePanel(window, QStringLiteral("ButtonRow"), QStringLiteral("Transfer buttons"), twips,
                 area) {
    // Each has a key that presses it from anywhere in the window, named in its tooltip.
    const struct {
        kit::ButtonLook look;
        int left;
        int width;
        void (TableScreen::*click)();
    } buttons[] = {
        {{"cmdDataRead", "Data Read", "Data table read from ORBEL", colours::Green, "F5",
          "Data Read"},
         7140,
         kNarrowButtonWidth,
         &TableScreen::cmdDataRead_Click},
        {{"cmdDataWrite", "Data Write", "Data table write into ORBEL", colours::LightRed, "F6",
          "Data Write"},
         7980,
         kNarrowButtonWidth,
         &TableScreen::cmdDataWrite_Click},
        {{"Command2", "R/W Stop", "", colours::Yellow, "Esc", "Read or write stop"},
         8820,
         kNarrowButtonWidth,
         &TableScreen::Command2_Click},
        // Emptying the whole table takes a key that is not pressed by chance.
        {{"cmdDataClear", "Data Clear", "Clear all data table ", colours::LightCyan,
          "Ctrl+Shift+Del", "Data Clear"},
         9660,
         kNarrowButtonWidth,
         &TableScreen::cmdDataClear_Click},
        {{"Command1", "To Control Screen", "Quit Editor", colours::Cyan, "", "To Control Screen"},
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
