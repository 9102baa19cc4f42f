#pragma once

#include <string>

namespace animation {

// What the chart reads from the window's animation controls, anew at each use.
class AnimationSettings {
public:
    virtual ~AnimationSettings() = default;
    // The delay as typed: thousands of empty loop iterations after each bar.
    virtual std::string AnimationTextDelayText() const = 0;
    // True when "Color" is chosen, false for "B/W".
    virtual bool AnimationColorValue() const = 0;
};

}  // namespace animation
