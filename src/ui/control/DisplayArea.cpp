// SPDX-License-Identifier: Apache-2.0
#include "ui/control/DisplayArea.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "control/OperatorCommands.h"
#include "control/PanelState.h"
#include "link/LinkHealth.h"
#include "ui/control/PanelFonts.h"
#include "ui/kit/Colours.h"
#include "ui/kit/Controls.h"
#include "ui/kit/DeviceCaption.h"
#include "ui/kit/Lamp.h"
#include "ui/kit/Typeface.h"
#include "ui/kit/WidgetLook.h"

namespace quven {

using kit::place;
using kit::plainFace;

// Every place below is in the control screen's client area, as the panel is drawn.
namespace {
const QString kPositionDisplay = QStringLiteral("Position display");
const QString kSpeedSelect = QStringLiteral("Speed select");

// The displays' column, right of their captions.
constexpr int kDisplayX = 76;
constexpr int kDisplayWidth = 184;

// Keypad: eight square axis keys in one row, the two mode keys above the first two.
constexpr int kKeyX = 16;
constexpr int kKeySize = 40;
constexpr int kKeyPitch = 48;
constexpr int kModeKeyY = 130;
constexpr int kModeKeyHeight = 24;
constexpr int kAxisKeyY = 160;
constexpr int kBottomRowY = 210;

// The keypad in the order its keys take the focus; an axis key's words name its number.
constexpr struct {
    int key;  // PanelState's key index
    const char* caption;
    int column;
    int y;
    int height;
    const char* spoken;
} kKeypad[] = {
    {PanelState::kFunctionKey, "8:F", 0, kModeKeyY, kModeKeyHeight, "Key 8, function mode"},
    {PanelState::kNormalKey, "9:N", 1, kModeKeyY, kModeKeyHeight, "Key 9, normal mode"},
    {0, "0", 0, kAxisKeyY, kKeySize, nullptr},
    {1, "1", 1, kAxisKeyY, kKeySize, nullptr},
    {2, "2", 2, kAxisKeyY, kKeySize, nullptr},
    {3, "3", 3, kAxisKeyY, kKeySize, nullptr},
    {4, "4", 4, kAxisKeyY, kKeySize, nullptr},
    {5, "5", 5, kAxisKeyY, kKeySize, nullptr},
    {6, "6", 6, kAxisKeyY, kKeySize, nullptr},
    {7, "7", 7, kAxisKeyY, kKeySize, nullptr},
};

// The mode and counter displays (Label2_0, Label2_1), each right of its caption.
constexpr struct {
    const char* captionName;
    const char* caption;
    const char* captionSpoken;
    const char* name;
    const char* spoken;
    int y;
    int height;
    qreal points;
} kDisplays[] = {
    {"Label1", "MODE", "Mode", "Label2_0", "Mode display", 60, 22, panelfonts::kCaption},
    {"Label3", "COUNT", "Count", "Label2_1", "Counter display", 86, 36, panelfonts::kCounter},
};

// Lamps: the header's digits name the columns; the lamps stand under them, a row for each
// switch. Each column stands at a fixed place, under its digit as the header is printed.
constexpr int kLampHeaderX = 390;
constexpr int kLampHeaderY = 12;
constexpr int kLampTop = 36;
constexpr int kLampPitch = 24;
constexpr int kLampSize = 12;
constexpr int kLampColumnX[] = {388, 407, 430, 453, 472, 491, 510, 529};
const QString kLampHeader = QStringLiteral("0   1    2    3   4   5   6   7");
constexpr struct {
    const char* name;
    const char* caption;
    const char* spoken;  // the row's lamps: "<spoken> lamp, axis 2"
} kLampRows[] = {
    {"Label10_5", "cwls", "Clockwise limit"},
    {"Label16", "cwp", "Clockwise pulse"},
    {"Label17", "ccwp", "Counter-clockwise pulse"},
    {"Label18", "ccwls", "Counter-clockwise limit"},
};

// The jog keys at the right end, "+" in the axis keys' row and "-" in the row below.
constexpr int kJogX = 478;
constexpr int kJogWidth = 60;

QLabel* displayLabel(QWidget* parent, const QString& name, const QString& spoken,
                     const QRect& geometry, const QFont& font) {
    auto* label = place(new QLabel(parent), name, spoken, geometry);
    // The displays show the controller's text: plain, never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setToolTip(kPositionDisplay);
    setBackColour(label, colours::LightYellow);
    return label;
}

}  // namespace

DisplayArea::DisplayArea(QWidget* parent, const QRect& area, PanelState& panel,
                         OperatorCommands& commands, LinkHealth& linkHealth)
    : Panel(parent, QStringLiteral("DisplayArea"), QStringLiteral("Controller panel"), area),
      panel_(panel),
      commands_(commands),
      linkHealth_(linkHealth) {
    buildDisplays();
    buildLamps();
    buildKeypad();
    buildSpeed();
    buildJog();
    bind();
}

void DisplayArea::buildDisplays() {
    // The controller's panel prints its title large, in the console's face, bold at every
    // scale.
    auto* title =
        place(new kit::DeviceCaption(QStringLiteral("QUVEN-01"), this), QStringLiteral("lbl0"),
              QStringLiteral("QUVEN-01"), local(QRect(16, 10, 200, 32)));
    title->setFont(kit::face(panelfonts::kTitle, true));

    kit::caption(this, QStringLiteral("Label11_0"), QStringLiteral("LCD DISPLAY"),
                 local(QRect(kDisplayX, 44, kDisplayWidth, 16)), Qt::AlignCenter,
                 QStringLiteral("LCD display"));
    for (int row = 0; row < int(label2_.size()); ++row) {
        const auto& display = kDisplays[row];
        kit::caption(this, QLatin1String(display.captionName), QLatin1String(display.caption),
                     local(QRect(16, display.y, 58, display.height)),
                     Qt::AlignLeft | Qt::AlignVCenter, QLatin1String(display.captionSpoken))
            ->setFont(plainFace(panelfonts::kCaption, true));
        label2_[row] =
            displayLabel(this, QLatin1String(display.name), QLatin1String(display.spoken),
                         local(QRect(kDisplayX, display.y, kDisplayWidth, display.height)),
                         plainFace(display.points, true));
    }
}

void DisplayArea::buildLamps() {
    auto* header = kit::caption(this, QStringLiteral("Label5"), kLampHeader,
                                local(QRect(kLampHeaderX, kLampHeaderY, 156, 16)),
                                Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Axes 0 to 7"));
    // Its runs of blanks put the digits over the columns, from the edge on.
    header->setTextFormat(Qt::PlainText);
    header->setIndent(0);

    for (int row = 0; row < 4; ++row) {
        const int y = kLampTop + row * kLampPitch;
        const QString words = QLatin1String(kLampRows[row].spoken);
        kit::caption(this, QLatin1String(kLampRows[row].name),
                     QLatin1String(kLampRows[row].caption),
                     local(QRect(kLampHeaderX - 56, y - 2, 48, kLampSize + 4)),
                     Qt::AlignRight | Qt::AlignVCenter, words + QLatin1String(" lamps"));
        for (int column = 0; column < 8; ++column) {
            const int lamp = row * 8 + column;
            shape1_[lamp] = place(new Lamp(this), QStringLiteral("Shape1_%1").arg(lamp),
                                  words + QStringLiteral(" lamp, axis %1").arg(column),
                                  local(QRect(kLampColumnX[column], y, kLampSize, kLampSize)));
        }
    }
}

void DisplayArea::buildKeypad() {
    for (const auto& key : kKeypad) {
        const QString spoken =
            key.spoken != nullptr ? QLatin1String(key.spoken)
                                  : QStringLiteral("Key %1, axis or function mode %1").arg(key.key);
        command3_[key.key] =
            place(new QPushButton(QLatin1String(key.caption), this),
                  QStringLiteral("Command3_%1").arg(key.key), spoken,
                  local(QRect(kKeyX + key.column * kKeyPitch, key.y, kKeySize, key.height)));
    }
    const kit::ButtonLook res{"Ctr_0",  "RES", "position data preset",
                              QColor(), "",    "RES, preset the counter to zero"};
    auto* button =
        kit::button<QPushButton>(this, res, local(QRect(kKeyX, kBottomRowY, 56, kKeySize)));
    connect(button, &QPushButton::clicked, &commands_,
            [&commands = commands_] { commands.Ctr_Click(OperatorCommands::Res); });
}

void DisplayArea::buildSpeed() {
    auto* frame =
        place(new QGroupBox(QStringLiteral("SPEED"), this), QStringLiteral("Frame2"),
              QStringLiteral("Speed range"), local(QRect(84, kBottomRowY - 6, 162, kKeySize + 6)));
    frame->setToolTip(kSpeedSelect);
    // The selectors are light grey, the panel's own colour.
    setBackColour(frame, colours::PanelGrey);
    const char* letters[] = {"H", "M", "L"};
    const char* spoken[] = {"High speed", "Middle speed", "Low speed"};
    for (int option = 0; option < 3; ++option) {
        option2_[option] =
            place(new QRadioButton(QLatin1String(letters[option]), frame),
                  QStringLiteral("Option2_%1").arg(option), QLatin1String(spoken[option]),
                  QRect(12 + option * 50, 20, 44, 20));
        option2_[option]->setToolTip(kSpeedSelect);
        setBackColour(option2_[option], colours::PanelGrey);
    }
}

void DisplayArea::buildJog() {
    kit::caption(this, QStringLiteral("Label7"), QStringLiteral("JOG"),
                 local(QRect(kJogX, kModeKeyY, kJogWidth, 24)), Qt::AlignCenter,
                 QStringLiteral("Jog"))
        ->setFont(plainFace(panelfonts::kCaption, true));
    const struct {
        kit::ButtonLook look;
        int y;
        void (OperatorCommands::*click)();
    } keys[] = {
        {{"Command6", "+", "CW jog", QColor(), "", "CW jog"},
         kAxisKeyY,
         &OperatorCommands::Command6_Click},
        {{"Command7", "-", "CCW jog", QColor(), "", "CCW jog"},
         kBottomRowY,
         &OperatorCommands::Command7_Click},
    };
    for (const auto& key : keys) {
        auto* button = kit::button<QPushButton>(this, key.look,
                                                local(QRect(kJogX, key.y, kJogWidth, kKeySize)));
        button->setFont(plainFace(panelfonts::kLarge, true));
        connect(button, &QPushButton::clicked, &commands_, key.click);
    }
}

void DisplayArea::bind() {
    QLabel* mode = label2_[kModeDisplay];
    QLabel* counter = label2_[kCounterDisplay];
    showSpokenText(mode, panel_.modeText());
    showSpokenText(counter, panel_.counterText());
    connect(&panel_, &PanelState::modeTextChanged, mode,
            [mode](const QString& text) { showSpokenText(mode, text); });
    connect(&panel_, &PanelState::counterTextChanged, counter,
            [counter](const QString& text) { showSpokenText(counter, text); });

    for (int key = 0; key < PanelState::kKeyCount; ++key) {
        showKey(key, panel_.keyLit(key));
        connect(command3_[key], &QPushButton::clicked, &commands_,
                [&commands = commands_, key] { commands.Command3_Click(key); });
    }
    connect(&panel_, &PanelState::keyLitChanged, this, &DisplayArea::showKey);

    for (int lamp = 0; lamp < PanelState::kLampCount; ++lamp) {
        showLamp(lamp, panel_.lampOn(lamp));
    }
    connect(&panel_, &PanelState::lampChanged, this, &DisplayArea::showLamp);

    // Only the operator's click sends a speed range; a selection shown from a reply does not,
    // which is why this listens to clicked and not to toggled.
    showSpeed(panel_.speedOption());
    for (int option = 0; option < 3; ++option) {
        connect(option2_[option], &QRadioButton::clicked, &commands_,
                [&commands = commands_, option] { commands.Option2_Click(option); });
    }
    connect(&panel_, &PanelState::speedOptionChanged, this, &DisplayArea::showSpeed);

    showLive(linkHealth_.isLive());
    connect(&linkHealth_, &LinkHealth::stateChanged, this,
            [this] { showLive(linkHealth_.isLive()); });
}

void DisplayArea::showKey(int key, bool lit) {
    setKeyLit(command3_[key], lit ? colours::Yellow : QColor());
}

void DisplayArea::showLamp(int lamp, bool on) {
    shape1_[lamp]->setFillColour(on ? colours::LampOn : colours::LampOff);
    shape1_[lamp]->setLit(on);
    setSpokenState(shape1_[lamp], QLatin1String(on ? "on" : "off"));
}

// The displays' contents stay; only their text (a lamp's rim) turns pale.
void DisplayArea::showLive(bool live) {
    for (QLabel* display : label2_) {
        setDimmed(display, !live);
    }
    for (QPushButton* key : command3_) {
        setDimmed(key, !live);
    }
    for (QRadioButton* option : option2_) {
        setDimmed(option, !live);
    }
    for (Lamp* lamp : shape1_) {
        lamp->setDimmed(!live);
    }
}

void DisplayArea::showSpeed(int option) {
    if (option >= 0 && option < int(option2_.size())) {
        option2_[option]->setChecked(true);
    }
}

}  // namespace quven
