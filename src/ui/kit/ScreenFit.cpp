#include "ui/kit/ScreenFit.h"

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

QScrollArea* scrollAround(QWidget* window, QWidget* content) {
    auto* scroll = new QScrollArea(window);
    setControlName(scroll, window->objectName() + QLatin1String("Scroll"),
                   window->windowTitle() + QLatin1String(", scrolled"));
    scroll->setFrameShape(QFrame::NoFrame);
    // Only the controls take the focus; Tab scrolls to each of them.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidget(content);
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
}  // namespace

bool fitsAvailableArea(const QSize& content, const QRect& available) {
    const QSize room = available.size() - kWindowFrameAllowance;
    return content.width() <= room.width() && content.height() <= room.height();
}

void fitWindowToScreen(QWidget* window, QWidget* content) {
    const QScreen* screen = window->screen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
    if (screen == nullptr || fitsAvailableArea(content->size(), available)) {
        window->setFixedSize(content->size());
        return;
    }
    QScrollArea* scroll = scrollAround(window, content);
    const int bar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    const QSize size = fittedSize(content->size(), available.size() - kWindowFrameAllowance, bar);
    window->setMinimumSize(kSmallest.boundedTo(size));
    window->setMaximumSize(content->size() + QSize(bar, bar));
    window->resize(size);
}

}  // namespace quven::kit
