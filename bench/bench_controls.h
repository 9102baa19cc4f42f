#pragma once

#include "animation/animation_settings.h"
#include "platform/output_surface.h"
#include "run/run_controls.h"

#include <string>

// The controls of a run as the benchmarks set them: a method, a count, a fixed seed, no
// animation unless asked, and a picture box that draws nothing.
struct BenchControls : run::RunControls, animation::AnimationSettings {
    std::int16_t method = 0;
    int mode = kMeasure;
    std::string count = "1000";

    std::int16_t SortChoiceListIndex() const override { return method; }
    bool OptionModeValue(int index) const override { return index == mode; }
    std::int16_t CheckSeedValue() const override { return 1; }
    std::string TextSeedText() const override { return "2026"; }
    std::string TextNumText() const override { return count; }
    std::string AnimationTextDelayText() const override { return "0"; }
    bool AnimationColorValue() const override { return true; }
};

struct NullSurface : platform::OutputSurface {
    void Cls() override {}
    void Print(const std::string&) override {}
    void Print() override {}
    void Refresh() override {}
    void Scale() override {}
    void Scale(double, double, double, double) override {}
    void SetScaleMode(int) override {}
    float ScaleWidth() const override { return 500; }
    void SetDrawWidth(int) override {}
    void Line(float, float, float, float, platform::Colour) override {}
    platform::Colour BackColor() const override { return 0; }
};
