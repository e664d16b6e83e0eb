#include "ui/kit/Typeface.h"

#include <QFontDatabase>
#include <QString>
#include <QWidget>

namespace quven::kit {

QFont inConsoleFace(QFont font) {
    static const bool gothic = QFontDatabase::families().contains(QStringLiteral("IPAPGothic"));
    if (gothic) {
        font.setFamily(QStringLiteral("IPAPGothic"));
    } else {
        font.setFamily(QStringLiteral("sans-serif"));
        font.setStyleHint(QFont::SansSerif);
    }
    return font;
}

QFont face(qreal pointSize, bool bold) {
    QFont font = inConsoleFace(QFont());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont bold(const QWidget* widget, qreal scale) {
    QFont font = widget->font();
    font.setBold(true);
    if (scale != 1.0) {
        font.setPointSizeF(font.pointSizeF() * scale);
    }
    return font;
}

QFont condensed(QFont font) {
    font.setStretch(QFont::Condensed);
    return font;
}

}  // namespace quven::kit
