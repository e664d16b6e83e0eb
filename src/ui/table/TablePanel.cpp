#include "ui/table/TablePanel.h"

#include <QFrame>
#include <QLabel>

#include "ui/kit/Colours.h"
#include "ui/kit/Controls.h"
#include "ui/kit/Typeface.h"

namespace quven {

TablePanel::TablePanel(QWidget* window, const QString& name, const kit::Twips& twips,
                       const QRect& area)
    : Panel(window, name, twips.rect(area.x(), area.y(), area.width(), area.height())),
      twips_(twips) {}

QLabel* TablePanel::caption(const QString& name, const QString& text, const QFont& font, int left,
                            int top) {
    return kit::fittedCaption(this, name, text, font, at(left, top), colours::Peach);
}

QLabel* TablePanel::heading(const QString& name, const QString& text, int left, int top) {
    return caption(name, text, kit::face(kHeadingPoints, true), left, top);
}

void TablePanel::section(const QString& name, int left, int top, int width, int height) {
    auto* frame = kit::place(new QFrame(this), name, rect(left, top, width, height));
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
    frame->lower();
}

QString numbered(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

}  // namespace quven
