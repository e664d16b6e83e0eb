#include "ui/control/StatusLine.h"

#include <QLabel>

#include "control/PanelState.h"
#include "link/SessionControls.h"
#include "ui/kit/FixedLayout.h"

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
    {"Label8", 16, 190},
    {"Label9", 210, 110},
    {"Label13", 324, 228},
};
}  // namespace

StatusLine::StatusLine(QWidget* parent, const QRect& area, SessionControls& sessionControls,
                       PanelState& panel)
    : Panel(parent, QStringLiteral("StatusLine"), area), sessionControls_(sessionControls) {
    const auto field = [this](int index) {
        const auto& entry = kFields[index];
        auto* label = kit::place(new QLabel(this), QLatin1String(entry.name),
                                 local(QRect(entry.x, kFieldY, entry.width, kFieldHeight)));
        // The host comes from the history file, the firmware from the controller: plain text.
        label->setTextFormat(Qt::PlainText);
        return label;
    };
    label8_ = field(0);
    label9_ = field(1);
    label13_ = field(2);

    label13_->setText(panel.firmwareText());
    connect(&panel, &PanelState::firmwareTextChanged, label13_, &QLabel::setText);
    showSession();
    connect(&sessionControls_, &SessionControls::changed, this, &StatusLine::showSession);
}

void StatusLine::showSession() {
    label8_->setText(sessionControls_.hostLabel());
    label9_->setText(sessionControls_.portLabel());
}

}  // namespace quven
