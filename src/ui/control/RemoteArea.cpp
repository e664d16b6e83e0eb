// The control screen's lower remote-control area: session and screen-change buttons, set data,
// preset/start/stop, the mode selector and the manual command line with its receive display.

#include <QGroupBox>
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
#include "ui/control/MainFrm.h"
#include "ui/kit/Colours.h"
#include "ui/kit/PanelLook.h"
#include "ui/kit/WidgetLook.h"

namespace quven {

using panellook::bold;
using panellook::place;

namespace {
constexpr int kCaptionY = 298;
constexpr int kFirstRowY = 316;
constexpr int kFirstRowHeight = 40;
constexpr int kSecondRowY = 364;
constexpr int kSecondRowHeight = 26;
constexpr int kSecondCaptionY = kSecondRowY + kSecondRowHeight + 2;

QLabel* caption(QWidget* panel, const QString& name, const QString& text, const QRect& geometry) {
    auto* label = place(new QLabel(text, panel), name, geometry);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QPushButton* button(QWidget* panel, const QString& name, const QString& text, int x, int width,
                    const QColor& colour = QColor()) {
    auto* pushButton =
        place(new QPushButton(text, panel), name, QRect(x, kFirstRowY, width, kFirstRowHeight));
    setBackColour(pushButton, colour);
    return pushButton;
}
}  // namespace

void MainFrm::buildSessionRow(QWidget* panel) {
    place(new QLabel(QStringLiteral("REMOTE CONTROL ONLY"), panel), QStringLiteral("Label4"),
          QRect(16, 274, 200, 18));

    connect_ = button(panel, QStringLiteral("Connect"), QString(), 16, 80);
    connect_->setToolTip(QStringLiteral("Remote connection control"));
    auto* setup = button(panel, QStringLiteral("SetupPb"), QStringLiteral("To Setup Screen"), 100,
                         106, colours::LightCyan);
    setup->setToolTip(QStringLiteral("To data table and setup"));

    caption(panel, QStringLiteral("Label10_0"), QStringLiteral("SET DATA"),
            QRect(212, kCaptionY, 108, 16));
    text1_0_ = place(new QLineEdit(panel), QStringLiteral("Text1_0"),
                     QRect(212, kFirstRowY, 108, kFirstRowHeight));
    text1_0_->setFont(bold(panel, 1.5));
    text1_0_->setAlignment(Qt::AlignCenter);
    text1_0_->setToolTip(QStringLiteral("Set data input"));

    connect(connect_, &QPushButton::clicked, &parts_.session, &Session::Connect_Click);
    connect(setup, &QPushButton::clicked, &parts_.screenChange, &ScreenChange::SetupPb_Click);
}

void MainFrm::buildCommandRow(QWidget* panel) {
    const QString positionPreset = QStringLiteral("position data preset");
    auto* preset =
        button(panel, QStringLiteral("Ctr_4"), QStringLiteral("Preset"), 326, 52, colours::Yellow);
    preset->setToolTip(positionPreset);
    caption(panel, QStringLiteral("Label6"), QStringLiteral("CONTROL"),
            QRect(382, kCaptionY, 92, 16));
    auto* start = button(panel, QStringLiteral("Ctr_5"), QStringLiteral("Start"), 382, 44,
                         colours::LightGreen);
    start->setToolTip(QStringLiteral("scan start"));
    auto* stop =
        button(panel, QStringLiteral("Ctr_6"), QStringLiteral("Stop"), 430, 44, colours::LightRed);
    stop->setToolTip(QStringLiteral("scan stop"));

    OperatorCommands& commands = parts_.commands;
    const std::pair<QPushButton*, int> ctr[] = {
        {preset, OperatorCommands::Preset},
        {start, OperatorCommands::Start},
        {stop, OperatorCommands::Stop},
    };
    for (const auto& [pushButton, index] : ctr) {
        connect(pushButton, &QPushButton::clicked, &commands,
                [&commands, index = index] { commands.Ctr_Click(index); });
    }
}

void MainFrm::buildModeSelector(QWidget* panel) {
    const QString modeSelect = QStringLiteral("Control mode select");
    // From the area's top down to the bottom of the first button row.
    auto* frame = place(new QGroupBox(QStringLiteral("MODE"), panel), QStringLiteral("Frame1"),
                        QRect(480, 272, 66, kFirstRowY + kFirstRowHeight - 272));
    frame->setToolTip(modeSelect);
    // The selectors are light grey, the panel's own colour.
    setBackColour(frame, colours::PanelGrey);
    struct Option {
        int index;
        const char* text;
    };
    const Option topToBottom[] = {
        {OperatorCommands::PlusScan, "+SCN"},
        {OperatorCommands::MinusScan, "-SCN"},
        {OperatorCommands::Abs, "ABS"},
        {OperatorCommands::Rel, "REL"},
    };
    int y = 18;
    for (const Option& option : topToBottom) {
        auto* radio = place(new QRadioButton(QLatin1String(option.text), frame),
                            QStringLiteral("Option1_%1").arg(option.index), QRect(4, y, 60, 16));
        radio->setToolTip(modeSelect);
        setBackColour(radio, colours::PanelGrey);
        option1_[option.index] = radio;
        y += 16;
    }
}

void MainFrm::buildManualRow(QWidget* panel) {
    command1_ = place(new QPushButton(QStringLiteral("Quit"), panel), QStringLiteral("Command1"),
                      QRect(16, kSecondRowY, 80, kSecondRowHeight));
    connect(command1_, &QPushButton::clicked, &parts_.session, &Session::Command1_Click);

    // A multi-line box one line high: Enter puts a line break in, which the manual line's rule
    // takes out again when it marks the command for sending.
    text2_ = place(new QPlainTextEdit(panel), QStringLiteral("Text2"),
                   QRect(100, kSecondRowY, 190, kSecondRowHeight));
    text2_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text2_->setTabChangesFocus(true);
    text2_->document()->setDocumentMargin(3);
    caption(panel, QStringLiteral("Label20"), QStringLiteral("Send Data(with return Key)"),
            QRect(100, kSecondCaptionY, 190, 16));

    label19_ = place(new QLabel(panel), QStringLiteral("Label19"),
                     QRect(296, kSecondRowY, 190, kSecondRowHeight));
    setBackColour(label19_, colours::LightCyan);
    label19_->setTextFormat(Qt::PlainText);
    label19_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label19_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label19_->setIndent(3);
    caption(panel, QStringLiteral("Label21"), QStringLiteral("Receive Data"),
            QRect(296, kSecondCaptionY, 190, 16));

    auto* clear = place(new QPushButton(QStringLiteral("CLR"), panel), QStringLiteral("Command2"),
                        QRect(492, kSecondRowY, 54, kSecondRowHeight));
    setBackColour(clear, colours::Cyan);
    connect(clear, &QPushButton::clicked, &parts_.commands, &OperatorCommands::Command2_Click);
}

void MainFrm::bindRemoteArea() {
    showSessionControls();
    connect(&parts_.sessionControls, &SessionControls::changed, this,
            &MainFrm::showSessionControls);

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
    connect(&commands, &OperatorCommands::modeOptionChanged, this, &MainFrm::showModeOption);

    label19_->setText(parts_.receiveDisplay.text());
    connect(&parts_.receiveDisplay, &ReceiveDisplay::textChanged, label19_, &QLabel::setText);

    showManualLine(parts_.manualLine.text(), parts_.manualLine.caret());
    connect(text2_, &QPlainTextEdit::textChanged, this, &MainFrm::manualBoxEdited);
    connect(&parts_.manualLine, &ManualLine::changed, this, &MainFrm::showManualLine);
}

void MainFrm::showSessionControls() {
    const SessionControls& controls = parts_.sessionControls;
    connect_->setText(controls.connectCaption());
    const QColor look = controls.sessionLit() ? colours::LightYellow : QColor();
    setBackColour(connect_, look);
    setBackColour(command1_, look);
    label8_->setText(controls.hostLabel());
    label9_->setText(controls.portLabel());
}

void MainFrm::showModeOption(int option) {
    if (option >= 0 && option < int(option1_.size())) {
        option1_[option]->setChecked(true);
    }
}

void MainFrm::manualBoxEdited() {
    const QString boxText = text2_->toPlainText();
    parts_.manualLine.setText(lineTextFromBox(boxText),
                              lineCaretFromBox(boxText, text2_->textCursor().position()));
}

void MainFrm::showManualLine(const QString& text, int caret) {
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
