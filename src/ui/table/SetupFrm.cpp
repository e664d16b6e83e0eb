#include "ui/table/SetupFrm.h"

#include <QCloseEvent>
#include <QScreen>

#include "table/TableScreen.h"
#include "ui/kit/Colours.h"
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
// function section's foot; the notes and the file area stand in the column right of it; the
// common settings lie below it, the button row beside them.
constexpr int kRightColumn = 10860;
constexpr int kTableFoot = 8595;
constexpr int kButtonRowLeft = 7140;
constexpr QRect kTableGrid(0, 0, kRightColumn, kTableFoot);
constexpr QRect kExplanations(kRightColumn, 720, SetupFrm::kClientWidth - kRightColumn, 2400);
constexpr QRect kFileArea(kRightColumn, 5100, SetupFrm::kClientWidth - kRightColumn,
                          kTableFoot - 5100);
constexpr QRect kCommonSettings(0, kTableFoot, kButtonRowLeft,
                                SetupFrm::kClientHeight - kTableFoot);
constexpr QRect kButtonRow(kButtonRowLeft, kTableFoot, SetupFrm::kClientWidth - kButtonRowLeft,
                           SetupFrm::kClientHeight - kTableFoot);

// The resolution the layout's twips are turned into pixels at.
int layoutDpi(const QWidget* window) {
    const QScreen* screen = window->screen();
    return screen != nullptr ? qRound(screen->logicalDotsPerInchX()) : kit::Twips::kFallbackDpi;
}
}  // namespace

SetupFrm::SetupFrm(TableScreen& screen, QWidget* parent)
    : QWidget(parent, Qt::Window), screen_(screen), twips_(layoutDpi(this)) {
    setControlName(this, QStringLiteral("SetupFrm"));
    setWindowTitle(QStringLiteral("QUVEN-01 DATA READ WRITE control"));
    setBackColour(this, colours::Peach);
    setFixedSize(twips_(kClientWidth), twips_(kClientHeight));
    // The buttons and the file area use the face at this size; the table sets its own sizes.
    setFont(kit::face(TablePanel::kCaptionPoints));

    new TableGrid(this, twips_, kTableGrid, screen);
    new CommonSettings(this, twips_, kCommonSettings, screen);
    new Explanations(this, twips_, kExplanations);
    new FileArea(this, twips_, kFileArea, screen);
    new ButtonRow(this, twips_, kButtonRow, screen);
    connect(&screen_, &TableScreen::hideRequested, this, &QWidget::hide);
}

void SetupFrm::closeEvent(QCloseEvent* event) {
    // Closing is never refused; the window and its table are discarded.
    event->accept();
    screen_.Form_Unload();
    Q_EMIT closed();
}

}  // namespace quven
