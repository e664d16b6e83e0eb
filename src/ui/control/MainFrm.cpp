#include "ui/control/MainFrm.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>

#include "control/PanelState.h"
#include "link/Session.h"
#include "ui/kit/Colours.h"
#include "ui/kit/PanelLook.h"
#include "ui/kit/WidgetLook.h"

namespace quven {

using panellook::place;

namespace {
// The drawn frame around the panel and the line between the display area and the
// remote-control area, at about two thirds of its height.
constexpr int kFrameLeft = 6;
constexpr int kFrameRight = 553;
constexpr int kFrameTop = 6;
constexpr int kFrameBottom = 414;
constexpr int kDividerY = 268;

QFrame* line(QWidget* panel, const QString& name, const QRect& geometry) {
    auto* drawn = place(new QFrame(panel), name, geometry);
    drawn->setFrameShape(geometry.height() == 1 ? QFrame::HLine : QFrame::VLine);
    drawn->setFrameShadow(QFrame::Plain);
    drawn->setLineWidth(1);
    return drawn;
}
}  // namespace

MainFrm::MainFrm(const ControlScreenParts& parts, QWidget* parent)
    : QMainWindow(parent), parts_(parts) {
    setControlName(this, QStringLiteral("MainFrm"));
    setWindowTitle(QStringLiteral("Control via Telnet"));
    buildMenu();

    auto* panel = new QWidget(this);
    setControlName(panel, QStringLiteral("Panel"));
    setBackColour(panel, colours::PanelGrey);
    panel->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(panel);
    buildFrame(panel);
    buildDisplays(panel);
    buildLamps(panel);
    buildKeypad(panel);
    buildSpeedAndJog(panel);
    buildSessionRow(panel);
    buildCommandRow(panel);
    buildModeSelector(panel);
    buildManualRow(panel);
    buildStatusLine(panel);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    bindDisplayArea();
    bindRemoteArea();
}

void MainFrm::buildMenu() {
    // The entry carries no action: it is there as the controller's documentation shows it.
    QAction* about = menuBar()->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("Menu_About"));
}

void MainFrm::buildFrame(QWidget* panel) {
    const int width = kFrameRight - kFrameLeft + 1;
    const int height = kFrameBottom - kFrameTop + 1;
    line(panel, QStringLiteral("Line1"), QRect(kFrameLeft, kFrameTop, width, 1));
    line(panel, QStringLiteral("Line2"), QRect(kFrameRight, kFrameTop, 1, height));
    line(panel, QStringLiteral("Line3"), QRect(kFrameLeft, kFrameBottom, width, 1));
    line(panel, QStringLiteral("Line4"), QRect(kFrameLeft, kFrameTop, 1, height));
    line(panel, QStringLiteral("Line5"), QRect(kFrameLeft, kDividerY, width, 1));
}

void MainFrm::buildStatusLine(QWidget* panel) {
    label8_ = place(new QLabel(panel), QStringLiteral("Label8"), QRect(16, 422, 190, 18));
    label9_ = place(new QLabel(panel), QStringLiteral("Label9"), QRect(210, 422, 110, 18));
    label13_ = place(new QLabel(panel), QStringLiteral("Label13"), QRect(324, 422, 228, 18));
    // The host comes from the history file, the firmware from the controller: plain text.
    for (QLabel* label : {label8_, label9_, label13_}) {
        label->setTextFormat(Qt::PlainText);
    }
}

void MainFrm::closeEvent(QCloseEvent* event) {
    if (closeAllowed_ || parts_.session.MainFrm_QueryUnload()) {
        closeAllowed_ = true;
        event->accept();
        Q_EMIT closeAccepted();
        return;
    }
    event->ignore();
}

}  // namespace quven
