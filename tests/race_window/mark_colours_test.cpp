// The mark colours against the bars, the ground and each other, as people with each of the
// three kinds of dichromacy see them (the simulation of Machado, Oliveira and Fernandes, 2009,
// at full severity), by their distance in CIELAB.

#include "animation/bar_colour.h"
#include "race_window/mark_colours.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

double Linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

Vector Times(const Matrix& m, const Vector& v)
{
    Vector r{};
    for (int i = 0; i < 3; ++i) r[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    return r;
}

// CIELAB of a colour seen through `vision` (in linear RGB), under D65.
Vector Lab(platform::Colour colour, const Matrix& vision)
{
    Vector rgb = Times(
        vision, {Linear(platform::RedOf(colour)), Linear(platform::GreenOf(colour)), Linear(platform::BlueOf(colour))});
    for (double& c : rgb) c = std::clamp(c, 0.0, 1.0);
    const Vector xyz = Times({{{0.4124, 0.3576, 0.1805}, {0.2126, 0.7152, 0.0722}, {0.0193, 0.1192, 0.9505}}}, rgb);
    const Vector white{0.9505, 1.0, 1.089};
    const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    const double fx = f(xyz[0] / white[0]), fy = f(xyz[1] / white[1]), fz = f(xyz[2] / white[2]);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

double Distance(platform::Colour a, platform::Colour b, const Matrix& vision)
{
    const Vector p = Lab(a, vision), q = Lab(b, vision);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

}  // namespace

TEST(MarkColours, StandApartFromTheBarsTheGroundAndEachOtherForEveryVision)
{
    const std::array<std::pair<const char*, Matrix>, 4> visions{{
        {"typical", {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}},
        {"protanopia",
         {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}}},
        {"deuteranopia",
         {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}}},
        {"tritanopia",
         {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}}},
    }};
    constexpr double kApart = 20;  // CIELAB units: plainly different colours, not shades of one
    const platform::Colour ground = platform::RGB(255, 255, 255);
    for (const auto& [name, vision] : visions) {
        EXPECT_GT(Distance(race_window::kComparedColour, race_window::kMovedColour, vision), kApart) << name;
        for (platform::Colour mark : {race_window::kComparedColour, race_window::kMovedColour}) {
            EXPECT_GT(Distance(mark, ground, vision), kApart) << name;
            for (int step = 0; step <= 255; ++step)
                ASSERT_GT(Distance(mark, animation::BarColour(step / 255.0f), vision), kApart)
                    << name << ", mark " << mark << ", bar of value " << step / 255.0;
        }
    }
}
