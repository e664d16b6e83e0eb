#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

// How GUI tests look at a window: a control by its name, where it stands, the colour it really
// paints and the caption it shows.
namespace widgetprobe {

// The name of a control-array member: "Command3_9".
inline QString indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

template <typename W = QWidget>
W* find(QWidget& root, const QString& name) {
    W* widget = root.findChild<W*>(name);
    if (widget == nullptr) {
        qFatal("no control %s", qPrintable(name));
    }
    return widget;
}

// Where a control stands, in the coordinates of `area`.
inline QRect placeIn(QWidget& root, const QWidget* area, const QString& name) {
    QWidget* widget = find(root, name);
    return QRect(widget->mapTo(area, QPoint(0, 0)), widget->size());
}

inline QColor paintedAt(QWidget* widget, QPoint point) {
    return widget->grab().toImage().pixelColor(point);
}

// The colour a control really paints beside its caption, clear of its border.
inline QColor paintedBeside(QWidget* widget) {
    return paintedAt(widget, QPoint(4, widget->height() / 2));
}

inline QString caption(QWidget* widget) {
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

}  // namespace widgetprobe
