// The control screen's upper display area: title, mode and counter displays, limit-switch
// lamps, keypad, speed selector and jog keys, bound to PanelState and OperatorCommands.

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "control/OperatorCommands.h"
#include "control/PanelState.h"
#include "ui/control/MainFrm.h"
#include "ui/kit/Colours.h"
#include "ui/kit/Lamp.h"
#include "ui/kit/PanelLook.h"
#include "ui/kit/WidgetLook.h"

namespace quven {

using panellook::bold;
using panellook::place;

namespace {
const QString kPositionDisplay = QStringLiteral("Position display");

// The displays' column, right of their captions.
constexpr int kDisplayX = 76;
constexpr int kDisplayWidth = 184;

// Keypad: eight square axis keys in one row, the two mode keys above the first two.
constexpr int kKeyX = 16;
constexpr int kKeySize = 40;
constexpr int kKeyPitch = 48;
constexpr int kModeKeyY = 130;
constexpr int kAxisKeyY = 160;
constexpr int kBottomRowY = 210;

// Lamps: the header's digits name the columns; the lamps stand under them.
constexpr int kLampHeaderX = 390;
constexpr int kLampHeaderY = 12;
constexpr int kLampTop = 36;
constexpr int kLampPitch = 24;
constexpr int kLampSize = 12;
const QString kLampHeader = QStringLiteral("0   1    2    3   4   5   6   7");

// The jog keys at the right end, "+" in the axis keys' row and "-" in the row below.
constexpr int kJogX = 478;
constexpr int kJogWidth = 60;

QLabel* displayLabel(QWidget* panel, const QString& name, const QRect& geometry,
                     const QFont& font) {
    auto* label = place(new QLabel(panel), name, geometry);
    // The displays show the controller's text: plain, never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setToolTip(kPositionDisplay);
    setBackColour(label, colours::LightYellow);
    return label;
}

QLabel* caption(QWidget* panel, const QString& name, const QString& text, const QRect& geometry,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = place(new QLabel(text, panel), name, geometry);
    label->setAlignment(alignment);
    return label;
}

// The controller's panel prints its title in a Japanese gothic face; any bold sans-serif
// stands in where that face is not installed.
QFont titleFont(const QWidget* widget) {
    QFont font = bold(widget, 2.2);
    const QString gothic = QStringLiteral("IPAPGothic");
    if (QFontDatabase::families().contains(gothic)) {
        font.setFamily(gothic);
    } else {
        font.setStyleHint(QFont::SansSerif);
    }
    return font;
}

// Where the centre of column `column`'s digit falls within the header text.
int headerDigitCentre(const QFontMetrics& metrics, int column) {
    const int at = kLampHeader.indexOf(QString::number(column));
    return metrics.horizontalAdvance(kLampHeader.left(at)) +
           metrics.horizontalAdvance(kLampHeader.at(at)) / 2;
}
}  // namespace

void MainFrm::buildDisplays(QWidget* panel) {
    auto* title = place(new QLabel(QStringLiteral("QUVEN-01"), panel), QStringLiteral("lbl0"),
                        QRect(16, 10, 200, 32));
    title->setFont(titleFont(title));

    caption(panel, QStringLiteral("Label11_0"), QStringLiteral("LCD DISPLAY"),
            QRect(kDisplayX, 44, kDisplayWidth, 16), Qt::AlignCenter);
    caption(panel, QStringLiteral("Label1"), QStringLiteral("MODE"), QRect(16, 60, 58, 22))
        ->setFont(bold(panel));
    label2_0_ = displayLabel(panel, QStringLiteral("Label2_0"),
                             QRect(kDisplayX, 60, kDisplayWidth, 22), bold(panel));
    caption(panel, QStringLiteral("Label3"), QStringLiteral("COUNT"), QRect(16, 86, 58, 36))
        ->setFont(bold(panel));
    label2_1_ = displayLabel(panel, QStringLiteral("Label2_1"),
                             QRect(kDisplayX, 86, kDisplayWidth, 36), bold(panel, 2.0));
}

void MainFrm::buildLamps(QWidget* panel) {
    auto* header = caption(panel, QStringLiteral("Label5"), kLampHeader,
                           QRect(kLampHeaderX, kLampHeaderY, 156, 16));
    // The lamps are placed by the header text's own metrics, so it must start at the edge.
    header->setTextFormat(Qt::PlainText);
    header->setIndent(0);
    const QFontMetrics metrics(header->font());

    const QStringList rowNames = {QStringLiteral("Label10_5"), QStringLiteral("Label16"),
                                  QStringLiteral("Label17"), QStringLiteral("Label18")};
    const QStringList rowCaptions = {QStringLiteral("cwls"), QStringLiteral("cwp"),
                                     QStringLiteral("ccwp"), QStringLiteral("ccwls")};
    for (int row = 0; row < 4; ++row) {
        const int y = kLampTop + row * kLampPitch;
        caption(panel, rowNames[row], rowCaptions[row],
                QRect(kLampHeaderX - 56, y - 2, 48, kLampSize + 4),
                Qt::AlignRight | Qt::AlignVCenter);
        for (int column = 0; column < 8; ++column) {
            const int lamp = row * 8 + column;
            const int x = kLampHeaderX + headerDigitCentre(metrics, column) - kLampSize / 2;
            shape1_[lamp] = place(new Lamp(panel), QStringLiteral("Shape1_%1").arg(lamp),
                                  QRect(x, y, kLampSize, kLampSize));
        }
    }
}

void MainFrm::buildKeypad(QWidget* panel) {
    command3_[PanelState::kFunctionKey] =
        place(new QPushButton(QStringLiteral("8:F"), panel), QStringLiteral("Command3_8"),
              QRect(kKeyX, kModeKeyY, kKeySize, 24));
    command3_[PanelState::kNormalKey] =
        place(new QPushButton(QStringLiteral("9:N"), panel), QStringLiteral("Command3_9"),
              QRect(kKeyX + kKeyPitch, kModeKeyY, kKeySize, 24));
    for (int key = 0; key < 8; ++key) {
        command3_[key] = place(new QPushButton(QString::number(key), panel),
                               QStringLiteral("Command3_%1").arg(key),
                               QRect(kKeyX + key * kKeyPitch, kAxisKeyY, kKeySize, kKeySize));
    }

    auto* res = place(new QPushButton(QStringLiteral("RES"), panel), QStringLiteral("Ctr_0"),
                      QRect(kKeyX, kBottomRowY, 56, kKeySize));
    res->setToolTip(QStringLiteral("position data preset"));
    connect(res, &QPushButton::clicked, &parts_.commands,
            [this] { parts_.commands.Ctr_Click(OperatorCommands::Res); });
}

void MainFrm::buildSpeedAndJog(QWidget* panel) {
    const QString speedSelect = QStringLiteral("Speed select");
    auto* frame = place(new QGroupBox(QStringLiteral("SPEED"), panel), QStringLiteral("Frame2"),
                        QRect(84, kBottomRowY - 6, 162, kKeySize + 6));
    frame->setToolTip(speedSelect);
    // The selectors are light grey, the panel's own colour.
    setBackColour(frame, colours::PanelGrey);
    const QStringList letters = {QStringLiteral("H"), QStringLiteral("M"), QStringLiteral("L")};
    for (int option = 0; option < 3; ++option) {
        option2_[option] =
            place(new QRadioButton(letters[option], frame),
                  QStringLiteral("Option2_%1").arg(option), QRect(12 + option * 50, 20, 44, 20));
        option2_[option]->setToolTip(speedSelect);
        setBackColour(option2_[option], colours::PanelGrey);
    }

    caption(panel, QStringLiteral("Label7"), QStringLiteral("JOG"),
            QRect(kJogX, kModeKeyY, kJogWidth, 24), Qt::AlignCenter)
        ->setFont(bold(panel));
    auto* plus = place(new QPushButton(QStringLiteral("+"), panel), QStringLiteral("Command6"),
                       QRect(kJogX, kAxisKeyY, kJogWidth, kKeySize));
    plus->setToolTip(QStringLiteral("CW jog"));
    plus->setFont(bold(panel, 1.5));
    auto* minus = place(new QPushButton(QStringLiteral("-"), panel), QStringLiteral("Command7"),
                        QRect(kJogX, kBottomRowY, kJogWidth, kKeySize));
    minus->setToolTip(QStringLiteral("CCW jog"));
    minus->setFont(bold(panel, 1.5));
    connect(plus, &QPushButton::clicked, &parts_.commands, &OperatorCommands::Command6_Click);
    connect(minus, &QPushButton::clicked, &parts_.commands, &OperatorCommands::Command7_Click);
}

void MainFrm::bindDisplayArea() {
    PanelState& panel = parts_.panel;
    OperatorCommands& commands = parts_.commands;

    label2_0_->setText(panel.modeText());
    label2_1_->setText(panel.counterText());
    label13_->setText(panel.firmwareText());
    connect(&panel, &PanelState::modeTextChanged, label2_0_, &QLabel::setText);
    connect(&panel, &PanelState::counterTextChanged, label2_1_, &QLabel::setText);
    connect(&panel, &PanelState::firmwareTextChanged, label13_, &QLabel::setText);

    for (int key = 0; key < PanelState::kKeyCount; ++key) {
        showKey(key, panel.keyLit(key));
        connect(command3_[key], &QPushButton::clicked, &commands,
                [&commands, key] { commands.Command3_Click(key); });
    }
    connect(&panel, &PanelState::keyLitChanged, this, &MainFrm::showKey);

    for (int lamp = 0; lamp < PanelState::kLampCount; ++lamp) {
        showLamp(lamp, panel.lampOn(lamp));
    }
    connect(&panel, &PanelState::lampChanged, this, &MainFrm::showLamp);

    // Only the operator's click sends a speed range; a selection shown from a reply does not,
    // which is why this listens to clicked and not to toggled.
    showSpeed(panel.speedOption());
    for (int option = 0; option < 3; ++option) {
        connect(option2_[option], &QRadioButton::clicked, &commands,
                [&commands, option] { commands.Option2_Click(option); });
    }
    connect(&panel, &PanelState::speedOptionChanged, this, &MainFrm::showSpeed);
}

void MainFrm::showKey(int key, bool lit) {
    if (lit) {
        setBackColour(command3_[key], colours::Yellow);
    } else {
        clearBackColour(command3_[key]);
    }
}

void MainFrm::showLamp(int lamp, bool on) {
    shape1_[lamp]->setFillColour(on ? colours::LampOn : colours::LampOff);
}

void MainFrm::showSpeed(int option) {
    if (option >= 0 && option < int(option2_.size())) {
        option2_[option]->setChecked(true);
    }
}

}  // namespace quven
