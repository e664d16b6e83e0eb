// SPDX-License-Identifier: Apache-2.0
#include "ui/control/MainFrm.h"

#include <QCloseEvent>
#include <QMenuBar>

#include "link/Session.h"
#include "ui/control/DisplayArea.h"
#include "ui/control/PanelFonts.h"
#include "ui/control/RemoteArea.h"
#include "ui/control/StatusLine.h"
#include "ui/kit/Colours.h"
#include "ui/kit/ConsolePalette.h"
#include "ui/kit/FixedLayout.h"
#include "ui/kit/Hairline.h"
#include "ui/kit/ScreenFit.h"
#include "ui/kit/Typeface.h"
#include "ui/kit/WidgetLook.h"

namespace quven {

namespace {
// The drawn frame around the panel and the line between the display area and the
// remote-control area, at about two thirds of its height.
constexpr int kFrameLeft = 6;
constexpr int kFrameRight = 553;
constexpr int kFrameTop = 6;
constexpr int kFrameBottom = 414;
constexpr int kDividerY = 268;

// The areas inside the frame, above and below the divider, and the status line below it.
constexpr QRect kDisplayArea(kFrameLeft + 1, kFrameTop + 1, kFrameRight - kFrameLeft - 1,
                             kDividerY - kFrameTop - 1);
constexpr QRect kRemoteArea(kFrameLeft + 1, kDividerY + 1, kFrameRight - kFrameLeft - 1,
                            kFrameBottom - kDividerY - 1);
constexpr QRect kStatusLine(0, kFrameBottom + 1, MainFrm::kClientWidth,
                            MainFrm::kClientHeight - kFrameBottom - 1);

// A line of the frame, one layout pixel thick, that stays visible at every scale.
void line(QWidget* panel, const QString& name, const QString& spoken, const QRect& geometry) {
    const Qt::Orientation orientation = geometry.height() == 1 ? Qt::Horizontal : Qt::Vertical;
    kit::place(new kit::HairlineRule(orientation, panel), name, spoken, geometry);
}
}  // namespace

MainFrm::MainFrm(const ControlScreenParts& parts, QWidget* parent)
    : QMainWindow(parent), parts_(parts) {
    setControlName(this, QStringLiteral("MainFrm"), QStringLiteral("QUVEN-01 control screen"));
    setWindowTitle(QStringLiteral("Control via Telnet"));
    // The panel's fixed colours, whatever the desktop's theme; the menu bar keeps the
    // desktop's font, the panel its own sizes.
    kit::useConsolePalette(this);
    buildMenu();

    auto* panel = new QWidget(this);
    setControlName(panel, QStringLiteral("Panel"), QStringLiteral("Control screen"));
    setBackColour(panel, colours::PanelGrey);
    panel->setFont(kit::plainFace(panelfonts::kCaption));
    panel->setFixedSize(kClientWidth, kClientHeight);
    buildFrame(panel);
    new DisplayArea(panel, kDisplayArea, parts.panel, parts.commands, parts.linkHealth);
    new RemoteArea(panel, kRemoteArea, parts);
    new StatusLine(panel, kStatusLine, parts.sessionControls, parts.panel, parts.linkHealth);
    // On a screen too small for it, the panel scrolls below the menu bar.
    kit::fitMainWindowToScreen(this, panel);
}

void MainFrm::buildMenu() {
    QAction* about = menuBar()->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("Menu_About"));
    connect(about, &QAction::triggered, this, &MainFrm::aboutRequested);
    QAction* log = menuBar()->addAction(QStringLiteral("&Log"));
    log->setObjectName(QStringLiteral("Menu_Log"));
    log->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    log->setToolTip(QStringLiteral("Communication log (Ctrl+L)"));
    // The shortcut works wherever the focus is in this window.
    addAction(log);
    connect(log, &QAction::triggered, this, &MainFrm::logRequested);
}

void MainFrm::buildFrame(QWidget* panel) {
    const int width = kFrameRight - kFrameLeft + 1;
    const int height = kFrameBottom - kFrameTop + 1;
    line(panel, QStringLiteral("Line1"), QStringLiteral("Frame, top"),
         QRect(kFrameLeft, kFrameTop, width, 1));
    line(panel, QStringLiteral("Line2"), QStringLiteral("Frame, right"),
         QRect(kFrameRight, kFrameTop, 1, height));
    line(panel, QStringLiteral("Line3"), QStringLiteral("Frame, bottom"),
         QRect(kFrameLeft, kFrameBottom, width, 1));
    line(panel, QStringLiteral("Line4"), QStringLiteral("Frame, left"),
         QRect(kFrameLeft, kFrameTop, 1, height));
    line(panel, QStringLiteral("Line5"), QStringLiteral("Line above the remote control"),
         QRect(kFrameLeft, kDividerY, width, 1));
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
