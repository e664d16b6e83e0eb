// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QRect>

#include "ui/kit/FixedLayout.h"
#include "ui/kit/Panel.h"

class QLabel;

namespace quven {

// A panel of the data-table screen. The screen is drawn in twips of the window; a panel places
// its controls by them, writes in the console's face and shows its captions on the window's
// peach.
class TablePanel : public kit::Panel {
    Q_OBJECT
  public:
    // Point sizes of the screen's text.
    static constexpr qreal kHeadingPoints = 12;
    static constexpr qreal kColumnPoints = 11.25;
    static constexpr qreal kCellPoints = 9.75;
    static constexpr qreal kCaptionPoints = 9;  // the window's own: buttons, file area

    // `area` in twips of the window; `spokenName`, what a screen reader calls this part.
    TablePanel(QWidget* window, const QString& name, const QString& spokenName,
               const kit::Twips& twips, const QRect& area);

  protected:
    const kit::Twips& twips() const { return twips_; }
    // A box of the window, in twips, in this panel's pixels.
    QRect rect(int left, int top, int width, int height) const {
        return local(twips_.rect(left, top, width, height));
    }
    QPoint at(int left, int top) const { return local(QPoint(twips_(left), twips_(top))); }

    // A caption, and what a screen reader says for it (its text, unless told otherwise).
    QLabel* caption(const QString& name, const QString& text, const QFont& font, int left, int top,
                    const QString& spokenName = QString());
    // A section's title, large and bold.
    QLabel* heading(const QString& name, const QString& text, int left, int top,
                    const QString& spokenName = QString());
    // A section's frame, beneath the controls inside it: a hairline that stays visible at every
    // scale.
    void section(const QString& name, const QString& spokenName, int left, int top, int width,
                 int height);

  private:
    kit::Twips twips_;
};

// "Text1_5": the name of a member of one of the screen's control arrays.
QString numbered(const char* name, int index);

}  // namespace quven
