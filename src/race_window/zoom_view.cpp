#include "race_window/zoom_view.h"

#include <QEvent>
#include <QScreen>
#include <QScrollBar>

namespace race_window {

ZoomView::ZoomView(QWidget* parent) : QScrollArea(parent) {}

void ZoomView::SetScrolls(bool scrolls)
{
    scrolls_ = scrolls;
    updateGeometry();
}

QSize ZoomView::minimumSizeHint() const
{
    if (scrolls_ || !widget()) return QScrollArea::minimumSizeHint();
    // Room for the window's frame and the scroll bars, where the content is larger than the
    // screen, as thirteen panels are on a small projector.
    const QSize frame(48, 96);
    const QSize wanted = widget()->minimumSizeHint();
    QSize least = wanted.boundedTo(screen()->availableSize() - frame);
    if (least.height() < wanted.height()) least.rwidth() += verticalScrollBar()->sizeHint().width();
    if (least.width() < wanted.width()) least.rheight() += horizontalScrollBar()->sizeHint().height();
    return least;
}

bool ZoomView::eventFilter(QObject* watched, QEvent* event)
{
    // The content asks for other room, with more panels say: so does the view, of the window.
    if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

}  // namespace race_window
