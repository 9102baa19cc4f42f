#pragma once

#include "platform/rgb.h"

#include <string>

namespace platform {

// The picture box the program prints and draws on. It keeps its picture: everything drawn
// or printed stays until the next Cls.
class OutputSurface {
public:
    static constexpr int kScaleModePixels = 3;

    virtual ~OutputSurface() = default;

    // Fills the interior with the background colour, drops all output, and puts the print
    // position at the top left.
    virtual void Cls() = 0;
    // Writes the text at the print position, then moves it to the start of the next line.
    virtual void Print(const std::string& text) = 0;
    // Moves the print position down one line.
    virtual void Print() = 0;
    // Puts what changed since the last refresh on the screen now, while the handler runs.
    virtual void Refresh() = 0;

    // Restores the default coordinates: origin at the top left, unit the twip, y down.
    virtual void Scale() = 0;
    // x1 becomes the left edge of the interior, x2 the right, y1 the top and y2 the bottom.
    virtual void Scale(double x1, double y1, double x2, double y2) = 0;
    // Only kScaleModePixels is asked for: unit the pixel, origin the top left.
    virtual void SetScaleMode(int mode) = 0;
    // The interior's width in the current unit.
    virtual float ScaleWidth() const = 0;

    virtual void SetDrawWidth(int width) = 0;
    // A filled box with corners (x1, y1) and (x2, y2), both included; a box of zero width
    // or height is still one pixel wide.
    virtual void Line(float x1, float y1, float x2, float y2, Colour colour) = 0;
    virtual Colour BackColor() const = 0;
};

}  // namespace platform
