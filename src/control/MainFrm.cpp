#include "control/MainFrm.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

#include "link/ReceiveDisplay.h"
#include "link/Session.h"
#include "link/SessionControls.h"
#include "ui/Colours.h"
#include "ui/WidgetLook.h"

namespace quven {

namespace {
template <typename W>
W* place(W* widget, const QString& name, int x, int y, int width, int height) {
    setControlName(widget, name);
    widget->setGeometry(x, y, width, height);
    return widget;
}
}  // namespace

MainFrm::MainFrm(const ControlScreenParts& parts, QWidget* parent)
    : QMainWindow(parent),
      parts_(parts),
      session_(parts.session),
      sessionControls_(parts.sessionControls),
      receiveDisplay_(parts.receiveDisplay) {
    setControlName(this, QStringLiteral("MainFrm"));
    setWindowTitle(QStringLiteral("Control via Telnet"));
    buildMenu();

    auto* panel = new QWidget(this);
    setControlName(panel, QStringLiteral("Panel"));
    setBackColour(panel, colours::PanelGrey);
    panel->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(panel);
    buildSessionControls(panel);
    buildReceiveDisplay(panel);
    buildStatusLine(panel);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(&sessionControls_, &SessionControls::changed, this, &MainFrm::showSessionControls);
    showSessionControls();
}

void MainFrm::buildMenu() {
    // The entry carries no action: it is there as the controller's documentation shows it.
    QAction* about = menuBar()->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("Menu_About"));
}

void MainFrm::buildSessionControls(QWidget* panel) {
    connect_ = place(new QPushButton(panel), QStringLiteral("Connect"), 16, 300, 90, 30);
    connect_->setToolTip(QStringLiteral("Remote connection control"));
    command1_ = place(new QPushButton(QStringLiteral("Quit"), panel), QStringLiteral("Command1"),
                      16, 348, 90, 30);
    connect(connect_, &QPushButton::clicked, &session_, &Session::Connect_Click);
    connect(command1_, &QPushButton::clicked, &session_, &Session::Command1_Click);
}

void MainFrm::buildReceiveDisplay(QWidget* panel) {
    label19_ = place(new QLabel(panel), QStringLiteral("Label19"), 232, 348, 230, 30);
    setBackColour(label19_, colours::LightCyan);
    label19_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* caption = place(new QLabel(QStringLiteral("Receive Data"), panel),
                          QStringLiteral("Label21"), 232, 380, 230, 16);
    caption->setAlignment(Qt::AlignCenter);
    connect(&receiveDisplay_, &ReceiveDisplay::textChanged, label19_, &QLabel::setText);
    label19_->setText(receiveDisplay_.text());
}

void MainFrm::buildStatusLine(QWidget* panel) {
    label8_ = place(new QLabel(panel), QStringLiteral("Label8"), 16, 424, 190, 18);
    label9_ = place(new QLabel(panel), QStringLiteral("Label9"), 210, 424, 110, 18);
    label13_ = place(new QLabel(QStringLiteral("Firmware version"), panel),
                     QStringLiteral("Label13"), 324, 424, 228, 18);
}

void MainFrm::showSessionControls() {
    connect_->setText(sessionControls_.connectCaption());
    const QColor look = sessionControls_.sessionLit() ? colours::LightYellow : QColor();
    setBackColour(connect_, look);
    setBackColour(command1_, look);
    label8_->setText(sessionControls_.hostLabel());
    label9_->setText(sessionControls_.portLabel());
}

void MainFrm::closeEvent(QCloseEvent* event) {
    if (closeAllowed_ || session_.MainFrm_QueryUnload()) {
        closeAllowed_ = true;
        event->accept();
        Q_EMIT closeAccepted();
        return;
    }
    event->ignore();
}

}  // namespace quven
