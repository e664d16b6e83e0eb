// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

namespace quven::kit {

// A part of a fixed-layout window: a transparent rectangle of its parent that holds some of the
// window's controls and binds them to the logic they show. The window's layout is drawn in the
// parent's coordinates; local() turns them into the panel's own, so every control stands where
// the layout puts it, whichever panel holds it. The panels of a window do not overlap.
class Panel : public QWidget {
    Q_OBJECT
  public:
    // `area` in the parent's coordinates; `spokenName`, what a screen reader calls the part.
    Panel(QWidget* parent, const QString& name, const QRect& area);
    Panel(QWidget* parent, const QString& name, const QString& spokenName, const QRect& area);

  protected:
    QRect local(const QRect& inParent) const { return inParent.translated(-pos()); }
    QPoint local(QPoint inParent) const { return inParent - pos(); }
};

}  // namespace quven::kit
