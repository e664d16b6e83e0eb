// SPDX-License-Identifier: Apache-2.0
#include "ui/table/TableCells.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "ui/kit/Hairline.h"

namespace quven {

QRect indicatorRect(const QRect& control, int styleSize) {
    const int side = qMin(qMin(control.width(), control.height()), styleSize);
    QRect square(0, 0, side, side);
    square.moveCenter(control.center());
    return square;
}

CellEdit::CellEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    // The line edit keeps two pixels of its own beside the text; one of them is enough inside a
    // one-pixel border, and the position boxes need the other for eight characters.
    setTextMargins(-1, 0, -1, 0);
}

// The border a hairline, so that it stays at fractional scales.
void CellEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    kit::drawHairlineFrame(painter, rect(),
                           palette().color(hasFocus() ? QPalette::Highlight : QPalette::Dark));
}

void CellCheckBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect =
        indicatorRect(rect(), style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this));
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);
}

bool CellCheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void CellOptionButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = indicatorRect(
        rect(), style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, this));
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, option);
}

bool CellOptionButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString text = option.text;
    // The face and frame as the style draws them, the caption drawn here so that it may wrap.
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.setPen(option.palette.color(QPalette::ButtonText));
    painter.drawText(room, Qt::AlignCenter | Qt::TextWordWrap, text);
}

}  // namespace quven
