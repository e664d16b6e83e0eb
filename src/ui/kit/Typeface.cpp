// SPDX-License-Identifier: Apache-2.0
#include "ui/kit/Typeface.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

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

QFont plainFace(qreal pointSize, bool bold) {
    // The name Qt gives the desktop's sans-serif face where no desktop names one.
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont condensed(QFont font) {
    font.setStretch(QFont::Condensed);
    return font;
}

}  // namespace quven::kit
