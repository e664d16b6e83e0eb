// SPDX-License-Identifier: Apache-2.0
#include "ui/kit/ScreenFit.h"

#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/kit/WidgetLook.h"

namespace quven::kit {

namespace {
// The least a scrolling window may be made.
constexpr QSize kSmallest(320, 240);

QScrollArea* scrollAreaFor(QWidget* window, QWidget* content) {
    auto* scroll = new QScrollArea(window);
    setControlName(scroll, window->objectName() + QLatin1String("Scroll"),
                   window->windowTitle() + QLatin1String(", scrolled"));
    scroll->setFrameShape(QFrame::NoFrame);
    // Only the controls take the focus; Tab scrolls to each of them.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidget(content);
    return scroll;
}

QScrollArea* scrollAround(QWidget* window, QWidget* content) {
    QScrollArea* scroll = scrollAreaFor(window, content);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    return scroll;
}

// The largest size up to the content's that fits the room, a scroll bar added beside the
// content where it is cut.
QSize fittedSize(QSize content, const QSize& room, int bar) {
    QSize size = content;
    if (size.height() > room.height()) {
        size.setHeight(room.height());
        size.rwidth() += bar;
    }
    if (size.width() > room.width()) {
        size.setWidth(room.width());
        size.setHeight(qMin(size.height() + bar, room.height()));
    }
    return size;
}

QRect availableArea(const QWidget* window) {
    const QScreen* screen = window->screen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

// A scrolling window: opened at the largest size that fits the room, made as small as needed,
// as large as the content with the scroll bars; `above` is what stands over the scroll area.
void sizeScrolling(QWidget* window, QScrollArea* scroll, QSize content, int above,
                   const QRect& available) {
    const int bar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    const QSize room = available.size() - kWindowFrameAllowance - QSize(0, above);
    const QSize size = fittedSize(content, room, bar) + QSize(0, above);
    window->setMinimumSize(kSmallest.boundedTo(size));
    window->setMaximumSize(content + QSize(bar, bar + above));
    window->resize(size);
}
}  // namespace

bool fitsAvailableArea(const QSize& content, const QRect& available) {
    const QSize room = available.size() - kWindowFrameAllowance;
    return content.width() <= room.width() && content.height() <= room.height();
}

void fitWindowToScreen(QWidget* window, QWidget* content) {
    const QRect available = availableArea(window);
    if (available.isEmpty() || fitsAvailableArea(content->size(), available)) {
        window->setFixedSize(content->size());
        return;
    }
    sizeScrolling(window, scrollAround(window, content), content->size(), 0, available);
}

void fitMainWindowToScreen(QMainWindow* window, QWidget* content) {
    const QRect available = availableArea(window);
    const QWidget* menu = window->menuWidget();
    const int above = menu != nullptr ? menu->sizeHint().height() : 0;
    if (available.isEmpty() || fitsAvailableArea(content->size() + QSize(0, above), available)) {
        window->setCentralWidget(content);
        window->layout()->setSizeConstraint(QLayout::SetFixedSize);
        return;
    }
    QScrollArea* scroll = scrollAreaFor(window, content);
    window->setCentralWidget(scroll);
    sizeScrolling(window, scroll, content->size(), above, available);
}

}  // namespace quven::kit
