#include "desktop/picture_box.h"

#include "desktop/picture_box_accessible.h"
#include "desktop/qt_conversions.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace desktop {
namespace {

constexpr platform::Colour kBackColour = platform::RGB(255, 255, 255);
constexpr platform::Colour kForeColour = platform::RGB(0, 0, 0);

// The nearest pixel to a position in pixels; far outside (or not a number) it is clipped anyway.
int NearestPixel(double position)
{
    constexpr double kFar = 1 << 24;
    if (!(position > -kFar)) return -int(kFar);
    if (position > kFar) return int(kFar);
    return static_cast<int>(std::floor(position + 0.5));
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    // The classic sunken 3D border, two pixels on every side.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAttribute(Qt::WA_OpaquePaintEvent);
    InstallPictureBoxAccessibility();
}

PictureBox::Coordinates PictureBox::CurrentScale() const
{
    if (mode_ == Mode::User) return user_;
    // The default units follow the interior, whatever its size now.
    const QSize interior = InteriorSize();
    const double unit = mode_ == Mode::Twips ? kTwipsPerPixel : 1.0;
    return {0, 0, std::max(interior.width(), 1) * unit, std::max(interior.height(), 1) * unit};
}

void PictureBox::Scale() { mode_ = Mode::Twips; }

void PictureBox::Scale(double x1, double y1, double x2, double y2)
{
    mode_ = Mode::User;
    user_ = {x1, y1, x2 - x1, y2 - y1};
}

void PictureBox::SetScaleMode(int mode)
{
    if (mode == kScaleModePixels) mode_ = Mode::Pixels;
}

float PictureBox::ScaleWidth() const { return static_cast<float>(CurrentScale().width); }

void PictureBox::SetDrawWidth(int width) { drawWidth_ = std::max(width, 1); }

platform::Colour PictureBox::BackColor() const { return kBackColour; }

int PictureBox::ColumnOf(double x) const
{
    const Coordinates scale = CurrentScale();
    return NearestPixel((x - scale.left) * InteriorSize().width() / scale.width);
}

int PictureBox::RowOf(double y) const
{
    const Coordinates scale = CurrentScale();
    return NearestPixel((y - scale.top) * InteriorSize().height() / scale.height);
}

void PictureBox::Line(float x1, float y1, float x2, float y2, platform::Colour colour)
{
    const int c1 = ColumnOf(x1), c2 = ColumnOf(x2);
    const int r1 = RowOf(y1), r2 = RowOf(y2);
    // A wider pen widens the box's edges outwards, half on each side.
    const int before = (drawWidth_ - 1) / 2, after = drawWidth_ - 1 - before;
    const QRect box(QPoint(std::min(c1, c2) - before, std::min(r1, r2) - before),
                    QPoint(std::max(c1, c2) + after, std::max(r1, r2) + after));
    FillInterior(box, ToRgb(colour));
}

void PictureBox::FillInterior(QRect box, QRgb rgb)
{
    box &= QRect(QPoint(0, 0), InteriorSize());
    if (box.isEmpty()) return;
    SyncPicture();
    const qreal ratio = picture_.devicePixelRatio();
    const QRect device(
        QPoint(static_cast<int>(box.left() * ratio), static_cast<int>(box.top() * ratio)),
        QPoint(static_cast<int>((box.right() + 1) * ratio) - 1, static_cast<int>((box.bottom() + 1) * ratio) - 1));
    for (int row = device.top(); row <= device.bottom(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(picture_.scanLine(row));
        std::fill(line + device.left(), line + device.right() + 1, rgb);
    }
    Changed(box);
}

void PictureBox::Cls()
{
    SyncPicture();
    picture_.fill(ToRgb(kBackColour));
    printTop_ = 0;
    if (!printedLines_.isEmpty()) {
        printedLines_.clear();
        TextChanged();
    }
    Changed(QRect(QPoint(0, 0), InteriorSize()));
}

void PictureBox::Print(const std::string& text)
{
    const QString line = QString::fromStdString(text);
    const QFontMetrics metrics(font());
    SyncPicture();
    {
        QPainter painter(&picture_);
        painter.setFont(font());
        painter.setPen(QColor(ToRgb(kForeColour)));
        painter.drawText(QPoint(0, printTop_ + metrics.ascent()), line);
    }
    Changed(QRect(0, printTop_, metrics.horizontalAdvance(line) + 1, metrics.height()));
    printTop_ += metrics.height();
    printedLines_.append(line);
    TextChanged();
}

void PictureBox::Print()
{
    printTop_ += QFontMetrics(font()).height();
    printedLines_.append(QString());
    TextChanged();
}

void PictureBox::TextChanged()
{
    // A screen reader reads the box's name, which is its text.
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void PictureBox::Changed(const QRect& interiorRect)
{
    const QRect onWidget = (interiorRect & QRect(QPoint(0, 0), InteriorSize())).translated(contentsRect().topLeft());
    if (onWidget.isEmpty()) return;
    dirty_ |= onWidget;
    // Without a Refresh, the change shows once the running handler has returned. One posted
    // call covers every change until then, so drawing a bar costs no event of its own.
    if (!showPending_) {
        showPending_ = true;
        QMetaObject::invokeMethod(this, &PictureBox::ShowPending, Qt::QueuedConnection);
    }
}

void PictureBox::ShowPending()
{
    showPending_ = false;
    if (!dirty_.isEmpty()) update(dirty_);
    dirty_ = QRect();
}

void PictureBox::Refresh()
{
    if (dirty_.isEmpty()) return;
    repaint(dirty_);
    dirty_ = QRect();
}

platform::Colour PictureBox::PixelAt(int x, int y) const
{
    const qreal ratio = picture_.devicePixelRatio();
    if (!picture_.valid(static_cast<int>(x * ratio), static_cast<int>(y * ratio))) return kBackColour;
    const QRgb rgb = picture_.pixel(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
    return platform::RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    // The border needs painting only when the exposed part reaches it; bars never do.
    if (!contentsRect().contains(event->rect())) QFrame::paintEvent(event);
    const QRect exposed = event->rect() & contentsRect();
    if (exposed.isEmpty()) return;
    QPainter painter(this);
    const qreal ratio = picture_.devicePixelRatio();
    const QRect local = exposed.translated(-contentsRect().topLeft());
    const QRectF source(local.x() * ratio, local.y() * ratio, local.width() * ratio, local.height() * ratio);
    painter.drawImage(QRectF(exposed), picture_, source);
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    SyncPicture();
}

void PictureBox::SyncPicture()
{
    // The picture follows the interior (and the screen's pixel ratio), keeping what it shows.
    const qreal ratio = devicePixelRatioF();
    const QSize size = InteriorSize() * ratio;
    if (picture_.size() == size && picture_.devicePixelRatio() == ratio) return;
    QImage resized(size, QImage::Format_RGB32);
    resized.setDevicePixelRatio(ratio);
    resized.fill(ToRgb(kBackColour));
    if (!picture_.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(QPoint(0, 0), picture_);
    }
    picture_ = resized;
}

}  // namespace desktop
