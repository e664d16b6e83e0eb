// SPDX-License-Identifier: Apache-2.0
#include "WidgetProbe.h"

#include <QStringList>

namespace widgetprobe {

QString indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QRect placeIn(QWidget& root, const QWidget* area, const QString& name) {
    QWidget* widget = find(root, name);
    return QRect(widget->mapTo(area, QPoint(0, 0)), widget->size());
}

QList<QPair<QWidget*, QRect>> placedControls(QWidget* area) {
    QList<QPair<QWidget*, QRect>> placed;
    for (QWidget* child : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->inherits("quven::kit::Panel")) {
            for (const auto& inner : placedControls(child)) {
                placed.append({inner.first, inner.second.translated(child->pos())});
            }
        } else {
            placed.append({child, child->geometry()});
        }
    }
    return placed;
}

QColor paintedAt(QWidget* widget, QPoint point) {
    return widget->grab().toImage().pixelColor(point);
}

QColor paintedBeside(QWidget* widget) {
    return paintedAt(widget, QPoint(4, widget->height() / 2));
}

QString caption(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text();
    }
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        return box->title();
    }
    auto* edit = qobject_cast<QLineEdit*>(widget);
    return edit ? edit->text() : QString();
}

QString shownMismatch(QWidget& root, const QString& rows) {
    for (const QString& row : rows.split(QLatin1Char('\n'))) {
        const QStringList expected = row.split(QLatin1Char('|'));
        QWidget* widget = find(root, expected.value(0));
        const QString shown[] = {widget->objectName(), caption(widget), widget->toolTip()};
        for (int i = 0; i < 3; ++i) {
            if (shown[i] != expected.value(i)) {
                return QStringLiteral("%1: \"%2\", not \"%3\"")
                    .arg(row, shown[i], expected.value(i));
            }
        }
    }
    return QString();
}

}  // namespace widgetprobe
