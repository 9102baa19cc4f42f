#include "race_window/zoom_view.h"

#include <QEvent>

namespace race_window {

ZoomView::ZoomView(QWidget* parent) : QScrollArea(parent) {}

void ZoomView::SetScrolls(bool scrolls)
{
    scrolls_ = scrolls;
    updateGeometry();
}

QSize ZoomView::minimumSizeHint() const
{
    return scrolls_ || !widget() ? QScrollArea::minimumSizeHint() : widget()->minimumSizeHint();
}

bool ZoomView::eventFilter(QObject* watched, QEvent* event)
{
    // The content asks for other room, with more panels say: so does the view, of the window.
    if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

}  // namespace race_window
