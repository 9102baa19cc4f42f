#pragma once

#include "race/lesson_settings.h"

#include <QFont>
#include <QObject>
#include <QWidget>

class QAbstractButton;

namespace race_window {

class ZoomView;

// For a class at the back of the room: the window on the whole screen, and every text of
// it, with the marks that grow with the text, zoomed from 100 % to 300 %. The zoom is
// remembered between starts.
class Projector : public QObject {
    Q_OBJECT

public:
    // `fullScreen` shows, checked, that the window fills the screen, and toggles it; `view`
    // holds the window's content, to be scrolled once zoomed.
    Projector(QWidget* window, QAbstractButton* fullScreen, ZoomView* view);

    int Zoom() const { return zoom_; }
    void SetZoom(int percent) { Apply(percent); }
    void SetFullScreen(bool on) { window_->setWindowState(window_->windowState().setFlag(Qt::WindowFullScreen, on)); }

public slots:
    void ZoomIn();
    void ZoomOut();
    void ZoomAsUsual();
    void ToggleFullScreen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Apply(int percent);

    QWidget* window_;
    QAbstractButton* button_;
    ZoomView* view_;
    QFont usualFont_;
    int zoom_ = race::kUsualZoom;
};

}  // namespace race_window
