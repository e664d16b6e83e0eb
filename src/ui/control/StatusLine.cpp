// SPDX-License-Identifier: Apache-2.0
#include "ui/control/StatusLine.h"

#include <QLabel>

#include "control/PanelState.h"
#include "link/LinkHealth.h"
#include "link/SessionControls.h"
#include "ui/control/PanelFonts.h"
#include "ui/kit/Colours.h"
#include "ui/kit/Controls.h"
#include "ui/kit/FixedLayout.h"
#include "ui/kit/Lamp.h"
#include "ui/kit/Typeface.h"
#include "ui/kit/WidgetLook.h"

namespace quven {

namespace {
// The fields left to right, in the control screen's client area.
constexpr int kFieldY = 422;
constexpr int kFieldHeight = 18;
constexpr struct {
    const char* name;
    const char* spoken;
    int x;
    int width;
} kFields[] = {
    {"Label8", "Host name", 16, 174},
    {"Label9", "Port number", 194, 96},
    {"Label13", "Firmware version", 294, 212},
};

// The link lamp and its caption at the right end, up to the frame's right edge.
constexpr int kLampSize = 12;
constexpr QRect kLinkLamp(510, kFieldY + (kFieldHeight - kLampSize) / 2, kLampSize, kLampSize);
constexpr QRect kLinkCaption(525, kFieldY, 29, kFieldHeight);

QColor lampColour(LinkHealth::State state) {
    switch (state) {
        case LinkHealth::State::Live:
            return colours::LinkLive;
        case LinkHealth::State::NoAnswer:
            return colours::LinkNoAnswer;
        case LinkHealth::State::NoSession:
            break;
    }
    return colours::LinkNoSession;
}

// What a screen reader hears of the lamp: its state alone. The tooltip's count of seconds
// since the last answer would be a new state every second.
QString spokenState(LinkHealth::State state) {
    switch (state) {
        case LinkHealth::State::Live:
            return QStringLiteral("answering");
        case LinkHealth::State::NoAnswer:
            return QStringLiteral("no answer");
        case LinkHealth::State::NoSession:
            break;
    }
    return QStringLiteral("no session");
}
}  // namespace

StatusLine::StatusLine(QWidget* parent, const QRect& area, SessionControls& sessionControls,
                       PanelState& panel, LinkHealth& linkHealth)
    : Panel(parent, QStringLiteral("StatusLine"), QStringLiteral("Status line"), area),
      sessionControls_(sessionControls),
      linkHealth_(linkHealth) {
    label8_ = field(0);
    label9_ = field(1);
    label13_ = field(2);
    buildLinkLamp();

    showSpokenText(label13_, panel.firmwareText());
    connect(&panel, &PanelState::firmwareTextChanged, label13_,
            [this](const QString& text) { showSpokenText(label13_, text); });
    showSession();
    connect(&sessionControls_, &SessionControls::changed, this, &StatusLine::showSession);
    showLink();
    connect(&linkHealth_, &LinkHealth::stateChanged, this, &StatusLine::showLink);
    connect(&linkHealth_, &LinkHealth::descriptionChanged, this, &StatusLine::showLink);
}

QLabel* StatusLine::field(int index) {
    const auto& entry = kFields[index];
    auto* label =
        kit::place(new QLabel(this), QLatin1String(entry.name), QLatin1String(entry.spoken),
                   local(QRect(entry.x, kFieldY, entry.width, kFieldHeight)));
    // The host comes from the history file, the firmware from the controller: plain text.
    label->setTextFormat(Qt::PlainText);
    return label;
}

void StatusLine::buildLinkLamp() {
    linkLamp_ = kit::place(new Lamp(this), QStringLiteral("LinkLamp"), QStringLiteral("Link lamp"),
                           local(kLinkLamp));
    linkCaption_ =
        kit::caption(this, QStringLiteral("LinkCaption"), QStringLiteral("LINK"),
                     local(kLinkCaption), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Link"));
    QLabel* caption = linkCaption_;
    caption->setFont(kit::plainFace(panelfonts::kSmall));
    caption->setIndent(0);
    caption->setMargin(0);
}

void StatusLine::showSession() {
    showSpokenText(label8_, sessionControls_.hostLabel());
    showSpokenText(label9_, sessionControls_.portLabel());
}

// The firmware is a live value too: it is dimmed with the panel's displays. The lamp is lit,
// its rim heavier, while answers arrive; a screen reader hears its state.
void StatusLine::showLink() {
    linkLamp_->setFillColour(lampColour(linkHealth_.state()));
    linkLamp_->setLit(linkHealth_.isLive());
    setSpokenState(linkLamp_, spokenState(linkHealth_.state()));
    linkLamp_->setToolTip(linkHealth_.description());
    linkCaption_->setToolTip(linkHealth_.description());
    setDimmed(label13_, !linkHealth_.isLive());
}

}  // namespace quven
