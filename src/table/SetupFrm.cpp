#include "table/SetupFrm.h"

#include <QCloseEvent>
#include <QPushButton>

#include "table/TableScreen.h"
#include "ui/Colours.h"
#include "ui/WidgetLook.h"

namespace quven {

SetupFrm::SetupFrm(TableScreen& screen, QWidget* parent)
    : QWidget(parent, Qt::Window), screen_(screen) {
    setControlName(this, QStringLiteral("SetupFrm"));
    setWindowTitle(QStringLiteral("QUVEN-01 DATA READ WRITE control"));
    setBackColour(this, colours::Peach);
    setFixedSize(969, 684);

    auto* toControl = new QPushButton(QStringLiteral("To Control Screen"), this);
    setControlName(toControl, QStringLiteral("Command1"));
    toControl->setToolTip(QStringLiteral("Quit Editor"));
    setBackColour(toControl, colours::Cyan);
    toControl->setGeometry(756, 620, 110, 40);
    connect(toControl, &QPushButton::clicked, &screen_, &TableScreen::Command1_Click);
    connect(&screen_, &TableScreen::hideRequested, this, &QWidget::hide);
}

void SetupFrm::closeEvent(QCloseEvent* event) {
    // Closing is never refused; the window and its table are discarded.
    event->accept();
    screen_.Form_Unload();
    Q_EMIT closed();
}

}  // namespace quven
