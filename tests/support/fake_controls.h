#pragma once

#include "animation/animation_settings.h"
#include "run/run_controls.h"

#include <string>

namespace testing_support {

// The window's controls as plain fields, set by a test before it starts a run.
struct FakeControls : run::RunControls, animation::AnimationSettings {
    std::int16_t listIndex = -1;
    int mode = kMeasure;
    std::int16_t checkSeed = 0;
    std::string seedText = "0";
    std::string numText = "500";
    std::string delayText = "0";
    bool colour = true;
    mutable int delayReads = 0;

    std::int16_t SortChoiceListIndex() const override { return listIndex; }
    bool OptionModeValue(int index) const override { return index == mode; }
    std::int16_t CheckSeedValue() const override { return checkSeed; }
    std::string TextSeedText() const override { return seedText; }
    std::string TextNumText() const override { return numText; }
    std::string AnimationTextDelayText() const override
    {
        ++delayReads;
        return delayText;
    }
    bool AnimationColorValue() const override { return colour; }
};

}  // namespace testing_support
