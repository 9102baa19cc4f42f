#pragma once

#include "platform/output_surface.h"

#include <string>
#include <vector>

namespace testing_support {

// An output surface that records each call as a line of text, and the lines printed since
// the last Cls, so that tests can check what a run asks of the picture box and in what order.
class RecordingSurface : public platform::OutputSurface {
public:
    float scaleWidth = 507;
    std::vector<std::string> calls;
    std::vector<std::string> printed;

    void Cls() override
    {
        calls.push_back("Cls");
        printed.clear();
    }
    void Print(const std::string& text) override
    {
        calls.push_back("Print " + text);
        printed.push_back(text);
    }
    void Print() override
    {
        calls.push_back("Print");
        printed.emplace_back();
    }
    void Refresh() override { calls.push_back("Refresh"); }
    void Scale() override { calls.push_back("Scale"); }
    void Scale(double x1, double y1, double x2, double y2) override
    {
        calls.push_back("Scale " + Number(x1) + " " + Number(y1) + " " + Number(x2) + " " + Number(y2));
    }
    void SetScaleMode(int mode) override { calls.push_back("ScaleMode " + std::to_string(mode)); }
    float ScaleWidth() const override { return scaleWidth; }
    void SetDrawWidth(int width) override { calls.push_back("DrawWidth " + std::to_string(width)); }
    void Line(float x1, float y1, float x2, float y2, platform::Colour colour) override
    {
        calls.push_back("Line " + Number(x1) + " " + Number(y1) + " " + Number(x2) + " " + Number(y2) + " " +
                        std::to_string(colour));
    }
    platform::Colour BackColor() const override { return platform::RGB(255, 255, 255); }

    // The left x of each bar drawn, in order, read from the box that clears above each bar.
    std::vector<std::string> BarsDrawn() const
    {
        std::string clearing(1, ' ');
        clearing += std::to_string(BackColor());
        std::vector<std::string> lefts;
        for (const std::string& call : calls)
            if (call.starts_with("Line ") && call.ends_with(clearing))
                lefts.push_back(call.substr(5, call.find(' ', 5) - 5));
        return lefts;
    }

    static std::string Number(double value)
    {
        std::string text = std::to_string(value);
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
        return text;
    }
};

}  // namespace testing_support
