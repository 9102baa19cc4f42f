#pragma once

#include <QScrollArea>

namespace race_window {

// The window's content, scrolled only where a zoom, or a screen too small for it, makes it
// larger than the screen: otherwise the window keeps room for all of it, as a window that
// never scrolls does.
class ZoomView : public QScrollArea {
    Q_OBJECT

public:
    explicit ZoomView(QWidget* parent = nullptr);

    void SetScrolls(bool scrolls);
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool scrolls_ = false;
};

}  // namespace race_window
