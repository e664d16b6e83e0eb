// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QLabel>
#include <QtTest>

#include "WidgetProbe.h"
#include "WindowedConsole.h"

// The control screen under test and the ways a test looks at it: by control name, by where a
// control stands on the panel and by the colour it really paints.

namespace mainfrmtest {

using namespace quven;

using widgetprobe::caption;
using widgetprobe::indexed;
using widgetprobe::paintedAt;
using widgetprobe::paintedBeside;

// The control screen shown, on a recording transport, with recorded messages and manual timers.
struct Screen : WindowedConsole<> {
    Screen() { main.show(); }

    // As after a connect: sends reach the transport and the screen may change.
    void connectSession() { markConnected(*this); }

    template <typename W = QWidget>
    W* find(const QString& name) {
        return widgetprobe::find<W>(main, name);
    }

    // Where a control stands on the panel.
    QRect at(const QString& name) { return widgetprobe::placeIn(main, main.centralWidget(), name); }

    // The first control of the list that does not stand right of (or below) the one before it.
    QString outOfOrder(const QStringList& names, Qt::Orientation direction) {
        for (int i = 1; i < names.size(); ++i) {
            const QRect before = at(names[i - 1]);
            const QRect after = at(names[i]);
            if (direction == Qt::Horizontal ? before.right() >= after.left()
                                            : before.bottom() >= after.top()) {
                return names[i];
            }
        }
        return QString();
    }

    void click(const QString& name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    QString text(const QString& name) { return find<QLabel>(name)->text(); }
};

// Buttons of different heights show their face gradient a shade apart.
inline bool sameShade(const QColor& a, const QColor& b) {
    return qAbs(a.red() - b.red()) <= 4 && qAbs(a.green() - b.green()) <= 4 &&
           qAbs(a.blue() - b.blue()) <= 4;
}

inline const Message kNotConnected{QStringLiteral("Not connected !"), QStringLiteral("Caution !"),
                                   MessageIcon::Information};

}  // namespace mainfrmtest
