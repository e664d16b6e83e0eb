// SPDX-License-Identifier: Apache-2.0
#include "ui/control/RemoteArea.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextCursor>

#include "control/LineBreaks.h"
#include "control/OperatorCommands.h"
#include "control/ScreenChange.h"
#include "link/ManualLine.h"
#include "link/ReceiveDisplay.h"
#include "link/Session.h"
#include "link/SessionControls.h"
#include "ui/control/PanelFonts.h"
#include "ui/kit/Colours.h"
#include "ui/kit/Controls.h"
#include "ui/kit/Typeface.h"
#include "ui/kit/WidgetLook.h"

namespace quven {

using kit::place;

// Every place below is in the control screen's client area, as the panel is drawn.
namespace {
constexpr int kCaptionY = 298;
constexpr int kFirstRowY = 316;
constexpr int kFirstRowHeight = 40;
constexpr int kSecondRowY = 364;
constexpr int kSecondRowHeight = 26;
constexpr int kSecondCaptionY = kSecondRowY + kSecondRowHeight + 2;

// The mode selector's top: the area's top, a little inside the frame.
constexpr int kModeSelectorY = 272;
const QString kModeSelect = QStringLiteral("Control mode select");

// A button of the command row, and the command (OperatorCommands::CtrButton) it gives.
struct CtrButton {
    kit::ButtonLook look;
    int x;
    int width;
    int command;
};
}  // namespace

RemoteArea::RemoteArea(QWidget* parent, const QRect& area, const ControlScreenParts& parts)
    : Panel(parent, QStringLiteral("RemoteArea"), QStringLiteral("Remote control"), area),
      parts_(parts) {
    buildSessionRow();
    buildCommandRow();
    buildModeSelector();
    buildManualRow();
    bind();
}

QPushButton* RemoteArea::button(const kit::ButtonLook& look, const QRect& geometry) {
    return kit::button<QPushButton>(this, look, local(geometry));
}

QLabel* RemoteArea::caption(const char* name, const char* text, const char* spoken,
                            const QRect& geometry) {
    return kit::caption(this, QLatin1String(name), QLatin1String(text), local(geometry),
                        Qt::AlignCenter, QLatin1String(spoken));
}

void RemoteArea::buildSessionRow() {
    kit::caption(this, QStringLiteral("Label4"), QStringLiteral("REMOTE CONTROL ONLY"),
                 local(QRect(16, 274, 200, 18)), Qt::AlignLeft | Qt::AlignVCenter,
                 QStringLiteral("Remote control only"));

    // The connect button's caption, words and colour follow the session.
    connect_ = button({"Connect", "", "Remote connection control", QColor()},
                      QRect(16, kFirstRowY, 80, kFirstRowHeight));
    auto* setup = button({"SetupPb", "To Setup Screen", "To data table and setup",
                          colours::LightCyan, "", "To Setup Screen"},
                         QRect(100, kFirstRowY, 106, kFirstRowHeight));

    caption("Label10_0", "SET DATA", "Set data", QRect(212, kCaptionY, 108, 16));
    text1_0_ = place(new QLineEdit(this), QStringLiteral("Text1_0"), QStringLiteral("Set data"),
                     local(QRect(212, kFirstRowY, 108, kFirstRowHeight)));
    text1_0_->setFont(kit::plainFace(panelfonts::kLarge, true));
    text1_0_->setAlignment(Qt::AlignCenter);
    text1_0_->setToolTip(QStringLiteral("Set data input"));

    connect(connect_, &QPushButton::clicked, &parts_.session, &Session::Connect_Click);
    connect(setup, &QPushButton::clicked, &parts_.screenChange, &ScreenChange::SetupPb_Click);
}

void RemoteArea::buildCommandRow() {
    const CtrButton preset{{"Ctr_4", "Preset", "position data preset", colours::Yellow, "",
                            "Preset the counter to the set data"},
                           326,
                           52,
                           OperatorCommands::Preset};
    const CtrButton scan[] = {
        {{"Ctr_5", "Start", "scan start", colours::LightGreen, "", "Start in the control mode"},
         382,
         44,
         OperatorCommands::Start},
        {{"Ctr_6", "Stop", "scan stop", colours::LightRed, "", "Stop"},
         430,
         44,
         OperatorCommands::Stop},
    };
    OperatorCommands& commands = parts_.commands;
    const auto make = [this, &commands](const CtrButton& entry) {
        auto* made = button(entry.look, QRect(entry.x, kFirstRowY, entry.width, kFirstRowHeight));
        connect(made, &QPushButton::clicked, &commands,
                [&commands, command = entry.command] { commands.Ctr_Click(command); });
    };
    make(preset);
    // "CONTROL" heads the scan's buttons.
    caption("Label6", "CONTROL", "Scan control", QRect(382, kCaptionY, 92, 16));
    for (const CtrButton& entry : scan) {
        make(entry);
    }
}

void RemoteArea::buildModeSelector() {
    // From the area's top down to the bottom of the first button row.
    auto* frame =
        place(new QGroupBox(QStringLiteral("MODE"), this), QStringLiteral("Frame1"),
              QStringLiteral("Control mode"),
              local(QRect(480, kModeSelectorY, 66, kFirstRowY + kFirstRowHeight - kModeSelectorY)));
    frame->setToolTip(kModeSelect);
    // The selectors are light grey, the panel's own colour.
    setBackColour(frame, colours::PanelGrey);
    const struct {
        int index;
        const char* text;
        const char* spoken;
    } topToBottom[] = {
        {OperatorCommands::PlusScan, "+SCN", "Plus scan"},
        {OperatorCommands::MinusScan, "-SCN", "Minus scan"},
        {OperatorCommands::Abs, "ABS", "Absolute move"},
        {OperatorCommands::Rel, "REL", "Relative move"},
    };
    int y = 18;
    for (const auto& option : topToBottom) {
        auto* radio = place(new QRadioButton(QLatin1String(option.text), frame),
                            QStringLiteral("Option1_%1").arg(option.index),
                            QLatin1String(option.spoken), QRect(4, y, 60, 16));
        radio->setToolTip(kModeSelect);
        setBackColour(radio, colours::PanelGrey);
        option1_[option.index] = radio;
        y += 16;
    }
}

void RemoteArea::buildManualRow() {
    // Quit takes the session's colour too.
    command1_ = button({"Command1", "Quit", "", QColor(), "", "Quit"},
                       QRect(16, kSecondRowY, 80, kSecondRowHeight));
    connect(command1_, &QPushButton::clicked, &parts_.session, &Session::Command1_Click);

    // A multi-line box one line high: Enter puts a line break in, which the manual line's rule
    // takes out again when it marks the command for sending.
    text2_ = place(new QPlainTextEdit(this), QStringLiteral("Text2"),
                   QStringLiteral("Manual command line"),
                   local(QRect(100, kSecondRowY, 190, kSecondRowHeight)));
    text2_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text2_->setTabChangesFocus(true);
    text2_->document()->setDocumentMargin(3);
    // Up and Down step through the lines sent before.
    text2_->installEventFilter(this);
    caption("Label20", "Send Data(with return Key)", "Send data, with the Return key",
            QRect(100, kSecondCaptionY, 190, 16));

    label19_ = place(new QLabel(this), QStringLiteral("Label19"), QStringLiteral("Receive data"),
                     local(QRect(296, kSecondRowY, 190, kSecondRowHeight)));
    setBackColour(label19_, colours::LightCyan);
    label19_->setTextFormat(Qt::PlainText);
    label19_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label19_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label19_->setIndent(3);
    caption("Label21", "Receive Data", "Receive data", QRect(296, kSecondCaptionY, 190, 16));

    auto* clear = button({"Command2", "CLR", "", colours::Cyan, "", "Clear the receive data"},
                         QRect(492, kSecondRowY, 54, kSecondRowHeight));
    connect(clear, &QPushButton::clicked, &parts_.commands, &OperatorCommands::Command2_Click);
}

void RemoteArea::bind() {
    showSessionControls();
    connect(&parts_.sessionControls, &SessionControls::changed, this,
            &RemoteArea::showSessionControls);

    OperatorCommands& commands = parts_.commands;
    text1_0_->setText(commands.setDataText());
    connect(text1_0_, &QLineEdit::textChanged, &commands, &OperatorCommands::setSetDataText);
    connect(&commands, &OperatorCommands::setDataTextChanged, text1_0_,
            [this](const QString& text) {
                if (text1_0_->text() != text) {
                    text1_0_->setText(text);
                }
            });

    showModeOption(commands.modeOption());
    for (int index = 0; index < int(option1_.size()); ++index) {
        connect(option1_[index], &QRadioButton::clicked, &commands,
                [&commands, index] { commands.setModeOption(index); });
    }
    connect(&commands, &OperatorCommands::modeOptionChanged, this, &RemoteArea::showModeOption);

    showSpokenText(label19_, parts_.receiveDisplay.text());
    connect(&parts_.receiveDisplay, &ReceiveDisplay::textChanged, label19_,
            [label = label19_](const QString& text) { showSpokenText(label, text); });

    showManualLine(parts_.manualLine.text(), parts_.manualLine.caret());
    connect(text2_, &QPlainTextEdit::textChanged, this, &RemoteArea::manualBoxEdited);
    connect(&parts_.manualLine, &ManualLine::changed, this, &RemoteArea::showManualLine);
}

// The status line shows the session's host and port; this area its buttons.
void RemoteArea::showSessionControls() {
    const SessionControls& controls = parts_.sessionControls;
    connect_->setText(controls.connectCaption());
    // A screen reader says what the caption says, in words.
    // While a session is open (its buttons lit), the button ends it.
    connect_->setAccessibleName(QLatin1String(
        controls.sessionLit() ? "Disconnect from the controller" : "Connect to the controller"));
    const QColor look = controls.sessionLit() ? colours::LightYellow : QColor();
    setBackColour(connect_, look);
    setBackColour(command1_, look);
}

void RemoteArea::showModeOption(int option) {
    if (option >= 0 && option < int(option1_.size())) {
        option1_[option]->setChecked(true);
    }
}

bool RemoteArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text2_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && key->key() == Qt::Key_Up) {
            parts_.manualLine.recallOlder();
            return true;
        }
        if (plain && key->key() == Qt::Key_Down) {
            parts_.manualLine.recallNewer();
            return true;
        }
    }
    return Panel::eventFilter(watched, event);
}

void RemoteArea::manualBoxEdited() {
    const QString boxText = text2_->toPlainText();
    parts_.manualLine.setText(lineTextFromBox(boxText),
                              lineCaretFromBox(boxText, text2_->textCursor().position()));
}

void RemoteArea::showManualLine(const QString& text, int caret) {
    // The line already holds this text: showing it must not come back as an edit.
    const QSignalBlocker blocker(text2_);
    const QString boxText = boxTextFromLine(text);
    if (text2_->toPlainText() != boxText) {
        text2_->setPlainText(boxText);
    }
    QTextCursor cursor = text2_->textCursor();
    cursor.setPosition(boxCaretFromLine(text, caret));
    text2_->setTextCursor(cursor);
}

}  // namespace quven
