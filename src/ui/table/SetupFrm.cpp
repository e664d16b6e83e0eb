// SPDX-License-Identifier: Apache-2.0
#include "ui/table/SetupFrm.h"

#include <QCloseEvent>
#include <QScreen>

#include "table/TableScreen.h"
#include "ui/kit/Colours.h"
#include "ui/kit/ConsolePalette.h"
#include "ui/kit/Panel.h"
#include "ui/kit/ScreenFit.h"
#include "ui/kit/Typeface.h"
#include "ui/kit/WidgetLook.h"
#include "ui/table/ButtonRow.h"
#include "ui/table/CommonSettings.h"
#include "ui/table/Explanations.h"
#include "ui/table/FileArea.h"
#include "ui/table/TableGrid.h"

namespace quven {

namespace {
// The window's panels, in twips; they do not overlap. The table on the left reaches down to the
// function section's foot; the notes and the file area stand in the column right of it, the
// file area down to the folder line below its buttons; the common settings lie below the table,
// the button row beside them.
constexpr int kRightColumn = 10860;
constexpr int kTableFoot = 8595;
constexpr int kFileAreaFoot = 9240;
constexpr int kButtonRowLeft = 7140;
constexpr QRect kTableGrid(0, 0, kRightColumn, kTableFoot);
constexpr QRect kExplanations(kRightColumn, 720, SetupFrm::kClientWidth - kRightColumn, 2400);
constexpr QRect kFileArea(kRightColumn, 5100, SetupFrm::kClientWidth - kRightColumn,
                          kFileAreaFoot - 5100);
constexpr QRect kCommonSettings(0, kTableFoot, kButtonRowLeft,
                                SetupFrm::kClientHeight - kTableFoot);
constexpr QRect kButtonRow(kButtonRowLeft, kFileAreaFoot, SetupFrm::kClientWidth - kButtonRowLeft,
                           SetupFrm::kClientHeight - kFileAreaFoot);

// The resolution the layout's twips are turned into pixels at.
int layoutDpi(const QWidget* window) {
    const QScreen* screen = window->screen();
    return screen != nullptr ? qRound(screen->logicalDotsPerInchX()) : kit::Twips::kFallbackDpi;
}
}  // namespace

SetupFrm::SetupFrm(TableScreen& screen, QWidget* parent)
    : QWidget(parent, Qt::Window), screen_(screen), twips_(layoutDpi(this)) {
    setWindowTitle(QStringLiteral("QUVEN-01 DATA READ WRITE control"));
    setControlName(this, QStringLiteral("SetupFrm"), QStringLiteral("QUVEN-01 data table"));
    // The screen's fixed colours, whatever the desktop's theme.
    kit::useConsolePalette(this);
    setBackColour(this, colours::Peach);
    // The buttons and the file area use the face at this size; the table sets its own sizes.
    setFont(kit::face(TablePanel::kCaptionPoints));

    // Everything is drawn on one canvas the size of the layout, which scrolls on a screen too
    // small for it.
    auto* canvas =
        new kit::Panel(this, QStringLiteral("SetupCanvas"), QStringLiteral("Data table screen"),
                       QRect(0, 0, twips_(kClientWidth), twips_(kClientHeight)));
    setBackColour(canvas, colours::Peach);
    // The Tab key visits the panels in the order they are made: first the buttons an operator
    // starts with (Data Read, Data Write, R/W Stop, Data Clear, To Control Screen), then the
    // file area, then the table row by row, each row from POS to DRIVE, the limit stop last.
    new ButtonRow(canvas, twips_, kButtonRow, screen);
    new FileArea(canvas, twips_, kFileArea, screen);
    new TableGrid(canvas, twips_, kTableGrid, screen);
    new CommonSettings(canvas, twips_, kCommonSettings, screen);
    new Explanations(canvas, twips_, kExplanations);
    kit::fitWindowToScreen(this, canvas);
    connect(&screen_, &TableScreen::hideRequested, this, &QWidget::hide);
}

void SetupFrm::closeEvent(QCloseEvent* event) {
    // Closing is never refused; the window and its table are discarded.
    event->accept();
    screen_.Form_Unload();
    Q_EMIT closed();
}

}  // namespace quven
