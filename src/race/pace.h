#pragma once

#include <cstdint>

namespace race {

// The race's speed, in steps per second, on a logarithmic dial of notches: notch 0 is 10 steps
// a second, and every ten notches go ten times as fast, up to 10,000,000 at notch 60.
class Pace {
public:
    static constexpr int kSlowest = 0;
    static constexpr int kFastest = 60;
    static constexpr int kDefault = 20;  // 1,000 steps a second
    static constexpr int kNotchesPerDecade = 10;

    static double StepsPerSecondAt(int notch);

    int Notch() const { return notch_; }
    void SetNotch(int notch);
    double StepsPerSecond() const { return StepsPerSecondAt(notch_); }

    // The whole steps due for `seconds` of play; the fraction left over is carried to the
    // next call, so that a slow race still moves at its speed. A pause longer than a tenth of
    // a second counts as a tenth, so that a stalled window does not leap.
    std::uint64_t StepsFor(double seconds);

private:
    int notch_ = kDefault;
    double carried_ = 0;
};

}  // namespace race
