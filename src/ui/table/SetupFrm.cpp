#include "ui/table/SetupFrm.h"

#include <QCloseEvent>
#include <QScreen>

#include "table/TableScreen.h"
#include "ui/kit/Colours.h"
#include "ui/kit/WidgetLook.h"

namespace quven {

namespace {
// The resolution the layout's twips are turned into pixels at.
int layoutDpi(const QWidget* window) {
    const QScreen* screen = window->screen();
    return screen != nullptr ? qRound(screen->logicalDotsPerInchX())
                             : tablelook::Twips::kFallbackDpi;
}
}  // namespace

SetupFrm::SetupFrm(TableScreen& screen, QWidget* parent)
    : QWidget(parent, Qt::Window), screen_(screen), table_(screen.table), twips_(layoutDpi(this)) {
    setControlName(this, QStringLiteral("SetupFrm"));
    setWindowTitle(QStringLiteral("QUVEN-01 DATA READ WRITE control"));
    setBackColour(this, colours::Peach);
    setFixedSize(twips_(kClientWidth), twips_(kClientHeight));
    // The buttons and the file area use the face at 9 pt; the table sets its own sizes.
    setFont(tablelook::face(9));

    buildTopLine();
    buildNormalSection();
    buildFunctionSection();
    buildCommonSection();
    buildExplanations();
    buildFileArea();
    buildButtons();

    bindTable();
    bindUnreadMarks();
    bindFileArea();
}

void SetupFrm::closeEvent(QCloseEvent* event) {
    // Closing is never refused; the window and its table are discarded.
    event->accept();
    screen_.Form_Unload();
    Q_EMIT closed();
}

}  // namespace quven
