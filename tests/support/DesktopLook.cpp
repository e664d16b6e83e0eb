// SPDX-License-Identifier: Apache-2.0
#include "DesktopLook.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVariant>
#include <QWidget>

#include "ui/kit/Contrast.h"

namespace desktoplook {

namespace {
// What a widget without a fill of its own shows through: the first ancestor that fills itself.
QColor behind(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (w->autoFillBackground() || w->isWindow()) {
            return w->palette().color(w->backgroundRole());
        }
    }
    return QColor();
}

bool ours(const QWidget* widget) {
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}
}  // namespace

QPalette darkPalette() {
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2A, 0x2A, 0x2A));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    dark.setColor(QPalette::AlternateBase, QColor(0x2D, 0x2D, 0x2D));
    dark.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ToolTipText, Qt::white);
    return dark;
}

QList<ShownColours> shownColours(const QWidget* widget) {
    const QPalette& p = widget->palette();
    const QVariant back = widget->property("backColour");
    if (auto* combo = qobject_cast<const QComboBox*>(widget)) {
        const QPalette& list = combo->view()->palette();
        return {{QStringLiteral("face"), p.color(QPalette::ButtonText), p.color(QPalette::Button)},
                {QStringLiteral("list"), list.color(QPalette::Text), list.color(QPalette::Base)}};
    }
    if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractItemView*>(widget) ||
        qobject_cast<const QPlainTextEdit*>(widget)) {
        return {{QStringLiteral("box"), p.color(QPalette::Text), p.color(QPalette::Base)}};
    }
    if (qobject_cast<const QPushButton*>(widget)) {
        // A coloured button shows its colour through a style sheet, the others the face.
        const QColor face =
            back.value<QColor>().isValid() ? back.value<QColor>() : p.color(QPalette::Button);
        return {{QStringLiteral("caption"), p.color(QPalette::ButtonText), face}};
    }
    if (qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QRadioButton*>(widget)) {
        return {{QStringLiteral("caption"), p.color(QPalette::WindowText), behind(widget)},
                {QStringLiteral("indicator"), p.color(QPalette::Text), p.color(QPalette::Base)}};
    }
    if (qobject_cast<const QLabel*>(widget) || qobject_cast<const QGroupBox*>(widget)) {
        return {{QStringLiteral("caption"), p.color(QPalette::WindowText), behind(widget)}};
    }
    return {};
}

QList<QPair<QString, ShownColours>> windowColours(const QWidget* window) {
    QList<QPair<QString, ShownColours>> all;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (!ours(widget)) {
            continue;
        }
        for (const ShownColours& shown : shownColours(widget)) {
            all.append({widget->objectName() + QLatin1Char(' ') + shown.part, shown});
        }
    }
    return all;
}

QList<QPair<QString, ShownColours>> everyColour(const QWidget* window) {
    QList<QPair<QString, ShownColours>> all;
    int unnamed = 0;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        const QString name = widget->objectName().isEmpty()
                                 ? QStringLiteral("%1#%2")
                                       .arg(QLatin1String(widget->metaObject()->className()))
                                       .arg(unnamed++)
                                 : widget->objectName();
        for (const ShownColours& shown : shownColours(widget)) {
            all.append({name + QLatin1Char(' ') + shown.part, shown});
        }
    }
    return all;
}

QString darkThemeMismatch(const WindowTexts& light, const WindowTexts& dark) {
    if (dark.size() != light.size()) {
        return QStringLiteral("%1 texts, not %2").arg(dark.size()).arg(light.size());
    }
    for (int i = 0; i < dark.size(); ++i) {
        const QString& name = dark[i].first;
        const ShownColours& shown = dark[i].second;
        const ShownColours& expected = light[i].second;
        const QString colours =
            QStringLiteral("%1: %2 on %3").arg(name, shown.text.name(), shown.background.name());
        if (name != light[i].first) {
            return QStringLiteral("%1, not %2").arg(name, light[i].first);
        }
        if (shown.text != expected.text || shown.background != expected.background) {
            return colours + QStringLiteral(", not %1 on %2")
                                 .arg(expected.text.name(), expected.background.name());
        }
        if (quven::kit::contrastRatio(shown.text, shown.background) <
            quven::kit::kReadableContrast) {
            return colours + QLatin1String(", too little contrast");
        }
    }
    return QString();
}

QMap<QString, QString> placesAndFonts(QWidget* root) {
    QMap<QString, QString> shown;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty() ||
            widget->objectName().startsWith(QLatin1String("qt_"))) {
            continue;
        }
        const QRect at(widget->mapTo(root, QPoint(0, 0)), widget->size());
        shown.insert(widget->objectName(), QStringLiteral("%1,%2 %3x%4 %5")
                                               .arg(at.x())
                                               .arg(at.y())
                                               .arg(at.width())
                                               .arg(at.height())
                                               .arg(widget->font().key()));
    }
    return shown;
}

DesktopTheme::DesktopTheme() : font(QApplication::font()) {}

DesktopTheme::~DesktopTheme() {
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setFont(font);
}

}  // namespace desktoplook
