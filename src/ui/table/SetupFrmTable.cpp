// The data-table screen's table: the status line and title, the normal-mode, function-mode and
// common sections with their cells, and the explanations, bound both ways to DataTable.

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <array>
#include <iterator>

#include "table/TableScreen.h"
#include "ui/kit/Colours.h"
#include "ui/kit/WidgetLook.h"
#include "ui/table/SetupFrm.h"

namespace quven {

using tablelook::face;
using tablelook::place;
namespace ti = tableindex;

namespace {
// Point sizes of the table's text.
constexpr qreal kHeadingPoints = 12;
constexpr qreal kColumnPoints = 11.25;
constexpr qreal kCellPoints = 9.75;
constexpr qreal kCaptionPoints = 9;

// Rows and cells, in twips.
constexpr int kRowPitch = 360;
constexpr int kNormalFirstRow = 1560;
constexpr int kFunctionFirstRow = 5580;
constexpr int kRowLabelLeft = 900;
constexpr int kCellHeight = 285;
constexpr int kPosLeft = 1560;
constexpr int kPosWidth = 1035;
constexpr int kSpeedLeft[] = {2700, 3420, 4140, 4860};  // HSPD, MSPD, LSPD, RATE
constexpr int kSpeedWidth = 675;
constexpr int kNormalSwitchLeft[] = {5820, 6300, 6900, 7440, 8040, 8520};
constexpr int kAxisEnableLeft = 5640;
constexpr int kAxisReverseLeft = 5820;
constexpr int kAxisPitch = 480;
constexpr int kAxisNumberLeft = 5700;
constexpr int kDriveLeft = 9540;
constexpr int kDriveWidth = 855;
constexpr int kDriveHeight = 255;
constexpr int kDriveButtonPitch = 300;
// Check boxes and DRIVE buttons: square, and narrow enough that an axis's "E" and "-" boxes,
// 180 twips apart, do not overlap.
constexpr int kCellSide = 180;

// The sections' frames.
constexpr int kSectionLeft = 300;
constexpr int kSectionWidth = 10335;
constexpr int kSectionHeight = 3855;

// The explanations' column: it starts in line with the file area's boxes below it, where the
// longest single line still fits inside the window.
constexpr int kExplanationLeft = 10860;
constexpr int kExplanationTop = 720;
constexpr int kExplanationPitch = 240;

QString numbered(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

// " 0" to " 7": the row and axis numbers as the table prints them.
QString rowNumber(int number) {
    return QLatin1Char(' ') + QString::number(number);
}
}  // namespace

QLabel* SetupFrm::heading(const QString& name, const QString& text, int left, int top) {
    return tablelook::caption(this, name, text, face(kHeadingPoints, true),
                              QPoint(twips_(left), twips_(top)));
}

QLabel* SetupFrm::columnHeading(const QString& name, const QString& text, int left, int top) {
    return tablelook::caption(this, name, text, face(kColumnPoints),
                              QPoint(twips_(left), twips_(top)));
}

void SetupFrm::section(const QString& name, int left, int top, int width, int height) {
    // Beneath the controls inside it.
    auto* frame = place(new QFrame(this), name, twips_.rect(left, top, width, height));
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
    frame->lower();
}

void SetupFrm::buildTopLine() {
    label17_ = place(new QLabel(this), QStringLiteral("Label17"), twips_.rect(360, 240, 3960, 270));
    label17_->setTextFormat(Qt::PlainText);
    label17_->setFont(face(kHeadingPoints, true));
    setBackColour(label17_, colours::Peach);
    // "RAED" as the controller's own tools spell it.
    heading(QStringLiteral("lblTitle"), QStringLiteral("QUVEN-01 DATA RAED & WRITE TABLE"), 4500,
            120);
}

// A row's number and its text boxes.
void SetupFrm::buildRowCells(int row, int top) {
    const int number = ti::isFunctionRow(row) ? row - ti::kNormalRows : row;
    const QRect labelAt = twips_.rect(kRowLabelLeft, top, kPosLeft - kRowLabelLeft, kCellHeight);
    auto* label =
        place(new QLabel(rowNumber(number), this),
              numbered(ti::isFunctionRow(row) ? "lblMode" : "lblChannel", number), labelAt);
    label->setTextFormat(Qt::PlainText);
    label->setFont(face(kColumnPoints));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setBackColour(label, colours::Peach);

    const QFont cellFont = face(kCellPoints);
    const int pos = ti::position(row);
    text2_[pos] = place(new tablelook::CellEdit(this), numbered("Text2", pos),
                        twips_.rect(kPosLeft, top, kPosWidth, kCellHeight));
    text2_[pos]->setFont(cellFont);
    for (int column = ti::Hspd; column <= ti::Rate; ++column) {
        const int index = ti::speed(row, column);
        text1_[index] = place(new tablelook::CellEdit(this), numbered("Text1", index),
                              twips_.rect(kSpeedLeft[column], top, kSpeedWidth, kCellHeight));
        text1_[index]->setFont(cellFont);
    }
}

// A row's DRIVE group: one frame, its three buttons exclusive through the table, not through Qt,
// because "none selected" has to show too. Made after the row's switches, so that the tab order
// runs along the row as the columns do.
void SetupFrm::buildDriveGroup(int row, int top) {
    const int frame = ti::driveFrame(row);
    auto* group = place(
        new QFrame(this), numbered("Frame1", frame),
        twips_.rect(kDriveLeft, top + (kCellHeight - kDriveHeight) / 2, kDriveWidth, kDriveHeight));
    setBackColour(group, colours::Peach);
    frame1_[frame] = group;
    for (int column = ti::DriveS; column <= ti::DriveC; ++column) {
        const int index = ti::drive(row, column);
        auto* button = place(new tablelook::CellOptionButton(group), numbered("Option2", index),
                             twips_.rect(column * kDriveButtonPitch, (kDriveHeight - kCellSide) / 2,
                                         kCellSide, kCellSide));
        button->setAutoExclusive(false);
        setBackColour(button, colours::Peach);
        option2_[index] = button;
    }
}

QCheckBox* SetupFrm::checkCell(int index, int left, int rowTop) {
    auto* box =
        place(new tablelook::CellCheckBox(this), numbered("Check2", index),
              twips_.rect(left, rowTop + (kCellHeight - kCellSide) / 2, kCellSide, kCellSide));
    setBackColour(box, colours::Peach);
    check2_[index] = box;
    return box;
}

void SetupFrm::buildNormalSection() {
    section(QStringLiteral("NormalSection"), kSectionLeft, 720, kSectionWidth, kSectionHeight);
    heading(QStringLiteral("lblNormal"), QStringLiteral("NORMAL MODE SETTING"), 480, 780);
    const struct {
        const char* name;
        const char* text;
        int left;
        int top;
    } headings[] = {
        {"lblNormalCwls", "CWLS", 5880, 960},
        {"lblNormalCcwls", "CCWLS", 6900, 960},
        {"lblNormalPls", "PLS", 8220, 960},
        {"lblNormalDrive", "DRIVE", 9600, 960},
        {"lblNormalCh", "CH", 900, 1200},
        {"lblNormalPos", "POS", 1860, 1200},
        {"lblNormalHspd", "HSPD", 2820, 1200},
        {"lblNormalMspd", "MSPD", 3540, 1200},
        {"lblNormalLspd", "LSPD", 4260, 1200},
        {"lblNormalRate", "RATE", 4920, 1200},
        {"lblNormalCwlsEnNc", "EN  NC", 5820, 1200},
        {"lblNormalCcwlsEnNc", "EN  NC", 6900, 1200},
        {"lblNormalPlsEnDir", "EN -DIR", 7980, 1200},
        {"lblNormalStc", "S  T  C", 9600, 1200},
    };
    for (const auto& column : headings) {
        columnHeading(QLatin1String(column.name), QLatin1String(column.text), column.left,
                      column.top);
    }
    for (int n = 0; n < ti::kNormalRows; ++n) {
        const int top = kNormalFirstRow + n * kRowPitch;
        buildRowCells(n, top);
        for (int column = ti::CwlsEnable; column <= ti::PulseReverse; ++column) {
            checkCell(ti::normalSwitch(n, column), kNormalSwitchLeft[column], top);
        }
        buildDriveGroup(n, top);
    }
}

void SetupFrm::buildFunctionSection() {
    section(QStringLiteral("FunctionSection"), kSectionLeft, 4740, kSectionWidth, kSectionHeight);
    heading(QStringLiteral("lblFunction"), QStringLiteral("FUNCTION MODE SETTING"), 480, 4800);
    const struct {
        const char* name;
        const char* text;
        int left;
    } headings[] = {
        {"lblFunctionMode", "MODE", 780},    {"lblFunctionPos", "POS", 1860},
        {"lblFunctionHspd", "HSPD", 2820},   {"lblFunctionMspd", "MSPD", 3540},
        {"lblFunctionLspd", "LSPD", 4260},   {"lblFunctionRate", "RATE", 4920},
        {"lblFunctionStc", "S  T  C", 9600},
    };
    for (const auto& column : headings) {
        columnHeading(QLatin1String(column.name), QLatin1String(column.text), column.left, 5220);
    }
    columnHeading(QStringLiteral("lblFunctionDrive"), QStringLiteral("DRIVE"), 9660, 4980);
    for (int axis = 0; axis < 8; ++axis) {
        const int left = kAxisNumberLeft + axis * kAxisPitch;
        columnHeading(numbered("lblAxis", axis), rowNumber(axis), left, 4920);
        columnHeading(numbered("lblAxisEnDir", axis), QStringLiteral("E -"), left, 5220);
    }
    for (int m = 0; m < 8; ++m) {
        const int top = kFunctionFirstRow + m * kRowPitch;
        buildRowCells(ti::kNormalRows + m, top);
        for (int axis = 0; axis < 8; ++axis) {
            checkCell(ti::axisEnable(m, axis), kAxisEnableLeft + axis * kAxisPitch, top);
            checkCell(ti::axisReverse(m, axis), kAxisReverseLeft + axis * kAxisPitch, top);
        }
        buildDriveGroup(ti::kNormalRows + m, top);
    }
}

void SetupFrm::buildCommonSection() {
    section(QStringLiteral("CommonSection"), kSectionLeft, 8580, 6435, 1455);
    heading(QStringLiteral("lblCommon"), QStringLiteral("COMMON  SETTING"), 480, 8880);
    const struct {
        int frame;
        int left;
        int width;
        int first;
        const char* captions[2];
    } groups[] = {
        {16, 540, 3060, ti::EmStop, {"EM STOP", "SLOW STOP"}},
        {17, 3780, 2880, ti::AllStop, {"ALL STOP", "INDIV. STOP"}},
    };
    for (const auto& group : groups) {
        auto* box =
            place(new QGroupBox(QStringLiteral("LIMIT STOP"), this),
                  numbered("Frame1", group.frame), twips_.rect(group.left, 9240, group.width, 735));
        box->setFont(face(kCaptionPoints));
        setBackColour(box, colours::Peach);
        frame1_[group.frame] = box;
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
            place(buttons[k], numbered("Option2", index),
                  QRect(left, room.center().y() - size.height() / 2 + 1, size.width(),
                        size.height()));
            left += size.width() + spare / 3;
            buttons[k]->setAutoExclusive(false);
            setBackColour(buttons[k], colours::Peach);
            option2_[index] = buttons[k];
        }
    }
}

void SetupFrm::buildExplanations() {
    const char* lines[] = {
        "HSPD, MSPD, LSPD are in PPS unit.",
        "RATE is in CODE.",
        "CWLS, CCWLS EN means LS enable.",
        "NC means normaly closed contact.",
        "PLS EN means pulse out enable.",
        "PLS -DIR means reverse direction.",
        "DRIVE S:S style, T:Trapezoidal, C:Const.",
        "In Function mode",
        "E means pulse out enable, \"-\" means reverse direction.",
    };
    const int count = int(std::size(lines));
    for (int line = 0; line < count; ++line) {
        // The last line is the longest and has the room below it to wrap into.
        const bool last = line == count - 1;
        auto* label =
            place(new QLabel(QLatin1String(lines[line]), this), numbered("lblExplanation", line),
                  twips_.rect(kExplanationLeft, kExplanationTop + line * kExplanationPitch,
                              kClientWidth - kExplanationLeft, (last ? 2 : 1) * kExplanationPitch));
        label->setTextFormat(Qt::PlainText);
        label->setFont(face(kCellPoints));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(last);
        setBackColour(label, colours::Peach);
    }
}

// --- Binding ------------------------------------------------------------------------------

void SetupFrm::bindTable() {
    for (int index = 0; index < DataTable::kText1Count; ++index) {
        showText1(index);
        connect(text1_[index], &QLineEdit::textChanged, &table_,
                [this, index](const QString& text) { table_.setText1(index, text); });
    }
    for (int index = 0; index < DataTable::kText2Count; ++index) {
        showText2(index);
        connect(text2_[index], &QLineEdit::textChanged, &table_,
                [this, index](const QString& text) { table_.setText2(index, text); });
    }
    for (int index = 0; index < DataTable::kCheck2Count; ++index) {
        showCheck2(index);
        connect(check2_[index], &QCheckBox::toggled, &table_,
                [this, index](bool checked) { table_.setCheck2(index, checked); });
    }
    for (int index = 0; index < DataTable::kOption2Count; ++index) {
        showOption2(index);
        connect(option2_[index], &QRadioButton::clicked, this,
                [this, index] { option2Clicked(index); });
    }
    connect(&table_, &DataTable::text1Changed, this, &SetupFrm::showText1);
    connect(&table_, &DataTable::text2Changed, this, &SetupFrm::showText2);
    connect(&table_, &DataTable::check2Changed, this, &SetupFrm::showCheck2);
    connect(&table_, &DataTable::option2Changed, this, &SetupFrm::showOption2);

    label17_->setText(screen_.status.text());
    connect(&screen_.status, &TransferStatus::textChanged, label17_, &QLabel::setText);
}

// The table changed: show it without the change coming back as an edit. A box the operator is
// typing into already holds the text, and is left alone so that its caret stays.
void SetupFrm::showText1(int index) {
    QLineEdit* box = text1_[index];
    if (box->text() != table_.Text1(index)) {
        const QSignalBlocker blocker(box);
        box->setText(table_.Text1(index));
    }
}

void SetupFrm::showText2(int index) {
    QLineEdit* box = text2_[index];
    if (box->text() != table_.Text2(index)) {
        const QSignalBlocker blocker(box);
        box->setText(table_.Text2(index));
    }
}

void SetupFrm::showCheck2(int index) {
    const QSignalBlocker blocker(check2_[index]);
    check2_[index]->setChecked(table_.Check2(index));
}

void SetupFrm::showOption2(int index) {
    const QSignalBlocker blocker(option2_[index]);
    option2_[index]->setChecked(table_.Option2(index));
}

// A click selects the button; the table clears the others of its frame. The button has already
// toggled itself, which unselects a button that was selected: the table's state is put back.
void SetupFrm::option2Clicked(int index) {
    table_.selectOption2(index);
    showOption2(index);
}

}  // namespace quven
