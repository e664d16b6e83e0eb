#include "ui/control/StatusLine.h"

#include <QLabel>

#include "control/PanelState.h"
#include "link/LinkHealth.h"
#include "link/SessionControls.h"
#include "ui/kit/Colours.h"
#include "ui/kit/Controls.h"
#include "ui/kit/FixedLayout.h"
#include "ui/kit/Lamp.h"
#include "ui/kit/WidgetLook.h"

namespace quven {

namespace {
// The fields left to right, in the control screen's client area.
constexpr int kFieldY = 422;
constexpr int kFieldHeight = 18;
constexpr struct {
    const char* name;
    int x;
    int width;
} kFields[] = {
    {"Label8", 16, 174},
    {"Label9", 194, 96},
    {"Label13", 294, 212},
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
}  // namespace

StatusLine::StatusLine(QWidget* parent, const QRect& area, SessionControls& sessionControls,
                       PanelState& panel, LinkHealth& linkHealth)
    : Panel(parent, QStringLiteral("StatusLine"), area),
      sessionControls_(sessionControls),
      linkHealth_(linkHealth) {
    label8_ = field(0);
    label9_ = field(1);
    label13_ = field(2);
    buildLinkLamp();

    label13_->setText(panel.firmwareText());
    connect(&panel, &PanelState::firmwareTextChanged, label13_, &QLabel::setText);
    showSession();
    connect(&sessionControls_, &SessionControls::changed, this, &StatusLine::showSession);
    showLink();
    connect(&linkHealth_, &LinkHealth::stateChanged, this, &StatusLine::showLink);
    connect(&linkHealth_, &LinkHealth::descriptionChanged, this, &StatusLine::showLink);
}

QLabel* StatusLine::field(int index) {
    const auto& entry = kFields[index];
    auto* label = kit::place(new QLabel(this), QLatin1String(entry.name),
                             local(QRect(entry.x, kFieldY, entry.width, kFieldHeight)));
    // The host comes from the history file, the firmware from the controller: plain text.
    label->setTextFormat(Qt::PlainText);
    return label;
}

void StatusLine::buildLinkLamp() {
    linkLamp_ = kit::place(new Lamp(this), QStringLiteral("LinkLamp"), local(kLinkLamp));
    linkCaption_ = kit::caption(this, QStringLiteral("LinkCaption"), QStringLiteral("LINK"),
                                local(kLinkCaption));
    QLabel* caption = linkCaption_;
    QFont font = caption->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    caption->setFont(font);
    caption->setIndent(0);
    caption->setMargin(0);
}

void StatusLine::showSession() {
    label8_->setText(sessionControls_.hostLabel());
    label9_->setText(sessionControls_.portLabel());
}

// The firmware is a live value too: it is dimmed with the panel's displays.
void StatusLine::showLink() {
    linkLamp_->setFillColour(lampColour(linkHealth_.state()));
    linkLamp_->setToolTip(linkHealth_.description());
    linkCaption_->setToolTip(linkHealth_.description());
    setDimmed(label13_, !linkHealth_.isLive());
}

}  // namespace quven
