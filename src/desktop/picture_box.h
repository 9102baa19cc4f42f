#pragma once

#include "platform/output_surface.h"

#include <QFrame>
#include <QImage>
#include <QStringList>

namespace desktop {

// The output picture box: a sunken frame whose interior keeps a picture between paints.
// Drawing goes into the picture; Refresh puts the changed part on the screen at once.
class PictureBox : public QFrame, public platform::OutputSurface {
    Q_OBJECT

public:
    static constexpr int kTwipsPerPixel = 15;
    static constexpr int kBorderWidth = 2;

    explicit PictureBox(QWidget* parent = nullptr);

    void Cls() override;
    void Print(const std::string& text) override;
    void Print() override;
    void Refresh() override;
    void Scale() override;
    void Scale(double x1, double y1, double x2, double y2) override;
    void SetScaleMode(int mode) override;
    float ScaleWidth() const override;
    void SetDrawWidth(int width) override;
    void Line(float x1, float y1, float x2, float y2, platform::Colour colour) override;
    platform::Colour BackColor() const override;

    // The lines printed since the last Cls, in order.
    const QStringList& PrintedLines() const { return printedLines_; }
    // Size of the interior, in pixels.
    QSize InteriorSize() const { return contentsRect().size(); }
    // The colour of one interior pixel, as a colour number.
    platform::Colour PixelAt(int x, int y) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum class Mode { Twips, Pixels, User };
    struct Coordinates {
        double left, top, width, height;
    };

    Coordinates CurrentScale() const;
    void SyncPicture();
    int ColumnOf(double x) const;
    int RowOf(double y) const;
    void FillInterior(QRect box, QRgb rgb);
    void Changed(const QRect& interiorRect);
    void ShowPending();
    void TextChanged();

    QImage picture_;
    QStringList printedLines_;
    QRect dirty_;
    bool showPending_ = false;
    int printTop_ = 0;
    int drawWidth_ = 1;
    Mode mode_ = Mode::Twips;
    Coordinates user_{0, 0, 1, 1};
};

}  // namespace desktop
