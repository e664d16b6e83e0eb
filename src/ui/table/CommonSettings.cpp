// SPDX-License-Identifier: Apache-2.0
#include "ui/table/CommonSettings.h"

#include <QGroupBox>
#include <QRadioButton>

#include "table/TableScreen.h"
#include "ui/kit/Colours.h"
#include "ui/kit/Typeface.h"
#include "ui/kit/WidgetLook.h"
#include "ui/table/CellBinding.h"
#include "ui/table/UnreadTint.h"

namespace quven {

namespace ti = tableindex;

// A LIMIT STOP group: its frame, where it stands (in twips of the window) and its two choices,
// with what a screen reader says of them.
struct CommonSettings::LimitStop {
    int frame;  // Frame1's index
    int left;
    int width;
    int first;  // Option2's index of the first choice
    const char* captions[2];
    const char* meanings[2];
};

namespace {
constexpr int kGroupTop = 9240;
constexpr int kGroupHeight = 735;
}  // namespace

CommonSettings::CommonSettings(QWidget* window, const kit::Twips& twips, const QRect& area,
                               TableScreen& screen)
    : TablePanel(window, QStringLiteral("CommonSettings"), QStringLiteral("Common setting"), twips,
                 area) {
    // The section's top edge is the function section's foot, which the table draws.
    section(QStringLiteral("CommonSection"), QStringLiteral("Common setting frame"), 300, 8580,
            6435, 1455);
    heading(QStringLiteral("lblCommon"), QStringLiteral("COMMON  SETTING"), 480, 8880,
            QStringLiteral("Common setting"));
    const LimitStop groups[] = {
        {16,
         540,
         3060,
         ti::EmStop,
         {"EM STOP", "SLOW STOP"},
         {"Emergency stop at a limit switch", "Slow stop at a limit switch"}},
        {17,
         3780,
         2880,
         ti::AllStop,
         {"ALL STOP", "INDIV. STOP"},
         {"Every axis stops at a limit switch", "Only the axis at the limit switch stops"}},
    };
    for (const LimitStop& group : groups) {
        buildLimitStop(group);
    }
    bind(screen);
}

void CommonSettings::buildLimitStop(const LimitStop& group) {
    auto* box = kit::place(
        new QGroupBox(QStringLiteral("LIMIT STOP"), this), numbered("Frame1", group.frame),
        QStringLiteral("Limit stop, %1 or %2")
            .arg(QLatin1String(group.captions[0]), QLatin1String(group.captions[1])),
        rect(group.left, kGroupTop, group.width, kGroupHeight));
    box->setFont(kit::face(kCaptionPoints));
    setBackColour(box, colours::Peach);
    frames_[group.frame - 16] = box;
    // The two choices side by side, the room left over shared out evenly around them.
    std::array<QRadioButton*, 2> buttons{};
    int spare = box->contentsRect().width();
    for (int k = 0; k < 2; ++k) {
        buttons[k] = new QRadioButton(QLatin1String(group.captions[k]), box);
        buttons[k]->setFont(box->font());
        spare -= buttons[k]->sizeHint().width();
    }
    const QRect room = box->contentsRect();
    int left = room.left() + spare / 3;
    for (int k = 0; k < 2; ++k) {
        const int index = group.first + k;
        const QSize size = buttons[k]->sizeHint();
        kit::place(
            buttons[k], numbered("Option2", index),
            QLatin1String("Limit stop ") + QLatin1String(group.captions[k]),
            QRect(left, room.center().y() - size.height() / 2 + 1, size.width(), size.height()));
        buttons[k]->setAccessibleDescription(QLatin1String(group.meanings[k]));
        left += size.width() + spare / 3;
        buttons[k]->setAutoExclusive(false);
        setBackColour(buttons[k], colours::Peach);
        options_[index - ti::EmStop] = buttons[k];
    }
}

void CommonSettings::bind(TableScreen& screen) {
    auto* cells = new CellBinding(screen.table, this);
    for (int index = ti::EmStop; index <= ti::IndivStop; ++index) {
        cells->bindOption2(index, options_[index - ti::EmStop]);
    }
    new UnreadTint(
        screen.unread, [this](int item) { return cellsOf(item); }, this);
}

// The limit stop's frames and choices; none for the items of the table's rows.
QList<QWidget*> CommonSettings::cellsOf(int item) const {
    if (tableitems::groupOf(item) != tableitems::LimitStop) {
        return {};
    }
    QList<QWidget*> cells{frames_[0], frames_[1]};
    for (QRadioButton* option : options_) {
        cells.append(option);
    }
    return cells;
}

}  // namespace quven
