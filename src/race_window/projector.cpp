#include "race_window/projector.h"

#include "race_window/zoom_view.h"

#include <QAbstractButton>
#include <QEvent>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace race_window {

using race::kMostZoom;
using race::kUsualZoom;
using race::kZoomStep;
namespace {

// The widths the window's description gives its controls grow with the text too; each
// control keeps its usual ones, the first time, to be scaled from.
void ScaleWidths(QWidget* window, int percent)
{
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->property("usualMinimumWidth").isValid()) {
            control->setProperty("usualMinimumWidth", control->minimumWidth());
            control->setProperty("usualMaximumWidth", control->maximumWidth());
        }
        const int least = control->property("usualMinimumWidth").toInt();
        const int most = control->property("usualMaximumWidth").toInt();
        if (least > 0) control->setMinimumWidth(least * percent / 100);
        if (most < QWIDGETSIZE_MAX) control->setMaximumWidth(most * percent / 100);
    }
}

}  // namespace

Projector::Projector(QWidget* window, QAbstractButton* fullScreen, ZoomView* view)
    : QObject(window), window_(window), button_(fullScreen), view_(view), usualFont_(window->font())
{
    window_->installEventFilter(this);
    connect(button_, &QAbstractButton::clicked, this, &Projector::ToggleFullScreen);
    const int remembered = QSettings().value("zoom", kUsualZoom).toInt();
    if (remembered != kUsualZoom) Apply(remembered);
}

void Projector::ZoomIn() { Apply(zoom_ + kZoomStep); }

void Projector::ZoomOut() { Apply(zoom_ - kZoomStep); }

void Projector::ZoomAsUsual() { Apply(kUsualZoom); }

void Projector::ToggleFullScreen() { window_->setWindowState(window_->windowState() ^ Qt::WindowFullScreen); }

bool Projector::eventFilter(QObject* watched, QEvent* event)
{
    // The button follows the window, however its state was changed.
    if (watched == window_ && event->type() == QEvent::WindowStateChange) button_->setChecked(window_->isFullScreen());
    return QObject::eventFilter(watched, event);
}

void Projector::Apply(int percent)
{
    zoom_ = std::clamp(percent, kUsualZoom, kMostZoom);
    QFont zoomed = usualFont_;
    zoomed.setPointSizeF(usualFont_.pointSizeF() * zoom_ / 100);
    window_->setFont(zoomed);
    ScaleWidths(window_, zoom_);
    view_->SetScrolls(zoom_ != kUsualZoom);
    QSettings().setValue("zoom", zoom_);
}

}  // namespace race_window
