// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QColor>

// The console's colours, as RGB. "Button face" is not a colour of its own: a widget shown in
// the system's button-face colour simply carries no back colour (WidgetLook::clearBackColour).
namespace quven::colours {

inline const QColor LightYellow{0xFF, 0xFF, 0xC0};  // session buttons while connected, displays
inline const QColor Yellow{0xFF, 0xFF, 0x00};       // lit keypad keys, "Preset", "R/W Stop"
inline const QColor LampOn{0xFF, 0x00, 0x00};       // limit-switch lamp on
inline const QColor LampOff{0xFF, 0xFF, 0xFF};      // limit-switch lamp off
inline const QColor LightCyan{0xC0, 0xFF, 0xFF};    // receive display, "To Setup Screen"
inline const QColor Cyan{0x80, 0xFF, 0xFF};         // "CLR", "To Control Screen"
inline const QColor LightGreen{0xC0, 0xFF, 0xC0};   // "Start"
inline const QColor Green{0x80, 0xFF, 0x80};        // "Data Read", "Load from File"
inline const QColor LightRed{0xFF, 0x80, 0x80};     // "Stop", "Data Write"
inline const QColor LightOrange{0xFF, 0xC0, 0x80};  // "Save to File"
inline const QColor PanelGrey{0xE0, 0xE0, 0xE0};    // control screen background
inline const QColor Peach{0xFF, 0xE0, 0xC0};        // data-table screen background
inline const QColor NotRead{0xFF, 0xB0, 0xB0};      // table cells the last read did not read

// The link lamp, and the text of live displays while the controller is not answering.
inline const QColor LinkNoSession{0xB0, 0xB0, 0xB0};  // grey: no session
inline const QColor LinkLive{0x20, 0xC0, 0x20};       // green: answers arriving
inline const QColor LinkNoAnswer{0xFF, 0xB0, 0x00};   // amber: a query waits unanswered
// Live values that are not live: a mid grey, plainly paler than black yet readable on every
// colour it is shown on (contrast 5.3 on the panel's grey, 6.5 on a lit key's yellow, 6.8 on
// the displays' light yellow).
inline const QColor DimmedText{0x59, 0x59, 0x59};

}  // namespace quven::colours
